#pragma once

#include <QString>
#include <exception>
#include <functional>

class QPrinter;
class QWidget;

namespace orv::reports {

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

    static void setMessageHook(MessageHook hook);
    static void setSaveFileHook(SaveFileHook hook);
    static void setPrinterHook(PrinterHook hook);
    // Back to Qt's own boxes and dialogs.
    static void reset();

    static void showMessage(const QString& text);
    static QString askSaveFileName(QWidget* parent, const QString& caption, const QString& suggested);
    static bool askPrinter(QWidget* parent, QPrinter& printer);

    // The text of a failure, as a message shows it.
    static QString describe(const std::exception& e);
};

} // namespace orv::reports
