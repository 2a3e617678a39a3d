// The write protocol's own guards, which no window can reach: each is there
// for a write that went wrong, and must refuse it with its own reason.
#include "db/CompanyDatabase.h"
#include "db/ProcedureCatalog.h"
#include "support/TestBook.h"
#include "values/DataError.h"

#include <QFile>

using namespace orv;
using db::CompanyDatabase;

namespace {

class WriteProtocolTest : public test::TestBook {
protected:
    void SetUp() override {
        TestBook::SetUp();
        employee = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    }
    void header() {
        CompanyDatabase::execute(QStringLiteral("INSERT INTO Document_T (EmployeeID) VALUES (?)"),
                                 {Variant(static_cast<std::int64_t>(employee))});
    }
    // The reason the write was refused with ("" when it was not refused); the
    // write is over either way.
    QString refusal(const std::function<void()>& body) {
        CompanyDatabase::beginWrite();
        try {
            body();
            CompanyDatabase::commitWrite();
        } catch (const DataError& e) {
            CompanyDatabase::rollbackWrite();
            return e.message();
        }
        return QString();
    }

    qint64 employee = 0;
};

} // namespace

TEST_F(WriteProtocolTest, OneWriteHoldsOneDocument) {
    const QString refused = refusal([this] {
        header();
        header();
    });
    EXPECT_TRUE(refused.contains(QLatin1String("Document_T: second header in one transaction")))
        << refused.toStdString();
    // An order is a header too: it cannot join a document's write.
    const QString order = refusal([this] {
        header();
        CompanyDatabase::execute(
            QStringLiteral(
                "INSERT INTO Orders (customerid, EmployeeID, OrderDate) VALUES (1200, ?, '2010-06-15')"),
            {Variant(static_cast<std::int64_t>(employee))});
    });
    EXPECT_TRUE(order.contains(QLatin1String("Orders: second header in one transaction")))
        << order.toStdString();
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
    EXPECT_EQ(count(QStringLiteral("Orders")), 0);
}

TEST_F(WriteProtocolTest, AWriteMixedWithAnotherIsRefusedAtCommit) {
    const QString refused = refusal([this] {
        header();
        sql(QStringLiteral("INSERT INTO Touched_Doc_T VALUES ('DOC', 999, 'JNL')"));
    });
    EXPECT_TRUE(refused.contains(QLatin1String("work tables hold rows of another write")))
        << refused.toStdString();
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
}

// Without its checks a commit would write whatever the write left, unchecked:
// the book refuses to write at all, and refuses to open.
TEST_F(WriteProtocolTest, WithoutItsCommitChecksTheBookWritesNothingAndDoesNotOpen) {
    QFile file(QStringLiteral(":/db/procedures/commit_checks.sql"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString checks = QString::fromUtf8(file.readAll());
    ASSERT_TRUE(db::ProcedureCatalog::remove(QStringLiteral("commit_checks")));

    const QString refused = refusal([this] { header(); });
    CompanyDatabase::closeConnection();
    QString opening;
    try {
        CompanyDatabase::handle();
    } catch (const DataError& e) {
        opening = e.message();
    }
    db::ProcedureCatalog::add(checks);

    EXPECT_TRUE(refused.contains(QLatin1String("commit checks are missing"))) << refused.toStdString();
    EXPECT_TRUE(opening.contains(QLatin1String("commit checks are missing"))) << opening.toStdString();
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
}
