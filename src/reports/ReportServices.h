#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <memory>

class QWidget;

namespace orv::reports {

// Long work of the report engine (laying out, exporting, printing) as the
// clerk follows it: the busy pointer while it runs, and once it takes longer
// than about half a second a dialog with the pages done of the total and a
// Cancel button. It ends when the object goes.
class ReportProgress {
public:
    virtual ~ReportProgress() = default;
    // `done` of the total are finished; false once the clerk has cancelled.
    virtual bool advance(int done) = 0;
};

// Thrown out of the work the clerk cancelled; it is no failure to report.
struct ReportCancelled : std::exception {
    const char* what() const noexcept override { return "cancelled"; }
};

// How the report engine's long work is followed. Tests replace it so that
// no dialog opens; unwired, it is Qt's progress dialog. Messages and the
// file and printer dialogs go through the ui services like every window's.
class ReportServices {
public:
    // Starts following a piece of long work of `total` steps.
    using ProgressHook =
        std::function<std::unique_ptr<ReportProgress>(QWidget* parent, const QString& label, int total)>;

    static void setProgressHook(ProgressHook hook);
    // Back to Qt's own progress dialog.
    static void reset();

    static std::unique_ptr<ReportProgress> beginProgress(QWidget* parent, const QString& label, int total);
};

} // namespace orv::reports
