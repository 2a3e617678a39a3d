#include "TestBook.h"

#include "data/Connection.h"
#include "db/CompanyDatabase.h"

#include <QFile>

namespace orv::test {

void TestBook::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    db::CompanyDatabase::setPath(bookPath());
    db::CompanyDatabase::setToday(pinnedToday());
}

void TestBook::TearDown() {
    // A test that closed the book at its end is checked as well: the book is
    // opened again for the checks.
    if (!m_skipFileChecks && (db::CompanyDatabase::isOpen() || QFile::exists(bookPath())))
        expectSoundFile();
    db::CompanyDatabase::closeConnection();
    db::CompanyDatabase::setToday(pinnedToday());
}

namespace {

// Each row of a check as a failure; "ok" is SQLite's word for none.
void reportRows(const char* check, Recordset rs, int columns) {
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QString row;
        for (int c = 0; c < columns; ++c)
            row += (c ? QStringLiteral(" | ") : QString()) + rs.value(c).toString();
        if (row != QLatin1String("ok"))
            ADD_FAILURE() << check << ": " << row.toStdString();
    }
}

} // namespace

void TestBook::expectSoundFile() {
    // A write left open by a failed test would hide what it did; end it first.
    if (db::CompanyDatabase::inWrite())
        db::CompanyDatabase::rollbackWrite();
    if (!m_skipBookChecks)
        expectBooksSound();
    reportRows("foreign_key_check", db::CompanyDatabase::execute(QStringLiteral("PRAGMA foreign_key_check")),
               4);
    reportRows("integrity_check", db::CompanyDatabase::execute(QStringLiteral("PRAGMA integrity_check")), 1);
}

void TestBook::expectBooksSound() {
    reportRows("check_invariants", db::CompanyDatabase::execute(QStringLiteral("check_invariants")), 2);
}

QString TestBook::bookPath() const {
    return m_dir.filePath(QStringLiteral("orvan.sqlite"));
}

void TestBook::sql(const QString& text) {
    db::CompanyDatabase::exec(text);
}

QString TestBook::scalar(const QString& query) {
    Recordset rs = db::CompanyDatabase::execute(query);
    if (rs.recordCount() == 0)
        return QString();
    rs.moveFirst();
    return rs.value(0).toString();
}

qint64 TestBook::count(const QString& table) {
    return scalar(QStringLiteral("SELECT count(*) FROM ") + table).toLongLong();
}

} // namespace orv::test
