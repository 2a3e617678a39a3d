#pragma once

#include "values/Recordset.h"
#include "values/Variant.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace orv::db {

// The program type a declared SQL type maps to (INTEGER, CURRENCY, REAL,
// DATE, TEXT, BOOLEAN); nullopt when nothing is declared.
std::optional<DataType> typeOfDeclared(const QString& declared);

// One prepared statement. A statement of the program's own fixed texts (row
// inserts, procedure bodies) may be kept prepared for the next use of the same
// text on the same connection: preparing an insert compiles the table's
// triggers, which costs more than running it. Otherwise it is finalized on
// destruction.
class Statement {
public:
    enum class Reuse { Once, Cached };

    Statement(sqlite3* db, const QByteArray& sql, int offset, Reuse reuse = Reuse::Once);
    ~Statement();
    // Finalizes the statements kept for a connection about to close.
    static void finalizeCached(sqlite3* db);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isEmpty() const { return m_stmt == nullptr; } // only blanks or comments
    int tailOffset() const { return m_tail; }
    sqlite3_stmt* get() const { return m_stmt; }

    // Binds a value converted for a column of the given declared type.
    void bind(int index, const Variant& value, std::optional<DataType> declared);
    // Steps once; true while a row is available. Throws DataError.
    bool step();

    int columnCount() const;
    QString columnName(int i) const;
    std::optional<DataType> columnDeclared(int i) const;
    // Reads a column, converted by the given type (declared or dynamic).
    Variant column(int i, std::optional<DataType> type) const;

    // Runs the statement and copies every row into a detached record set.
    Recordset collect(const std::vector<std::optional<DataType>>& resultTypes = {},
                      const std::vector<QString>& resultNames = {});

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    int m_tail = 0;
    bool* m_cachedInUse = nullptr; // set while a kept statement is lent out
};

// The message of the connection's last error.
QString lastErrorText(sqlite3* db);

} // namespace orv::db
