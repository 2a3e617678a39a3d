#include "ReportServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

namespace orv::reports {

namespace {

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

ReportServices::ProgressHook& progressHook() {
    static ReportServices::ProgressHook hook;
    return hook;
}

} // namespace

void ReportServices::setProgressHook(ProgressHook hook) {
    progressHook() = std::move(hook);
}
void ReportServices::reset() {
    progressHook() = nullptr;
}

std::unique_ptr<ReportProgress> ReportServices::beginProgress(QWidget* parent, const QString& label,
                                                              int total) {
    if (progressHook())
        return progressHook()(parent, label, total);
    return std::make_unique<DialogProgress>(parent, label, total);
}

} // namespace orv::reports
