#include "frmStockReport.h"

#include "reports/inventory/DE_Stk_Report.h"
#include "reports/inventory/StockReportLayouts.h"

namespace orv {

using reports::DE_Stk_Report;
using Item = ReportItem;

frmStockReport::frmStockReport(QWidget* parent)
    : ReportWindow(QStringLiteral("frmStockReport"), qtext(kText["frmStockReport"]),
                   sourceOf<DE_Stk_Report>(), parent) {
    // Only the movements read the year; a year of blanks counts as missing.
    const ReportLaunch movements{DE_Stk_Report::cmStock_Movement,
                                 &reports::rptStock_Mvmt,
                                 {{"txtYear", qtext(kText["SpecifyYear"]), true, true}},
                                 {{"txtYear", qtext(kText["YearBoxName"])}}};
    build({{{},
            {},
            {{{Item::label(kText.entry("Label1")), Item::box(kText.entry("txtYear"))}},
             {{Item::button(kText.entry("cmdStock_Mvmt"), movements),
               Item::button(kText.entry("cmdStock_Age"),
                            ReportLaunch{DE_Stk_Report::cmStock_Age, &reports::rptStock_Age, {}, {}}),
               Item::button(kText.entry("cmdStock_Balance"),
                            ReportLaunch{DE_Stk_Report::cmStock_Bal, &reports::rptStock_Bal, {}, {}})}}}}});
}

} // namespace orv
