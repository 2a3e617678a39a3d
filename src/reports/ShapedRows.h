#pragma once

#include "values/Recordset.h"
#include "values/ValueTable.h"
#include "values/Variant.h"

#include <QString>
#include <memory>
#include <vector>

namespace orv::reports {

// One level of a report result: named, typed columns and rows. At a group
// level each row also holds its child rows, reachable under the child name.
// Immutable once built; levels are shared, not copied.
class ShapedRows {
public:
    using Ptr = std::shared_ptr<const ShapedRows>;

    ShapedRows() = default;
    ShapedRows(std::vector<FieldInfo> fields, const std::vector<std::vector<Variant>>& rows);
    ShapedRows(std::vector<FieldInfo> fields, ValueTable rows);
    // The rows of a procedure's result: copied, or taken from a result no
    // one else reads (which closes it).
    static Ptr fromRecordset(const Recordset& rs);
    static Ptr fromRecordset(Recordset&& rs);

    int columnCount() const { return int(m_fields.size()); }
    const std::vector<FieldInfo>& fields() const { return m_fields; }
    const FieldInfo& field(int column) const { return m_fields.at(size_t(column)); }
    int columnIndex(const QString& name) const; // case-insensitive; -1 when absent
    // Throws DataError naming the column and the level.
    int requireColumn(const QString& name) const;

    int rowCount() const { return m_rows.rowCount(); }
    // Throws std::out_of_range outside the rows and columns.
    Variant value(int row, int column) const { return m_rows.value(row, column); }
    Variant value(int row, const QString& column) const { return value(row, requireColumn(column)); }

    // Group levels: the child name and each row's child rows.
    bool hasChildren() const { return !m_childName.isEmpty(); }
    const QString& childName() const { return m_childName; }
    const Ptr& children(int row) const { return m_children.at(size_t(row)); }
    void setChildren(const QString& childName, std::vector<Ptr> perRow);

    // The rows of the named child level of every row, one after the other
    // (a layout bound to a lower level of a result reads it this way).
    Ptr flattenChild(const QString& childName) const;

private:
    std::vector<FieldInfo> m_fields;
    ValueTable m_rows;
    QString m_childName;
    std::vector<Ptr> m_children;
};

} // namespace orv::reports
