#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <memory>

class QPrinter;
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

// The message boxes and dialogs of the report engine. The program wires them
// to its ui services; tests replace them so that nothing waits for a click.
// Unwired, they open Qt's own boxes and dialogs.
class ReportServices {
public:
    // A message box with an OK button and the application title.
    using MessageHook = std::function<void(const QString& text)>;
    // The name of a new file; the empty text when the clerk cancels.
    using SaveFileHook =
        std::function<QString(QWidget* parent, const QString& caption, const QString& suggested)>;
    // Lets the clerk choose and set up the printer; false when cancelled.
    using PrinterHook = std::function<bool(QWidget* parent, QPrinter& printer)>;
    // Starts following a piece of long work of `total` steps.
    using ProgressHook =
        std::function<std::unique_ptr<ReportProgress>(QWidget* parent, const QString& label, int total)>;

    static void setMessageHook(MessageHook hook);
    static void setSaveFileHook(SaveFileHook hook);
    static void setPrinterHook(PrinterHook hook);
    static void setProgressHook(ProgressHook hook);
    // Back to Qt's own boxes and dialogs.
    static void reset();

    static void showMessage(const QString& text);
    static QString askSaveFileName(QWidget* parent, const QString& caption, const QString& suggested);
    static bool askPrinter(QWidget* parent, QPrinter& printer);
    static std::unique_ptr<ReportProgress> beginProgress(QWidget* parent, const QString& label, int total);

    // The text of a failure, as a message shows it.
    static QString describe(const std::exception& e);
};

} // namespace orv::reports
