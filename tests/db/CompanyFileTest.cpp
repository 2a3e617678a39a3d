#include "data/Connection.h"
#include "db/CompanyDatabase.h"
#include "support/TestBook.h"
#include "values/DataError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <sqlite3.h>

using namespace orv;

namespace {

class CompanyFileTest : public test::TestBook {
protected:
    void writeFile(const QByteArray& bytes) {
        QFile f(bookPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Every view and trigger of the book with its text.
    QStringList rulesOf() {
        return scalar(QStringLiteral("SELECT group_concat(type || ' ' || name || ': ' || sql, char(10)) FROM "
                                     "(SELECT * FROM sqlite_master WHERE type IN ('view', 'trigger') "
                                     "ORDER BY type, name)"))
            .split(QLatin1Char('\n'));
    }
    QByteArray fileBytes() {
        QFile f(bookPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(CompanyFileTest, FirstConnectionCreatesAValidBookAndReopeningKeepsIt) {
    Connection c(kDataClassConnection);
    c.open();
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA user_version")),
              QString::number(db::CompanyDatabase::kSchemaVersion));
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA foreign_keys")), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA journal_mode")), QStringLiteral("wal"));
    const QString tables = scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    sql(QStringLiteral("CREATE TABLE Marker_X (v TEXT); INSERT INTO Marker_X VALUES ('kept')"));
    c.close();
    db::CompanyDatabase::closeConnection();

    c.open();
    EXPECT_EQ(scalar(QStringLiteral("SELECT v FROM Marker_X")), QStringLiteral("kept"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sqlite_master")).toInt(), tables.toInt() + 1);
}

TEST_F(CompanyFileTest, CommitsStayDurableAndTheLogIsFoldedOnlyOutsideAWrite) {
    Connection c(kDataClassConnection);
    c.open();
    // The page check that follows opening reads beside the program, and the
    // log cannot be folded past what it still reads: it is let finish.
    db::CompanyDatabase::fileCondition(true);
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA synchronous")), QStringLiteral("2")); // FULL
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA cache_size")), QStringLiteral("-65536"));
    sql(QStringLiteral("CREATE TABLE Marker_X (v TEXT); INSERT INTO Marker_X VALUES ('kept')"));
    db::CompanyDatabase::beginWrite();
    sql(QStringLiteral("INSERT INTO Marker_X VALUES ('pending')"));
    EXPECT_FALSE(db::CompanyDatabase::checkpointWhenIdle()) << "the log was folded inside a write";
    db::CompanyDatabase::rollbackWrite();
    EXPECT_TRUE(db::CompanyDatabase::checkpointWhenIdle());
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(v) FROM Marker_X")), QStringLiteral("kept"));
}

TEST_F(CompanyFileTest, AFileThatIsNotABookIsRefusedAndLeftAlone) {
    skipFileChecks(); // the file is no book
    const QByteArray garbage(4096, 'x');
    writeFile(garbage);
    Connection c(kDataClassConnection);
    EXPECT_THROW(c.open(), DataError);
    EXPECT_FALSE(c.isOpen());
    EXPECT_EQ(fileBytes(), garbage);
}

TEST_F(CompanyFileTest, AnotherSqliteFileOrANewerBookIsRefused) {
    skipFileChecks(); // the file ends as no book of this program
    {
        Connection c(kDataClassConnection);
        c.open();
    }
    sql(QStringLiteral("PRAGMA user_version = 99"));
    db::CompanyDatabase::closeConnection();
    Connection c(kDataClassConnection);
    try {
        c.open();
        FAIL() << "a newer book was opened";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("newer version"))) << e.what();
    }

    db::CompanyDatabase::closeConnection();
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(bookPath() + QLatin1String(suffix));
    // a database of some other program: tables, but not a company file
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(bookPath()).constData(), &other), SQLITE_OK);
    sqlite3_exec(other, "CREATE TABLE notes (t TEXT); INSERT INTO notes VALUES ('mine')", nullptr, nullptr,
                 nullptr);
    sqlite3_close(other);
    EXPECT_THROW(c.open(), DataError);
    EXPECT_FALSE(db::CompanyDatabase::isOpen());
}

