// The profit and loss for the year: the account code as a whole number, and
// today's date closing the report.
#include "DE_GL_Report.h"
#include "GlReportLayouts.h"

namespace orv::reports {

namespace {

ReportLayout build() {
    using C = ReportControl;
    ReportLayout rpt(QStringLiteral("rptPL"), QStringLiteral("PL for the Year"));
    rpt.setDataMember(DE_GL_Report::cmPL);
    rpt.section(SectionKind::ReportHeader, 705)
        .add(C::label(QStringLiteral("PROFIT / (LOSS) FOR THE YEAR"), 1728, 0, 3600).boldSize(11.25));
    rpt.section(SectionKind::PageHeader, 288)
        .add(C::line(0, 0, 7488))
        .add(C::label(QStringLiteral("Acct Code:"), 0, 0, 1290).boldSize(9.75))
        .add(C::label(QStringLiteral("Acct Name:"), 1728, 0, 1290).boldSize(9.75))
        .add(C::label(QStringLiteral("$"), 3744, 0, 1290).centred().boldSize(9.75))
        .add(C::line(0, 288, 7488));
    rpt.section(SectionKind::Detail, 240)
        .add(C::textBox(QStringLiteral("Acct Code"), 0, 0, 1584).withFormat(QStringLiteral("0;(0)")))
        .add(C::textBox(QStringLiteral("Acct Name"), 1728, 0, 1440))
        .add(C::textBox(QStringLiteral("$"), 3744, 0, 1440).money().centred());
    rpt.section(SectionKind::PageFooter, 360);
    rpt.section(SectionKind::ReportFooter, 390)
        .add(C::label(QStringLiteral("%d"), 5904, 0, 1440).boldSize(11.25));
    return rpt;
}

} // namespace

const ReportLayout& rptPL() {
    static const ReportLayout layout = build();
    return layout;
}

} // namespace orv::reports
