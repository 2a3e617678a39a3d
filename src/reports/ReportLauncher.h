#pragma once

#include "ReportDataSource.h"
#include "ReportLayout.h"
#include "ShapedRows.h"
#include "uicore/Check.h"

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace orv {
class Progress;
}

namespace orv::reports {

// Where one input of the command comes from, in call order: a box's text
// (or a picker's date, a check box's state) converted to the parameter's
// type, or a value the window computes.
struct LauncherInput {
    QWidget* box = nullptr;
    QString boxName; // how a message names the box; empty: its accessible name
    std::function<Variant()> value;
};

// What one report button runs and shows.
struct ReportButton {
    std::function<ReportDataSource&()> dataSource; // created on first use
    QString command;
    CheckList checks;                  // the boxes checked before anything runs, in checking order
    std::vector<LauncherInput> inputs; // in call order
    std::function<const ReportLayout&()> layout;
};

// The click action of a report button: close the command's open result,
// check the boxes, convert, run, show. A check or a conversion that fails
// shows its message, focuses the box and runs nothing; a failure of the
// connection or the procedure is shown as a message and leaves the window
// as it was.
class ReportLauncher {
public:
    // True when the report was shown.
    static bool launch(const ReportButton& button);

    // Opens the layout's preview with the rows, or brings it forward with them;
    // false when the clerk cancelled the laying out of a long report. The
    // laying out goes on in the progress of the work before it, if given.
    static bool showReport(const ReportLayout& layout, const ShapedRows::Ptr& rows,
                           Progress* following = nullptr);
    // The rows a layout prints: its command's result, or a child level of it.
    static ShapedRows::Ptr layoutRows(ReportDataSource& source, const ReportLayout& layout);

private:
    static bool convertInputs(const ReportButton& button, const ReportCommand& command,
                              std::vector<Variant>* values);
    static void refuse(QWidget* box, const QString& message);
};

} // namespace orv::reports
