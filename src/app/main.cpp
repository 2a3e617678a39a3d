#include "data/Connection.h"
#include "data/DataError.h"
#include "db/CompanyDatabase.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanwise"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    try {
        // The first connection creates the company file with its starter chart.
        orv::Connection connection(orv::kDataClassConnection);
        connection.open();
    } catch (const orv::DataError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Orvanwise"), e.message());
        return 1;
    }
    QMessageBox::information(
        nullptr, QStringLiteral("Orvanwise"),
        QStringLiteral("The company file is ready:\n%1").arg(orv::db::CompanyDatabase::path()));
    return 0;
}
