// The balance sheet without account codes: the title in a frame, one line per
// printed name, the amounts left-aligned.
#include "DE_GL_Report.h"
#include "GlReportLayouts.h"

namespace orv::reports {

namespace {

ReportLayout build() {
    using C = ReportControl;
    ReportLayout rpt(QStringLiteral("rptBS_No_Acctcode"), QStringLiteral("BS Without AcctCode"));
    rpt.setDataMember(DE_GL_Report::cmdBS_NoCode);
    rpt.setWidth(6630);
    rpt.section(SectionKind::ReportHeader, 435)
        .add(C::shape(1872, 0, 2736, 285))
        .add(C::label(QStringLiteral("BALANCE SHEET"), 2304, 0, 2016).boldSize(11.25));
    rpt.section(SectionKind::PageHeader, 510)
        .add(C::line(0, 144, 4464))
        .add(C::label(QStringLiteral("Acct Name"), 144, 144, 1872).boldSize(9.75))
        .add(C::label(QStringLiteral("$"), 2736, 144, 1290).centred().boldSize(9.75))
        .add(C::line(0, 432, 4464));
    rpt.section(SectionKind::Detail, 255)
        .add(C::textBox(QStringLiteral("Acct Name"), 144, 0, 1872).size(9.75))
        .add(C::textBox(QStringLiteral("$"), 2736, 0, 1440).money().size(9.75));
    rpt.section(SectionKind::PageFooter, 189);
    rpt.section(SectionKind::ReportFooter);
    return rpt;
}

} // namespace

const ReportLayout& rptBS_No_Acctcode() {
    static const ReportLayout layout = build();
    return layout;
}

} // namespace orv::reports
