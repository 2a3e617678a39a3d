#include "TestBook.h"

#include "data/Connection.h"
#include "db/CompanyDatabase.h"

namespace orv::test {

void TestBook::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    db::CompanyDatabase::setPath(bookPath());
    db::CompanyDatabase::setToday(pinnedToday());
}

void TestBook::TearDown() {
    if (db::CompanyDatabase::isOpen() && !m_skipBookChecks)
        expectSoundFile();
    db::CompanyDatabase::closeConnection();
    db::CompanyDatabase::setToday(QDate());
}

void TestBook::expectSoundFile() {
    // A write left open by a failed test would hide what it did; end it first.
    if (db::CompanyDatabase::inWrite())
        db::CompanyDatabase::rollbackWrite();
    const auto report = [](const char* check, Recordset rs, int columns) {
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            QString row;
            for (int c = 0; c < columns; ++c)
                row += (c ? QStringLiteral(" | ") : QString()) + rs.value(c).toString();
            if (row != QLatin1String("ok"))
                ADD_FAILURE() << check << ": " << row.toStdString();
        }
    };
    report("check_invariants", db::CompanyDatabase::execute(QStringLiteral("check_invariants")), 2);
    report("foreign_key_check", db::CompanyDatabase::execute(QStringLiteral("PRAGMA foreign_key_check")), 4);
    report("integrity_check", db::CompanyDatabase::execute(QStringLiteral("PRAGMA integrity_check")), 1);
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

qint64 TestBook::addEmployee(const QString& last, const QString& first) {
    db::CompanyDatabase::beginWrite();
    try {
        db::CompanyDatabase::execute(
            QStringLiteral("INSERT INTO Temp_Employees (LastName, FirstName, HireDate, BirthDate, Address, "
                           "HomePhone, Function_type) VALUES (?, ?, '2009-03-01', '1980-07-21', '3 Hill St', "
                           "'61112222', 'C')"),
            {Variant(last), Variant(first)});
        db::CompanyDatabase::commitWrite();
    } catch (...) {
        db::CompanyDatabase::rollbackWrite();
        throw;
    }
    Recordset rs = db::CompanyDatabase::execute(
        QStringLiteral("SELECT EmployeeID FROM Employees WHERE LastName = ? AND FirstName = ?"),
        {Variant(last), Variant(first)});
    rs.moveFirst();
    return rs.value(0).toInt64();
}

} // namespace orv::test
