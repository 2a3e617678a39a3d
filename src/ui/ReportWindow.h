#pragma once

#include "TextTable.h"
#include "Window.h"
#include "reports/ReportLauncher.h"

#include <QString>
#include <functional>
#include <map>
#include <vector>

class QLineEdit;

namespace orv {

// What a report button runs: a command of the window's data source with the
// boxes it checks first and the boxes it passes, then the layout it shows.
struct ReportLaunch {
    // A box that must not be empty before anything runs.
    struct BoxCheck {
        QString box;
        QString message;
        bool tint = true;     // a failing box turns light blue and stays so
        bool trimmed = false; // blanks count as empty
    };
    // A box whose text goes to the command, named as a refusal names it.
    struct BoxInput {
        QString box;
        QString boxName;
    };

    QString command;
    std::function<const reports::ReportLayout&()> layout;
    std::vector<BoxCheck> checks; // in checking order
    std::vector<BoxInput> inputs; // in call order
};

// One control of a row of a report window: a caption, an input box, a button
// (a report button or one with a handler of the window's own) or free space.
struct ReportItem {
    enum class Kind { Label, Box, Button, Stretch };

    static ReportItem label(const QString& name, const QString& caption);
    static ReportItem box(const QString& name, const QString& text = {});
    static ReportItem button(const QString& name, const QString& caption, ReportLaunch launch);
    static ReportItem button(const QString& name, const QString& caption, std::function<void()> handler);
    static ReportItem stretch();
    // The same from a window's text table, whose keys name the controls.
    static ReportItem label(PinnedText caption) { return label(qtext(caption.key), qtext(caption.text)); }
    static ReportItem box(PinnedText text) { return box(qtext(text.key), qtext(text.text)); }
    static ReportItem button(PinnedText caption, ReportLaunch launch) {
        return button(qtext(caption.key), qtext(caption.text), std::move(launch));
    }
    static ReportItem button(PinnedText caption, std::function<void()> handler) {
        return button(qtext(caption.key), qtext(caption.text), std::move(handler));
    }

    Kind kind = Kind::Stretch;
    QString name;
    QString text; // a label's caption, a box's first text, a button's caption
    ReportLaunch launch;
    std::function<void()> handler;
};

// A row of controls. Rows of one frame share columns, one control to a
// column; a spanning row lays its controls out on one line across them all.
struct ReportRow {
    std::vector<ReportItem> items;
    bool spanning = false;
};

// A captioned frame of rows; without a name the rows stand on the window.
struct ReportFrame {
    QString name;
    QString title;
    std::vector<ReportRow> rows;
};

// A report window, built and wired from its declared frames and rows. Every
// button goes through the guarded click; a report button closes its
// command's last result, runs its checks, converts its boxes, runs the
// command and shows its layout in a preview.
class ReportWindow : public Window {
    Q_OBJECT
public:
    using SourceOf = std::function<reports::ReportDataSource&()>;

    // An input box of the window by name (tests and the window's own handlers).
    QLineEdit* box(const QString& name) const;

protected:
    ReportWindow(const QString& name, const QString& caption, SourceOf source, QWidget* parent);
    // Builds the frames top to bottom and wires their buttons.
    void build(const std::vector<ReportFrame>& page);

private:
    QWidget* buildFrame(const ReportFrame& frame);
    QWidget* buildItem(QWidget* parent, const ReportItem& item);
    QLineEdit* requireBox(const QString& name) const;
    void launch(const ReportLaunch& launch);

    SourceOf m_source;
    std::map<QString, QLineEdit*> m_boxes;
};

} // namespace orv
