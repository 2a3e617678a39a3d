#include "ShapedRows.h"

#include "values/DataError.h"

namespace orv::reports {

ShapedRows::ShapedRows(std::vector<FieldInfo> fields, std::vector<std::vector<Variant>> rows)
    : m_fields(std::move(fields)), m_rows(std::move(rows)) {}

ShapedRows::Ptr ShapedRows::fromRecordset(const Recordset& rs) {
    std::vector<FieldInfo> fields;
    const int n = rs.fieldCount();
    fields.reserve(size_t(n));
    for (int c = 0; c < n; ++c)
        fields.push_back(rs.field(c));
    std::vector<std::vector<Variant>> rows;
    const int count = rs.recordCount();
    rows.reserve(size_t(count));
    for (int r = 0; r < count; ++r) {
        std::vector<Variant> row;
        row.reserve(size_t(n));
        for (int c = 0; c < n; ++c)
            row.push_back(rs.valueAt(r, c));
        rows.push_back(std::move(row));
    }
    return std::make_shared<ShapedRows>(std::move(fields), std::move(rows));
}

ShapedRows::Ptr ShapedRows::fromRecordset(Recordset&& rs) {
    std::vector<FieldInfo> fields;
    const int n = rs.fieldCount();
    fields.reserve(size_t(n));
    for (int c = 0; c < n; ++c)
        fields.push_back(rs.field(c));
    return std::make_shared<ShapedRows>(std::move(fields), rs.takeRows());
}

int ShapedRows::columnIndex(const QString& name) const {
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int ShapedRows::requireColumn(const QString& name) const {
    const int i = columnIndex(name);
    if (i < 0) {
        QStringList names;
        for (const FieldInfo& f : m_fields)
            names << f.name;
        throw DataError(QStringLiteral("The report's rows have no column \"%1\" (columns: %2).")
                            .arg(name, names.join(QStringLiteral(", "))));
    }
    return i;
}

void ShapedRows::setChildren(const QString& childName, std::vector<Ptr> perRow) {
    if (perRow.size() != m_rows.size())
        throw DataError(QStringLiteral("Child rows do not match the group rows."));
    m_childName = childName;
    m_children = std::move(perRow);
}

ShapedRows::Ptr ShapedRows::flattenChild(const QString& childName) const {
    if (!hasChildren() || m_childName.compare(childName, Qt::CaseInsensitive) != 0)
        throw DataError(QStringLiteral("The report's rows have no child level \"%1\".").arg(childName));
    auto out = std::make_shared<ShapedRows>();
    std::vector<Ptr> grandChildren;
    for (const Ptr& child : m_children) {
        if (out->m_fields.empty())
            out->m_fields = child->m_fields;
        out->m_rows.insert(out->m_rows.end(), child->m_rows.begin(), child->m_rows.end());
        grandChildren.insert(grandChildren.end(), child->m_children.begin(), child->m_children.end());
        if (child->hasChildren())
            out->m_childName = child->m_childName;
    }
    if (!out->m_childName.isEmpty())
        out->m_children = std::move(grandChildren);
    return out;
}

} // namespace orv::reports
