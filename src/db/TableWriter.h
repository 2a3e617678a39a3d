#pragma once

#include "values/Recordset.h"

#include <QString>
#include <functional>

struct sqlite3;

namespace orv::db {

// Opens a table for adding rows: the record set has every column of the
// table, and each update() inserts the assigned columns (the database fills
// the rest) and reads the stored row back, identity included; then saved,
// when given, is told the table.
class TableWriter {
public:
    using Saved = std::function<void(const QString& table)>;
    static Recordset open(sqlite3* db, const QString& table, Saved saved = {});
    // Forgets the columns read on a connection about to close.
    static void forget(sqlite3* db);
};

} // namespace orv::db
