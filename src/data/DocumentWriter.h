#pragma once

#include "values/Recordset.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace orv {

// What a computed column of a document may read while its row is written:
// the window's header record, the line being written (none on the header and
// the single rows) and the rows saved so far.
class DocumentValues {
public:
    DocumentValues(const Recordset& header, const RowView* line, const Recordset& savedHeader,
                   const std::map<QString, Recordset>& savedRows)
        : m_header(header), m_line(line), m_savedHeader(savedHeader), m_savedRows(savedRows) {}

    Variant header(const QString& field) const { return m_header.value(field); }
    // Empty outside the lines.
    Variant line(const QString& field) const { return m_line ? m_line->value(field) : Variant(); }
    // A column of the header row as saved (its number, once the row is in).
    Variant saved(const QString& column) const { return m_savedHeader.value(column); }
    // A column of a single row as saved, by its table; Empty before it is in.
    Variant saved(const QString& table, const QString& column) const;

private:
    const Recordset& m_header;
    const RowView* m_line;
    const Recordset& m_savedHeader;
    const std::map<QString, Recordset>& m_savedRows;
};

// One column of a document row and where its value comes from: a field of
// the header or of the line, a column of a row as saved (the header's number,
// the link of every line, or a column of a single row), a fixed value, or a
// value computed from all of these. A conditional column is written only
// when its value is not blank (nothing, or a text of blanks): otherwise the
// row leaves it to the table's default.
struct DocColumn {
    enum class From { Header, Line, Saved, Fixed, Computed };
    QString column;
    From from;
    QString field;         // the header or line field, or the saved column
    Variant value = {};    // a fixed value
    QString savedRow = {}; // the single row's table a saved column reads; empty: the header row
    std::function<Variant(const DocumentValues&)> compute = {};
    bool unlessBlank = false;
};

inline DocColumn fromHeader(const QString& column, const QString& field) {
    return {column, DocColumn::From::Header, field};
}
inline DocColumn fromLine(const QString& column, const QString& field) {
    return {column, DocColumn::From::Line, field};
}
inline DocColumn fromSaved(const QString& column, const QString& savedColumn) {
    return {column, DocColumn::From::Saved, savedColumn};
}
// A column of the single row written to `table`, as saved.
inline DocColumn fromSaved(const QString& column, const QString& table, const QString& savedColumn) {
    return {column, DocColumn::From::Saved, savedColumn, {}, table};
}
inline DocColumn fixed(const QString& column, const Variant& value) {
    return {column, DocColumn::From::Fixed, QString(), value};
}
inline DocColumn computed(const QString& column, std::function<Variant(const DocumentValues&)> compute) {
    return {column, DocColumn::From::Computed, QString(), {}, {}, std::move(compute)};
}
// The column written only when its value is not blank.
inline DocColumn whenGiven(DocColumn c) {
    c.unlessBlank = true;
    return c;
}
// The line's field times a whole factor (−1 for a negated amount, 100 for a
// rate as a percentage), exact, in the field's own kind of number; a blank
// field stays blank.
DocColumn scaledLine(const QString& column, const QString& field, std::int64_t factor);

// A row written once per document, between the header and the lines (a cash
// document's bank row).
struct DocRow {
    QString table;
    std::vector<DocColumn> columns;
};

// The header and line records of a posting window's document, as its data
// class declares them: each field by name and type, in the order the line
// grid shows them. A text field holds no more than the column the layout
// writes it into holds (the table's bound, read when a record is built); the
// size declared here counts for a field the layout writes nowhere.
struct DocumentRecords {
    std::vector<FieldInfo> header;
    std::vector<FieldInfo> line;
};

struct DocumentLayout {
    QString headerTable;
    std::vector<DocColumn> header;
    QString lineTable;
    std::vector<DocColumn> line;
    QString number;                // the saved header's column returned as the document's number
    std::vector<DocRow> rows = {}; // in writing order, after the header and before the lines
};

// Writes one document by its layout: the header row, then each single row,
// then one row of the line table per line, each saved before the next is
// added. It runs inside a data class's write, which owns the transaction.
class DocumentWriter {
public:
    // The record set a table's rows are added to ("SELECT * FROM <table> WHERE 1 = 2").
    using OpenTable = std::function<Recordset(const QString& table)>;

    // The longest text each column of a table may hold, by column in lower case.
    using TextWidths = std::function<QHash<QString, int>(const QString& table)>;

    // The fields of the header (or the line) record with the width of every
    // text field the layout writes: the tightest of the columns it goes to.
    static std::vector<FieldInfo> withWidths(std::vector<FieldInfo> fields, const DocumentLayout& layout,
                                             bool header, const TextWidths& widthsOf);
    // Writes the document and returns its number.
    static QString write(const DocumentLayout& layout, const Recordset& header, const Recordset& lines,
                         const OpenTable& openTable);
};

} // namespace orv
