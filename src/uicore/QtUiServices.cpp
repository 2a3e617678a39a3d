#include "QtUiServices.h"

#include "HeldInput.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDrag>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QUrl>
#include <QWidget>

namespace orv {

void QtUiServices::message(const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    title.isEmpty() ? kAppTitle : title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtUiServices::beep() {
    QApplication::beep();
}

void QtUiServices::setPointer(QWidget* window, Pointer pointer) {
    if (!window) {
        return;
    }
    switch (pointer) {
    case Pointer::Hourglass:
        window->setCursor(Qt::WaitCursor);
        break;
    case Pointer::Arrow:
        window->setCursor(Qt::ArrowCursor);
        break;
    case Pointer::Default:
        window->unsetCursor();
        break;
    }
}

void QtUiServices::openAddress(QWidget*, const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

void QtUiServices::endProgram() {
    // Every window goes at once, without its own close handling: hide them
    // all and leave every running event loop.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

Qt::DropAction QtUiServices::runDrag(QDrag* drag) {
    return drag->exec(Qt::CopyAction);
}

QString QtUiServices::askSaveFileName(QWidget* window, const QString& caption, const QString& suggested) {
    return QFileDialog::getSaveFileName(window, caption, suggested, QStringLiteral("PDF files (*.pdf)"));
}

bool QtUiServices::askPrinter(QWidget* window, QPrinter& printer) {
    QPrintDialog dialog(&printer, window);
    return dialog.exec() == QDialog::Accepted;
}

namespace {

// Qt's progress dialog, shown once the work has run a while (half a second
// in the program); it also keeps the program painting while the work runs.
// The dialog is shown by the work's own reports: a long statement of the
// books runs no event loop that could show it by a timer. Meanwhile only the
// dialog takes clicks, and the keys typed into the other windows wait for
// the work to end instead of being lost; the clerk's window keeps the focus.
class DialogProgress : public Progress {
public:
    DialogProgress(QWidget* parent, const QString& label, int total, std::chrono::milliseconds after)
        : m_dialog(label, QStringLiteral("Cancel"), 0, total, parent ? parent : QApplication::activeWindow()),
          m_held(&m_dialog, [this] { m_dialog.cancel(); }) {
        m_dialog.setWindowTitle(QCoreApplication::applicationName());
        m_dialog.setAttribute(Qt::WA_ShowWithoutActivating);
        m_dialog.setMinimumDuration(static_cast<int>(after.count()));
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_started.start();
    }
    ~DialogProgress() override { QApplication::restoreOverrideCursor(); }
    bool advance(int done) override {
        // The dialog is told a few times a second: telling it every row
        // would cost more than the work.
        if (!m_told.isValid() || m_told.elapsed() >= 50) {
            if (!m_dialog.isVisible() && m_started.elapsed() >= m_dialog.minimumDuration())
                m_dialog.show();
            m_dialog.setValue(done);
            if (m_dialog.isVisible())
                QCoreApplication::processEvents();
            m_told.start();
        }
        return !m_dialog.wasCanceled();
    }
    void setTotal(int total) override {
        m_dialog.setMaximum(total);
        m_dialog.setValue(0);
    }

private:
    QProgressDialog m_dialog;
    HeldInput m_held;
    QElapsedTimer m_started;
    QElapsedTimer m_told;
};

} // namespace

std::unique_ptr<Progress> QtUiServices::beginProgress(QWidget* window, const QString& label, int total) {
    return std::make_unique<DialogProgress>(window, label, total, m_dialogAfter);
}

} // namespace orv
