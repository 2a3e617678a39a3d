// The trial balance: every account with its debit or credit balance, and the
// totals of the two columns once, after the last account.
#include "DE_GL_Report.h"
#include "GlReportLayouts.h"

namespace orv::reports {

namespace {

ReportLayout build() {
    using C = ReportControl;
    ReportLayout rpt(QStringLiteral("rptCOA"), QStringLiteral("Trial Balance"));
    rpt.setDataMember(DE_GL_Report::TB_Bal);
    rpt.setWidth(7515);
    rpt.section(SectionKind::ReportHeader, 360)
        .add(C::label(QStringLiteral("TRIAL BALANCE"), 2160, 0, 2880).centred().boldSize(11.25));
    rpt.section(SectionKind::PageHeader, 510)
        .add(C::line(0, 144, 7200))
        .add(C::label(QStringLiteral("Acct Code:"), 0, 144, 1290).boldSize(9.75))
        .add(C::label(QStringLiteral("Acct Name:"), 1728, 144, 1290).boldSize(9.75))
        .add(C::label(QStringLiteral("Debit Bal:"), 4320, 144, 1290).centred().boldSize(9.75))
        .add(C::label(QStringLiteral("Credit Bal:"), 5904, 144, 1305).centred().boldSize(9.75))
        .add(C::line(0, 432, 7200));
    rpt.section(SectionKind::GroupHeader, 345);
    rpt.section(SectionKind::Detail, 285)
        .add(C::textBox(QStringLiteral("Acct Code"), 0, 0, 1440).lineLevel().size(9.75))
        .add(C::textBox(QStringLiteral("Acct Name"), 1728, 0, 1440).lineLevel().size(9.75))
        .add(C::textBox(QStringLiteral("Debit Bal"), 4320, 0, 1440).lineLevel().money().centred().size(9.75))
        .add(
            C::textBox(QStringLiteral("Credit Bal"), 5904, 0, 1440).lineLevel().money().centred().size(9.75));
    rpt.section(SectionKind::GroupFooter, 450)
        .add(C::line(4320, 0, 1440))
        .add(C::line(5904, 0, 1296))
        .add(C::textBox(QStringLiteral("Debit"), 4320, 144, 1290).group().money().centred().size(9.75))
        .add(C::textBox(QStringLiteral("Credit"), 5904, 144, 1290).group().money().centred().size(9.75))
        .add(C::line(4320, 432, 1440))
        .add(C::line(5904, 432, 1296));
    rpt.section(SectionKind::PageFooter, 375);
    rpt.section(SectionKind::ReportFooter, 360);
    return rpt;
}

} // namespace

const ReportLayout& rptCOA() {
    static const ReportLayout layout = build();
    return layout;
}

} // namespace orv::reports
