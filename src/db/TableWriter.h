#pragma once

#include "values/Recordset.h"

#include <QString>

struct sqlite3;

namespace orv::db {

// Opens a table for adding rows: the record set has every column of the
// table, and each update() inserts the assigned columns (the database fills
// the rest) and reads the stored row back, identity included.
class TableWriter {
public:
    static Recordset open(sqlite3* db, const QString& table);
};

} // namespace orv::db
