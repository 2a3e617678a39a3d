#include "ReportServices.h"

#include "data/DataError.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

namespace orv::reports {

namespace {

struct Hooks {
    ReportServices::MessageHook message;
    ReportServices::SaveFileHook saveFile;
    ReportServices::PrinterHook printer;
    ReportServices::ProgressHook progress;
};

// Qt's progress dialog, shown only once the work has run half a second; it
// also keeps the program painting while the work runs.
class DialogProgress : public ReportProgress {
public:
    DialogProgress(QWidget* parent, const QString& label, int total)
        : m_dialog(label, QStringLiteral("Cancel"), 0, total,
                   parent ? parent : QApplication::activeWindow()) {
        m_dialog.setWindowTitle(QCoreApplication::applicationName());
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.setMinimumDuration(500);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~DialogProgress() override { QApplication::restoreOverrideCursor(); }
    bool advance(int done) override {
        // The dialog is told a few times a second: telling it every row
        // would cost more than the work.
        if (!m_told.isValid() || m_told.elapsed() >= 50) {
            m_dialog.setValue(done);
            m_told.start();
        }
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
    QElapsedTimer m_told;
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
void ReportServices::setProgressHook(ProgressHook hook) {
    hooks().progress = std::move(hook);
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

std::unique_ptr<ReportProgress> ReportServices::beginProgress(QWidget* parent, const QString& label,
                                                              int total) {
    if (hooks().progress)
        return hooks().progress(parent, label, total);
    return std::make_unique<DialogProgress>(parent, label, total);
}

QString ReportServices::describe(const std::exception& e) {
    if (const auto* d = dynamic_cast<const DataError*>(&e))
        return d->message();
    return QString::fromUtf8(e.what());
}

} // namespace orv::reports
