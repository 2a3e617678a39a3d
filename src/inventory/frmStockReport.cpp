#include "frmStockReport.h"

#include "reports/inventory/DE_Stk_Report.h"
#include "reports/inventory/StockReportLayouts.h"

namespace orv {

using reports::DE_Stk_Report;
using Item = ReportItem;

frmStockReport::frmStockReport(QWidget* parent)
    : ReportWindow(QStringLiteral("frmStockReport"), QStringLiteral("Stock Report"), &DE_Stk_Report::shared,
                   parent) {
    // Only the movements read the year; a year of blanks counts as missing.
    const ReportLaunch movements{DE_Stk_Report::cmStock_Movement,
                                 &reports::rptStock_Mvmt,
                                 {{"txtYear", kSpecifyYear, true, true}},
                                 {{"txtYear", kYearBoxName}}};
    build({{{},
            {},
            {{{Item::label("Label1", "Specify a YEAR"), Item::box("txtYear", "2010")}},
             {{Item::button("cmdStock_Mvmt", "Stock Movement", movements),
               Item::button("cmdStock_Age", "Stock Ageing",
                            ReportLaunch{DE_Stk_Report::cmStock_Age, &reports::rptStock_Age, {}, {}}),
               Item::button("cmdStock_Balance", "Stock Balance",
                            ReportLaunch{DE_Stk_Report::cmStock_Bal, &reports::rptStock_Bal, {}, {}})}}}}});
}

} // namespace orv
