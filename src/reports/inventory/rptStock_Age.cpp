// The stock ageing: each open layer's quantity and unit price, its value in
// the column of its age, and today's date at the foot of every page.
#include "DE_Stk_Report.h"
#include "StockReportLayouts.h"

namespace orv::reports {

namespace {

ReportLayout build() {
    using C = ReportControl;
    ReportLayout rpt(QStringLiteral("rptStock_Age"), QStringLiteral("Stock Ageing Report"));
    rpt.setDataMember(DE_Stk_Report::cmStock_Age);
    rpt.setWidth(9315);
    rpt.section(SectionKind::ReportHeader, 360)
        .add(C::label(QStringLiteral("STOCK AGEING"), 3888, 0, 1584).boldSize(9.75));
    rpt.section(SectionKind::PageHeader, 585)
        .add(C::line(0, 0, 9216))
        .add(C::label(QStringLiteral("Date"), 0, 144, 1008).boldSize(9.75))
        .add(C::label(QStringLiteral("Item Code"), 1296, 144, 1305).boldSize(9.75))
        .add(C::label(QStringLiteral("Qty"), 2736, 144, 576).boldSize(9.75))
        .add(C::label(QStringLiteral("Unit Price"), 3456, 144, 1008).boldSize(9.75))
        .add(C::label(QStringLiteral("0 - 30 DYS"), 4464, 144, 1008).boldSize(9.75))
        .add(C::label(QStringLiteral("31 - 60 DYS"), 5616, 144, 1152).boldSize(9.75))
        .add(C::label(QStringLiteral("61 - 90 DYS"), 6768, 144, 1152).boldSize(9.75))
        .add(C::label(QStringLiteral(" > 90 DYS"), 8064, 144, 1008).boldSize(9.75))
        .add(C::line(0, 432, 9216));
    rpt.section(SectionKind::Detail, 345)
        .add(C::textBox(QStringLiteral("Date"), 0, 0, 1008))
        .add(C::textBox(QStringLiteral("Product Code"), 1296, 0, 1290))
        .add(C::textBox(QStringLiteral("Qty"), 2736, 0, 576))
        .add(C::textBox(QStringLiteral("Unit Price"), 3456, 0, 864).money())
        .add(C::textBox(QStringLiteral("0 - 30 Days"), 4464, 0, 1008).money())
        .add(C::textBox(QStringLiteral("31 - 60 Days"), 5616, 0, 1008).money())
        .add(C::textBox(QStringLiteral("61 - 90 Days"), 6768, 0, 1152).money())
        .add(C::textBox(QStringLiteral(" > 90 Days"), 8064, 0, 1005).money());
    rpt.section(SectionKind::PageFooter, 360).add(C::label(QStringLiteral("%d"), 7632, 0, 1440));
    rpt.section(SectionKind::ReportFooter, 135);
    return rpt;
}

} // namespace

const ReportLayout& rptStock_Age() {
    static const ReportLayout layout = build();
    return layout;
}

} // namespace orv::reports
