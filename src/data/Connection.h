#pragma once

#include "values/Recordset.h"

#include <QString>
#include <vector>

namespace orv {

// The connection strings the program is written against. All of them reach
// the one company database.
inline const QString kDataClassConnection = QStringLiteral("DSN=orvan;uid=brackwood;pwd=brackwood");
inline const QString kShapeReportConnection =
    QStringLiteral("PROVIDER=MSDataShape;DATA PROVIDER=SQLOLEDB.1;Integrated Security=SSPI;"
                   "Persist Security Info=False;Initial Catalog=orvan;");
inline const QString kReportConnection = QStringLiteral(
    "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial Catalog=orvan;");

enum class CursorLocation { Server = 2, Client = 3 };

// A logical connection to the company database. The process keeps one
// physical connection; opening and closing here is cheap. Closing (or
// destroying) a connection that holds a write rolls the write back.
class Connection {
public:
    Connection() = default;
    explicit Connection(const QString& connectionString) : m_connectionString(connectionString) {}
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void setConnectionString(const QString& s) { m_connectionString = s; }
    const QString& connectionString() const { return m_connectionString; }
    void setCursorLocation(CursorLocation c) { m_cursor = c; }
    CursorLocation cursorLocation() const { return m_cursor; }

    // Throws DataError for an unknown connection string or a company file
    // that cannot be opened or created.
    void open();
    void close();
    bool isOpen() const { return m_open; }

    // Runs a text: a procedure call ("EXEC name 'arg'", a bare procedure
    // name, "{? = CALL dbo.name( ?) }" with params) or plain SQL. Returns the
    // last statement's rows, detached.
    Recordset execute(const QString& text, const std::vector<Variant>& params = {});
    // Opens "SELECT * FROM <table> WHERE 1 = 2" as an updatable table result.
    Recordset openTable(const QString& selectText);

    // One write: BEGIN IMMEDIATE with the work tables emptied; commit runs
    // the database's commit checks first and rolls back when they refuse.
    void beginTrans();
    void commitTrans();
    void rollbackTrans();
    bool inTransaction() const { return m_inTransaction; }

private:
    QString m_connectionString;
    CursorLocation m_cursor = CursorLocation::Server;
    bool m_open = false;
    bool m_inTransaction = false;
    void requireOpen() const;
};

} // namespace orv
