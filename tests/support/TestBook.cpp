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

} // namespace orv::test
