#pragma once

#include "ShapedRows.h"

#include <QString>

namespace orv::reports {

// The last result of a command, kept in its data source under
// "rs" + the command's name. Open after a run until closed.
class ReportResultSet {
public:
    explicit ReportResultSet(const QString& name) : m_name(name) {}

    const QString& name() const { return m_name; }
    bool isOpen() const { return m_rows != nullptr; }
    void close() { m_rows.reset(); }
    void open(ShapedRows::Ptr rows) { m_rows = std::move(rows); }
    // The rows of the open result; throws DataError when closed.
    const ShapedRows::Ptr& rows() const;

private:
    QString m_name;
    ShapedRows::Ptr m_rows;
};

} // namespace orv::reports
