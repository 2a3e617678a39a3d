#pragma once

#include <QString>
#include <Qt>
#include <exception>
#include <memory>
#include <stdexcept>

class QDrag;
class QPrinter;
class QWidget;

namespace orv {

// The application title: the title of every message box without one of its own.
inline const QString kAppTitle = QStringLiteral("Orvanwise");
// Titles of the number-field messages.
inline const QString kTitleMissingField = QStringLiteral("Missing field");
inline const QString kTitleInvalidInput = QStringLiteral("Invalid Input");

enum class MessageIcon { None, Information };
enum class Pointer { Default, Arrow, Hourglass };

// Long work (laying out, exporting, printing a report) as the clerk follows
// it: the busy pointer while it runs, and once it takes longer than about half
// a second a dialog with the steps done of the total and a Cancel button. It
// ends when the object goes.
class Progress {
public:
    virtual ~Progress() = default;
    // `done` of the total are finished; false once the clerk has cancelled.
    // Work whose total is not known yet (0) reports 0 now and then.
    virtual bool advance(int done) = 0;
    // The work now knows its total: its steps count from 0 again.
    virtual void setTotal(int total) = 0;
};

// Everything a window does to the clerk outside its own controls: message
// boxes, beeps, the mouse pointer, drags, the file and printer dialogs, the
// progress of long work, the browser and ending the program.
// Windows reach it through UiServices::current(); tests install a recorder so
// that no modal box or drag ever blocks a run.
class UiServices {
public:
    virtual ~UiServices() = default;

    // A message box with an OK button; an empty title means the application title.
    virtual void message(const QString& text, const QString& title = {},
                         MessageIcon icon = MessageIcon::None) = 0;
    virtual void beep() = 0;
    // The pointer shown over a window (the hourglass while a document is posted).
    virtual void setPointer(QWidget* window, Pointer pointer) = 0;
    // Opens a web address in the default browser; the outcome is not reported.
    virtual void openAddress(QWidget* window, const QString& address) = 0;
    // Ends the program at once: no window runs its own closing code.
    virtual void endProgram() = 0;
    // Runs a drag to its end and returns what the target did with it.
    virtual Qt::DropAction runDrag(QDrag* drag) = 0;
    // Asks for the name of a new PDF file; the empty text when the clerk cancels.
    virtual QString askSaveFileName(QWidget* window, const QString& caption, const QString& suggested) = 0;
    // Lets the clerk choose and set up the printer; false when cancelled.
    virtual bool askPrinter(QWidget* window, QPrinter& printer) = 0;
    // Starts following a piece of long work of `total` steps.
    virtual std::unique_ptr<Progress> beginProgress(QWidget* window, const QString& label, int total) = 0;

    // An error nobody expected, shown as a message box instead of ending the program.
    void reportError(const std::exception& error);

    // The services in use; the Qt services unless a test installed others.
    static UiServices& current();
    // Installs services (not owned); nullptr brings back the Qt services.
    static void install(UiServices* services);
};

// Runs an event handler so that a failure reaches the clerk as a message box
// and never leaves the handler (nothing may unwind through Qt's event loop).
// Returns false when the handler failed.
template <class Handler> bool guarded(Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        UiServices::current().reportError(error);
    } catch (...) {
        UiServices::current().reportError(std::runtime_error("Unexpected error"));
    }
    return false;
}

} // namespace orv