TEST_F(CompanyFileTest, UnknownConnectionStringsAreRefused) {
    Connection c(QStringLiteral("DSN=elsewhere"));
    EXPECT_THROW(c.open(), DataError);
    Connection report(kShapeReportConnection);
    EXPECT_NO_THROW(report.open());
}

TEST_F(CompanyFileTest, ABookWithAnotherVersionsRulesGetsThisVersionsWhenOpened) {
    Connection c(kDataClassConnection);
    c.open();
    const QStringList fresh = rulesOf();
    ASSERT_GT(fresh.size(), 30);
    // The rules as an earlier program left them: a rule it did not have, one
    // it wrote otherwise, one it had that is gone since, and no fingerprint.
    sql(QStringLiteral("DROP TRIGGER Temp_VAT_apply; DROP VIEW v_Book_Rules; DROP VIEW v_Closing_Doc; "
                       "CREATE VIEW v_Closing_Doc AS SELECT 1 AS DocID; "
                       "CREATE TRIGGER Old_Rule AFTER INSERT ON Temp_VAT BEGIN SELECT 1; END"));
    c.close();
    db::CompanyDatabase::closeConnection();

    c.open();
    EXPECT_EQ(rulesOf(), fresh);
}

TEST_F(CompanyFileTest, ABookWithThisVersionsRulesIsOpenedWithoutWritingThem) {
    Connection c(kDataClassConnection);
    c.open();
    const QString schema = scalar(QStringLiteral("PRAGMA schema_version"));
    c.close();
    db::CompanyDatabase::closeConnection();
    c.open();
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA schema_version")), schema);
}

TEST_F(CompanyFileTest, AnUpgradeThatFailsPartWayLeavesTheBookAsItWas) {
    // A book of version 2: its step to 3 runs, its step to 4 cannot, as the
    // table that step makes is there already.
    sql(QStringLiteral("PRAGMA user_version = 2"));
    db::CompanyDatabase::closeConnection();
    sqlite3* raw = nullptr;
    try {
        db::CompanyDatabase::handle();
        ADD_FAILURE() << "the upgrade ran";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.message().contains(QLatin1String("left exactly as it was")))
            << e.message().toStdString();
    }
    ASSERT_EQ(sqlite3_open(QFile::encodeName(bookPath()).constData(), &raw), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(raw, "PRAGMA user_version", -1, &st, nullptr);
    sqlite3_step(st);
    EXPECT_EQ(sqlite3_column_int(st, 0), 2) << "no step stayed";
    sqlite3_finalize(st);
    // The book as it stands is this version's, for the checks that follow.
    sqlite3_exec(raw,
                 QStringLiteral("PRAGMA user_version = %1")
                     .arg(db::CompanyDatabase::kSchemaVersion)
                     .toUtf8()
                     .constData(),
                 nullptr, nullptr, nullptr);
    sqlite3_close(raw);
}

// Each book version has one upgrade step: two steps numbered alike would
// leave one of them unrun on every book upgraded past that number.
TEST(BookUpgrades, EveryVersionHasExactlyOneStep) {
    const QStringList files = QDir(QStringLiteral(":/db/migrations")).entryList({QStringLiteral("*.sql")});
    for (int v = 2; v <= db::CompanyDatabase::kSchemaVersion; ++v) {
        const QString prefix = QStringLiteral("%1_").arg(v, 4, 10, QLatin1Char('0'));
        EXPECT_EQ(files.filter(QRegularExpression(QLatin1Char('^') + prefix)).size(), 1)
            << prefix.toStdString();
    }
    EXPECT_EQ(files.size(), db::CompanyDatabase::kSchemaVersion - 1) << "no step beyond this version";
}
