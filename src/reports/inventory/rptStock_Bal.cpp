// The stock balance: the quantity on hand of every item, under a framed title.
#include "DE_Stk_Report.h"
#include "StockReportLayouts.h"

namespace orv::reports {

namespace {

ReportLayout build() {
    using C = ReportControl;
    ReportLayout rpt(QStringLiteral("rptStock_Bal"), QStringLiteral("Stock Balance"));
    rpt.setDataMember(DE_Stk_Report::cmStock_Bal);
    rpt.setWidth(4500);
    rpt.section(SectionKind::ReportHeader, 360)
        .add(C::shape(720, 0, 2160, 285))
        .add(C::label(QStringLiteral("STOCK BALANCE"), 1008, 0, 1875).boldSize(9.75));
    rpt.section(SectionKind::PageHeader, 495)
        .add(C::line(0, 0, 4320))
        .add(C::label(QStringLiteral("Item Code"), 0, 144, 1440).boldSize(9.75))
        .add(C::label(QStringLiteral("Qty Balance"), 2016, 144, 1290).boldSize(9.75))
        .add(C::line(0, 432, 4320));
    rpt.section(SectionKind::Detail, 384)
        .add(C::textBox(QStringLiteral("pdt_id_vc"), 0, 0, 1440).size(9.75))
        .add(C::textBox(QStringLiteral("balance"), 2016, 0, 1152).withFormat(QStringLiteral("0")).size(9.75));
    rpt.section(SectionKind::PageFooter, 360);
    rpt.section(SectionKind::ReportFooter, 360);
    return rpt;
}

} // namespace

const ReportLayout& rptStock_Bal() {
    static const ReportLayout layout = build();
    return layout;
}

} // namespace orv::reports
