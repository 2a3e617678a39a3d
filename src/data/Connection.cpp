#include "Connection.h"

#include "db/CompanyDatabase.h"
#include "values/DataError.h"

namespace orv {

Connection::~Connection() {
    close();
}

void Connection::open() {
    if (m_open)
        throw DataError(QStringLiteral("The connection is already open"));
    if (m_connectionString != kDataClassConnection && m_connectionString != kShapeReportConnection &&
        m_connectionString != kReportConnection)
        throw DataError(QStringLiteral("Unknown data source: %1").arg(m_connectionString));
    db::CompanyDatabase::handle(); // creates or checks the company file
    m_open = true;
}

void Connection::close() {
    if (!m_open)
        return;
    if (m_inTransaction)
        rollbackTrans();
    m_open = false;
    // A report's reads leave the pages they brought in; the report's rows
    // are what it keeps.
    if (m_connectionString != kDataClassConnection)
        db::CompanyDatabase::releaseReadPages();
}

Recordset Connection::execute(const QString& text, const std::vector<Variant>& params) {
    requireOpen();
    return db::CompanyDatabase::execute(text, params);
}

Recordset Connection::openTable(const QString& selectText) {
    requireOpen();
    return db::CompanyDatabase::openTable(selectText);
}

void Connection::beginTrans() {
    requireOpen();
    db::CompanyDatabase::beginWrite();
    m_inTransaction = true;
}

void Connection::commitTrans() {
    requireOpen();
    if (!m_inTransaction)
        throw DataError(QStringLiteral("No write is under way"));
    m_inTransaction = false; // a refused commit has rolled back already
    db::CompanyDatabase::commitWrite();
}

void Connection::rollbackTrans() {
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    db::CompanyDatabase::rollbackWrite();
}

void Connection::requireOpen() const {
    if (!m_open)
        throw DataError(QStringLiteral("The connection is closed"));
}

} // namespace orv
