#include "ShapeGrouper.h"

#include "values/DataError.h"

#include <QHash>

namespace orv::reports {

namespace {

struct Group {
    std::vector<int> rows; // indexes into the child level
};

DataType numericKind(DataType t) {
    switch (t) {
    case DataType::Currency:
    case DataType::Double:
        return t;
    case DataType::Boolean:
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt:
        return DataType::BigInt;
    default:
        return DataType::Empty;
    }
}

// The type of a sum: that of the column, or, where the column's declared
// type says nothing, of its first value.
DataType sumType(const ShapedRows& rows, int column) {
    const FieldInfo& f = rows.field(column);
    DataType kind = numericKind(f.type);
    for (int r = 0; kind == DataType::Empty && r < rows.rowCount(); ++r) {
        const Variant& v = rows.value(r, column);
        if (v.isBlank())
            continue;
        kind = numericKind(v.type());
        if (kind == DataType::Empty)
            throw DataError(QStringLiteral("The column \"%1\" holds %2 and cannot be summed.")
                                .arg(f.name, dataTypeName(v.type())));
    }
    return kind == DataType::Empty ? DataType::Currency : kind;
}

Variant sumOf(const ShapedRows& rows, const std::vector<int>& which, int column, DataType type) {
    bool any = false;
    Currency money;
    double real = 0;
    std::int64_t whole = 0;
    for (int r : which) {
        const Variant& v = rows.value(r, column);
        if (v.isBlank())
            continue;
        any = true;
        if (type == DataType::Currency)
            money += v.toCurrency();
        else if (type == DataType::Double)
            real += v.toDouble();
        else if (__builtin_add_overflow(whole, v.toInt64(), &whole))
            throw DataError(QStringLiteral("The sum of \"%1\" is too large.").arg(rows.field(column).name));
    }
    if (!any)
        return Variant::null();
    if (type == DataType::Currency)
        return Variant(money);
    if (type == DataType::Double)
        return Variant(real);
    return Variant(whole);
}

QString keyText(const ShapedRows& rows, int row, const std::vector<int>& keyColumns) {
    QString text;
    for (int c : keyColumns) {
        const Variant& v = rows.value(row, c);
        text += QString::number(int(v.type())) + u':' + v.toString() + u'\x1f';
    }
    return text;
}

bool sameKeys(const ShapedRows& rows, int a, int b, const std::vector<int>& keyColumns) {
    for (int c : keyColumns) {
        if (!(rows.value(a, c) == rows.value(b, c)))
            return false;
    }
    return true;
}

std::vector<Group> formGroups(const ShapedRows& rows, const std::vector<int>& keyColumns) {
    std::vector<Group> groups;
    if (keyColumns.empty()) {
        groups.emplace_back();
        for (int r = 0; r < rows.rowCount(); ++r)
            groups.front().rows.push_back(r);
        return groups;
    }
    QHash<QString, std::vector<int>> byKey; // key text -> candidate groups
    for (int r = 0; r < rows.rowCount(); ++r) {
        std::vector<int>& candidates = byKey[keyText(rows, r, keyColumns)];
        int found = -1;
        for (int g : candidates) {
            if (sameKeys(rows, groups[size_t(g)].rows.front(), r, keyColumns)) {
                found = g;
                break;
            }
        }
        if (found < 0) {
            found = int(groups.size());
            groups.emplace_back();
            candidates.push_back(found);
        }
        groups[size_t(found)].rows.push_back(r);
    }
    return groups;
}

ShapedRows::Ptr subset(const ShapedRows& rows, const std::vector<int>& which) {
    std::vector<std::vector<Variant>> out;
    out.reserve(which.size());
    std::vector<ShapedRows::Ptr> children;
    for (int r : which) {
        std::vector<Variant> row;
        row.reserve(size_t(rows.columnCount()));
        for (int c = 0; c < rows.columnCount(); ++c)
            row.push_back(rows.value(r, c));
        out.push_back(std::move(row));
        if (rows.hasChildren())
            children.push_back(rows.children(r));
    }
    auto level = std::make_shared<ShapedRows>(rows.fields(), std::move(out));
    if (rows.hasChildren())
        level->setChildren(rows.childName(), std::move(children));
    return level;
}

} // namespace

ShapedRows::Ptr ShapeGrouper::group(const ShapeStatement& st, const ShapedRows::Ptr& procedureRows) {
    const ShapedRows::Ptr childRows = st.inner ? group(*st.inner, procedureRows) : procedureRows;
    const ShapedRows& rows = *childRows;

    std::vector<FieldInfo> fields;
    std::vector<int> keyColumns;
    for (const QString& key : st.keys) {
        keyColumns.push_back(rows.requireColumn(key));
        fields.push_back(rows.field(keyColumns.back()));
    }
    std::vector<int> sumColumns;
    std::vector<DataType> sumTypes;
    for (const ComputeItem& item : st.items) {
        if (item.kind != ComputeItem::Kind::Sum)
            continue;
        sumColumns.push_back(rows.requireColumn(item.column));
        sumTypes.push_back(sumType(rows, sumColumns.back()));
        fields.push_back(FieldInfo{item.alias, sumTypes.back(), 0});
    }

    const std::vector<Group> groups = formGroups(rows, keyColumns);
    std::vector<std::vector<Variant>> out;
    std::vector<ShapedRows::Ptr> children;
    out.reserve(groups.size());
    children.reserve(groups.size());
    for (const Group& g : groups) {
        std::vector<Variant> row;
        row.reserve(fields.size());
        for (int c : keyColumns)
            row.push_back(rows.value(g.rows.front(), c));
        for (size_t i = 0; i < sumColumns.size(); ++i)
            row.push_back(sumOf(rows, g.rows, sumColumns[i], sumTypes[i]));
        out.push_back(std::move(row));
        children.push_back(subset(rows, g.rows));
    }
    auto level = std::make_shared<ShapedRows>(std::move(fields), std::move(out));
    level->setChildren(st.childName, std::move(children));
    return level;
}

} // namespace orv::reports
