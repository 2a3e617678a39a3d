#include "ShapedRows.h"

#include "values/DataError.h"

namespace orv::reports {

ShapedRows::ShapedRows(std::vector<FieldInfo> fields, const std::vector<std::vector<Variant>>& rows)
    : m_fields(std::move(fields)), m_rows(ValueTable::fromRows(int(m_fields.size()), rows)) {}

ShapedRows::ShapedRows(std::vector<FieldInfo> fields, ValueTable rows)
    : m_fields(std::move(fields)), m_rows(std::move(rows)) {
    if (m_rows.width() != int(m_fields.size()))
        throw DataError(QStringLiteral("The report's rows do not match their columns."));
}

ShapedRows::Ptr ShapedRows::fromRecordset(const Recordset& rs) {
    std::vector<FieldInfo> fields;
    const int n = rs.fieldCount();
    fields.reserve(size_t(n));
    for (int c = 0; c < n; ++c)
        fields.push_back(rs.field(c));
    ValueTable rows(n);
    const int count = rs.recordCount();
    for (int r = 0; r < count; ++r) {
        for (int c = 0; c < n; ++c)
            rows.add(rs.valueAt(r, c));
        rows.endRow();
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
    if (perRow.size() != size_t(m_rows.rowCount()))
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
        if (out->m_fields.empty()) {
            out->m_fields = child->m_fields;
            out->m_rows = ValueTable(child->m_rows.width());
        }
        out->m_rows.append(child->m_rows);
        grandChildren.insert(grandChildren.end(), child->m_children.begin(), child->m_children.end());
        if (child->hasChildren())
            out->m_childName = child->m_childName;
    }
    if (!out->m_childName.isEmpty())
        out->m_children = std::move(grandChildren);
    return out;
}

} // namespace orv::reports
