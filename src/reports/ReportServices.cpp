#include "ReportServices.h"

#include "values/DataError.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace orv::reports {

namespace {

struct Hooks {
    ReportServices::MessageHook message;
    ReportServices::SaveFileHook saveFile;
    ReportServices::PrinterHook printer;
};

Hooks& hooks() {
    static Hooks h;
    return h;
}

} // namespace

void ReportServices::setMessageHook(MessageHook hook) {
    hooks().message = std::move(hook);
}
void ReportServices::setSaveFileHook(SaveFileHook hook) {
    hooks().saveFile = std::move(hook);
}
void ReportServices::setPrinterHook(PrinterHook hook) {
    hooks().printer = std::move(hook);
}
void ReportServices::reset() {
    hooks() = Hooks{};
}

void ReportServices::showMessage(const QString& text) {
    if (hooks().message) {
        hooks().message(text);
        return;
    }
    QMessageBox::information(nullptr, QCoreApplication::applicationName(), text, QMessageBox::Ok);
}

QString ReportServices::askSaveFileName(QWidget* parent, const QString& caption, const QString& suggested) {
    if (hooks().saveFile)
        return hooks().saveFile(parent, caption, suggested);
    return QFileDialog::getSaveFileName(parent, caption, suggested, QStringLiteral("PDF files (*.pdf)"));
}

bool ReportServices::askPrinter(QWidget* parent, QPrinter& printer) {
    if (hooks().printer)
        return hooks().printer(parent, printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString ReportServices::describe(const std::exception& e) {
    if (const auto* d = dynamic_cast<const DataError*>(&e))
        return d->message();
    return QString::fromUtf8(e.what());
}

} // namespace orv::reports
