// The balance sheet with account codes: one line per row of the procedure, no totals.
#include "DE_GL_Report.h"
#include "GlReportLayouts.h"

namespace orv::reports {

namespace {

ReportLayout build() {
    using C = ReportControl;
    ReportLayout rpt(QStringLiteral("rptBS"), QStringLiteral("Balance Sheet"));
    rpt.setDataMember(DE_GL_Report::cmBS);
    rpt.setWidth(6912);
    rpt.section(SectionKind::ReportHeader, 690)
        .add(C::label(QStringLiteral("BALANCE SHEET"), 2592, 0, 2304).boldSize(11.25));
    rpt.section(SectionKind::PageHeader, 288)
        .add(C::line(0, 0, 6912))
        .add(C::label(QStringLiteral("Acct Code:"), 0, 0, 1008).boldSize(9.75))
        .add(C::label(QStringLiteral("Acct Name:"), 1440, 0, 1290).boldSize(9.75))
        .add(C::label(QStringLiteral("$"), 3744, 0, 1290).centred().boldSize(9.75))
        .add(C::line(0, 288, 6912));
    rpt.section(SectionKind::Detail, 267)
        .add(C::textBox(QStringLiteral("Acct Code"), 0, 0, 1008).size(9.75))
        .add(C::textBox(QStringLiteral("Acct Name"), 1440, 0, 2016).size(9.75))
        .add(C::textBox(QStringLiteral("$"), 3744, 0, 1305).money().centred().size(9.75));
    rpt.section(SectionKind::PageFooter, 360);
    rpt.section(SectionKind::ReportFooter, 360);
    return rpt;
}

} // namespace

const ReportLayout& rptBS() {
    static const ReportLayout layout = build();
    return layout;
}

} // namespace orv::reports
