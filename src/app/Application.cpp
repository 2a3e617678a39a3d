#include "Application.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "frmLogin.h"
#include "reports/ReportServices.h"
#include "ui/UiServices.h"

#include <QApplication>

namespace orv {

int runApplication(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // Report windows' messages go through the same ui services as every other box.
    reports::ReportServices::setMessageHook([](const QString& text) { UiServices::current().message(text); });
    try {
        // Connect once, so a new company file exists before the first window.
        Connection connection(kDataClassConnection);
        connection.open();
    } catch (const DataError& e) {
        UiServices::current().message(
            QStringLiteral("The company file cannot be opened:\n%1").arg(e.message()), kAppTitle);
        return 1;
    }
    auto* login = new frmLogin();
    login->load();
    login->show();
    return QApplication::exec();
}

} // namespace orv
