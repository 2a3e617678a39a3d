#include "../FuzzTargets.h"
#include "Input.h"
#include "reports/ShapeGrouper.h"
#include "reports/ShapeParser.h"
#include "values/DataError.h"

#include <QStringList>

namespace orv::fuzz {

using namespace orv::reports;

namespace {

// Every column a statement reads at the bottom: its keys and summed columns,
// at every level.
void columnsOf(const ShapeStatement& st, QStringList& keys, QStringList& sums) {
    for (const QString& k : st.keys)
        if (!keys.contains(k, Qt::CaseInsensitive))
            keys << k;
    for (const ComputeItem& item : st.items)
        if (item.kind == ComputeItem::Kind::Sum && !sums.contains(item.column, Qt::CaseInsensitive))
            sums << item.column;
    if (st.inner)
        columnsOf(*st.inner, keys, sums);
}

Variant value(Input& in, DataType type) {
    const std::uint8_t pick = in.byte();
    if (pick % 7 == 0)
        return Variant::null();
    switch (type) {
    case DataType::Integer:
        return Variant(static_cast<std::int32_t>(in.int64()));
    case DataType::BigInt:
        return Variant(in.int64());
    case DataType::Currency:
        return Variant(Currency::fromRaw(in.int64()));
    case DataType::Double:
        return Variant(static_cast<double>(in.int64()) / 3.0);
    default:
        return Variant(QString::number(pick % 5));
    }
}

} // namespace

// The statement text, then (after a NUL) the rows' types and values.
void shapeStatement(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    ShapeStatement st;
    try {
        st = ShapeParser::parse(in.text());
    } catch (const DataError&) {
        return;
    }
    QStringList keys;
    QStringList sums;
    columnsOf(st, keys, sums);
    static const DataType kTypes[] = {DataType::Text, DataType::Integer, DataType::BigInt, DataType::Currency,
                                      DataType::Double};
    std::vector<FieldInfo> fields;
    for (const QString& k : keys)
        fields.push_back({k, kTypes[in.byte() % 3], 0});
    for (const QString& s : sums)
        if (!keys.contains(s, Qt::CaseInsensitive))
            fields.push_back({s, kTypes[in.byte() % 5], 0});
    std::vector<std::vector<Variant>> rows(in.byte() % 9);
    for (auto& row : rows)
        for (const FieldInfo& f : fields)
            row.push_back(value(in, f.type));
    const int count = static_cast<int>(rows.size());
    ShapedRows::Ptr groups;
    try {
        groups = ShapeGrouper::group(st, std::make_shared<ShapedRows>(fields, std::move(rows)));
    } catch (const DataError&) {
        return;
    }
    require(groups != nullptr, "no groups");
    if (!st.inner && groups->hasChildren()) {
        int children = 0;
        for (int r = 0; r < groups->rowCount(); ++r)
            children += groups->children(r)->rowCount();
        require(children == count, "the groups do not hold every row once");
        require(st.keys.isEmpty() ? groups->rowCount() == 1 : groups->rowCount() <= count,
                "more groups than rows");
    }
}

} // namespace orv::fuzz
