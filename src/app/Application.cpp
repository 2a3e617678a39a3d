#include "Application.h"

#include "data/Connection.h"
#include "frmLogin.h"
#include "uicore/UiServices.h"
#include "values/DataError.h"

#include "db/CompanyDatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace orv {

namespace {

// A terminate, an interrupt or a hang-up (a logout) ends the program the way
// EXIT does: the handler only writes a byte, and the event loop, woken by it,
// stops, so the company file is closed in order. A signal taken while the
// company file opens waits for the file to be whole; one read before the event
// loop runs (while an upgrade shows its progress) ends the program once the
// file is open.
int g_signalSockets[2] = {-1, -1};
bool g_endAsked = false;

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalSockets[0], &byte, 1);
}

void quitOnSignals(QApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(g_signalSockets[1], &byte, 1);
        g_endAsked = true;
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

// Opens the company file. Upgrading an older book can take a while on a large
// one (its account balances are worked out from every posting): after half a
// second a window says so and stays until the book is ready.
void openCompanyFile() {
    QElapsedTimer clock;
    QElapsedTimer lastPaint;
    std::unique_ptr<QProgressDialog> box;
    db::CompanyDatabase::setUpgradeProgress([&] {
        if (!clock.isValid())
            clock.start();
        if (!box && clock.elapsed() >= 500) {
            box = std::make_unique<QProgressDialog>(
                QStringLiteral("Upgrading the company file for this version of Orvanwise..."), QString(), 0,
                0);
            box->setWindowTitle(kAppTitle);
            box->setMinimumDuration(0);
            box->show();
        }
        if (box && (!lastPaint.isValid() || lastPaint.elapsed() >= 50)) {
            lastPaint.start();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    });
    struct Reset {
        ~Reset() { db::CompanyDatabase::setUpgradeProgress({}); }
    } reset;
    Connection connection(kDataClassConnection);
    connection.open();
}

// A book that cannot be written to is announced as soon as that is known: a
// read-only book at once, a damaged one when the page check that runs after
// opening has found it.
void announceFileCondition() {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        if (!db::CompanyDatabase::isOpen() || db::CompanyDatabase::pageCheckDone()) {
            poll->stop();
            poll->deleteLater();
            const QString condition = db::CompanyDatabase::fileCondition();
            if (!condition.isEmpty())
                UiServices::current().message(condition, kAppTitle);
        }
    });
    poll->start(100);
}

} // namespace

int runApplication(int argc, char* argv[]) {
    // Without a graphical session Qt would abort with a message about its
    // platform plugin; say what is missing instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("Orvanwise needs a graphical session: no display was found (DISPLAY is not set).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    quitOnSignals(app);
    try {
        // Connect once, so a new company file exists before the first window.
        openCompanyFile();
    } catch (const DataError& e) {
        UiServices::current().message(
            QStringLiteral("The company file cannot be opened:\n%1").arg(e.message()), kAppTitle);
        return 1;
    }
    if (g_endAsked) {
        db::CompanyDatabase::closeConnection();
        return 0;
    }
    // Between the clerk's posts, the log is folded back into the file, so no
    // post pays for it.
    QTimer idleCheckpoint;
    QObject::connect(&idleCheckpoint, &QTimer::timeout, [] { db::CompanyDatabase::checkpointWhenIdle(); });
    idleCheckpoint.start(3000);
    auto* login = new frmLogin();
    login->load();
    login->show();
    announceFileCondition();
    const int code = QApplication::exec();
    // However the program ends (EXIT, the last window closed, the login's
    // Esc, a signal), the book is closed and its log folded back in.
    db::CompanyDatabase::closeConnection();
    return code;
}

} // namespace orv
