#include "DE_Stk_Report.h"

#include "data/Connection.h"

namespace orv::reports {

DE_Stk_Report::DE_Stk_Report()
    : ReportDataSource(QStringLiteral("DE_Stk_Report"), QStringLiteral("conStock"), kReportConnection) {
    addCommand(ReportCommand(cmStock_Age, QStringLiteral("select_stock_ageing"),
                             QStringLiteral("@RETURN_VALUE"), {}));
    addCommand(ReportCommand(cmStock_Bal, QStringLiteral("select_stock_balance"),
                             QStringLiteral("@RETURN_VALUE"), {}));
    addCommand(ReportCommand(cmStock_Movement, QStringLiteral("select_stock_movement"),
                             QStringLiteral("RETURN_VALUE"),
                             {{QStringLiteral("@year"), ParameterType::Integer, 0}}));
}

} // namespace orv::reports
