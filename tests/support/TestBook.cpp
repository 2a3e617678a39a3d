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
    db::CompanyDatabase::closeConnection();
    db::CompanyDatabase::setToday(QDate());
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
