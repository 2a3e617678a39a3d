#include "ReportResultSet.h"

#include "values/DataError.h"

namespace orv::reports {

const ShapedRows::Ptr& ReportResultSet::rows() const {
    if (!m_rows)
        throw DataError(QStringLiteral("The result %1 is closed.").arg(m_name));
    return m_rows;
}

} // namespace orv::reports
