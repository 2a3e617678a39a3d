#pragma once

#include "values/ValueTable.h"
#include "values/Variant.h"

#include <optional>
#include <vector>

struct sqlite3_stmt;
struct sqlite3_value;

namespace orv::db {

// Reads the rows of a statement being stepped into a value table, each
// column by the type it is read as. A column that repeats its value from the
// row before (a document's date over its lines) adds it again without reading
// it, and a text column shares one text of the result for each text it
// repeats (an item's code, the few kinds of a document) while most rows find
// theirs among the texts met, up to a few thousand.
class RowReader {
public:
    // A column without a type takes that of its first value that is not null.
    RowReader(sqlite3_stmt* stmt, std::vector<std::optional<DataType>> types);
    ~RowReader();
    RowReader(const RowReader&) = delete;
    RowReader& operator=(const RowReader&) = delete;

    // Adds the statement's current row.
    void addRow(ValueTable& rows);
    // The type each column is read as; none while every value was null.
    const std::vector<std::optional<DataType>>& types() const { return m_types; }

    // A column's value by the type it is read as: a number by that type when
    // its storage fits it, a date from its text, anything else as stored.
    static Variant value(sqlite3_value* v, std::optional<DataType> type);

private:
    class Repeat;

    sqlite3_stmt* m_stmt;
    std::vector<std::optional<DataType>> m_types;
    std::vector<Repeat> m_repeats; // one for each column
};

} // namespace orv::db
