#include "QtUiServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDrag>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
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

} // namespace orv
