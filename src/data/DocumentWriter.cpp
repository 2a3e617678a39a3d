#include "DocumentWriter.h"

#include "values/Currency.h"
#include "values/DataError.h"

#include <algorithm>

namespace orv {

namespace {

bool isBlankValue(const Variant& v) {
    return v.isBlank() || (v.type() == DataType::Text && v.toString().trimmed().isEmpty());
}

bool isWholeNumber(DataType t) {
    return t == DataType::SmallInt || t == DataType::Integer || t == DataType::BigInt;
}

// The value times a whole factor, exact: whole numbers stay whole, anything
// else is taken as money; nothing stays nothing.
Variant times(const Variant& v, std::int64_t factor) {
    if (v.isBlank())
        return v;
    if (isWholeNumber(v.type())) {
        std::int64_t product = 0;
        if (__builtin_mul_overflow(v.toInt64(), factor, &product))
            throw DataError(QStringLiteral("%1 times %2 is out of range.").arg(v.toString()).arg(factor));
        return Variant(product);
    }
    return Variant(v.toCurrency() * factor);
}

Variant valueOf(const DocColumn& c, const DocumentValues& values) {
    switch (c.from) {
    case DocColumn::From::Header:
        return values.header(c.field);
    case DocColumn::From::Line:
        return values.line(c.field);
    case DocColumn::From::Saved:
        return c.savedRow.isEmpty() ? values.saved(c.field) : values.saved(c.savedRow, c.field);
    case DocColumn::From::Computed:
        return c.compute(values);
    case DocColumn::From::Fixed:
        break;
    }
    return c.value;
}

void writeRow(Recordset& target, const std::vector<DocColumn>& columns, const DocumentValues& values) {
    target.addNew();
    for (const DocColumn& c : columns) {
        const Variant v = valueOf(c, values);
        if (!c.unlessBlank || !isBlankValue(v))
            target.setValue(c.column, v);
    }
    target.update();
}

} // namespace

Variant DocumentValues::saved(const QString& table, const QString& column) const {
    const auto it = m_savedRows.find(table);
    return it == m_savedRows.end() ? Variant() : it->second.value(column);
}

DocColumn scaledLine(const QString& column, const QString& field, std::int64_t factor) {
    return computed(column,
                    [field, factor](const DocumentValues& v) { return times(v.line(field), factor); });
}

std::vector<FieldInfo> DocumentWriter::withWidths(std::vector<FieldInfo> fields, const DocumentLayout& layout,
                                                  bool header, const TextWidths& widthsOf) {
    const DocColumn::From from = header ? DocColumn::From::Header : DocColumn::From::Line;
    std::vector<std::pair<QString, const std::vector<DocColumn>*>> tables{{layout.lineTable, &layout.line}};
    if (header) {
        tables.emplace_back(layout.headerTable, &layout.header);
        for (const DocRow& row : layout.rows)
            tables.emplace_back(row.table, &row.columns);
    }
    for (const auto& [table, columns] : tables) {
        QHash<QString, int> widths;
        bool read = false; // each table is read once, and only when it takes a field
        for (const DocColumn& c : *columns) {
            if (c.from != from)
                continue;
            if (!read) {
                widths = widthsOf(table);
                read = true;
            }
            const int bound = widths.value(c.column.toLower());
            for (FieldInfo& f : fields) {
                if (f.type == DataType::Text && bound > 0 &&
                    f.name.compare(c.field, Qt::CaseInsensitive) == 0)
                    f.size = f.size > 0 ? std::min(f.size, bound) : bound;
            }
        }
    }
    return fields;
}

QString DocumentWriter::write(const DocumentLayout& layout, const Recordset& header, const Recordset& lines,
                              const OpenTable& openTable) {
    Recordset document = openTable(layout.headerTable);
    std::map<QString, Recordset> saved;
    for (const DocRow& row : layout.rows)
        saved.emplace(row.table, openTable(row.table));
    Recordset line = openTable(layout.lineTable);
    // No line is read again: the lines go in together once all are made.
    line.holdRowsUntilSaved();
    // The single rows are looked up only once written.
    std::map<QString, Recordset> written;

    writeRow(document, layout.header, DocumentValues(header, nullptr, document, written));
    for (const DocRow& row : layout.rows) {
        Recordset& target = saved.at(row.table);
        writeRow(target, row.columns, DocumentValues(header, nullptr, document, written));
        written.insert_or_assign(row.table, target);
    }
    for (const RowView row : lines.rows())
        writeRow(line, layout.line, DocumentValues(header, &row, document, written));
    line.saveHeld();
    return document.value(layout.number).toString();
}

} // namespace orv
