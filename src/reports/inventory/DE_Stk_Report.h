#pragma once

#include "reports/ReportDataSource.h"

namespace orv::reports {

// The stock report data source (connection conStock, without grouping): the
// ageing, the balances and the year's movements of the "Stock Report"
// window. Each window has its own, made on the first press that needs it.
class DE_Stk_Report : public ReportDataSource {
public:
    static inline const QString cmStock_Age = QStringLiteral("cmStock_Age");
    static inline const QString cmStock_Bal = QStringLiteral("cmStock_Bal");
    static inline const QString cmStock_Movement = QStringLiteral("cmStock_Movement");

    DE_Stk_Report();
};

} // namespace orv::reports
