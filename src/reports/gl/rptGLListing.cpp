// The transaction listing: one group per account of the range, its postings
// of the year, and the sums of the debit and credit columns under the group.
#include "DE_GL_Report.h"
#include "GlReportLayouts.h"

namespace orv::reports {

namespace {

ReportLayout build() {
    using C = ReportControl;
    ReportLayout rpt(QStringLiteral("rptGLListing"), QStringLiteral("GL Listing"));
    rpt.setDataMember(DE_GL_Report::cmGListing_Grouping);
    rpt.setWidth(8700);
    rpt.section(SectionKind::ReportHeader, 45);
    rpt.section(SectionKind::PageHeader, 1035)
        .add(C::label(QStringLiteral("TRANSACTION LISTING"), 2736, 0, 3165).centred().boldSize(9.75))
        .add(C::line(0, 432, 8640))
        .add(C::label(QStringLiteral("Date"), 0, 576, 570).boldSize(9.75))
        .add(C::label(QStringLiteral("Acct Name"), 1008, 576, 1155).boldSize(9.75))
        .add(C::label(QStringLiteral("Description"), 2592, 576, 1290).boldSize(9.75))
        .add(C::label(QStringLiteral("Period Dr"), 5328, 576, 1005).boldSize(9.75))
        .add(C::label(QStringLiteral("Period Cr"), 6768, 576, 1020).boldSize(9.75))
        .add(C::line(0, 864, 8640));
    rpt.section(SectionKind::GroupHeader, 384)
        .add(C::label(QStringLiteral("Account Code :"), 0, 0, 1152))
        .add(C::textBox(QStringLiteral("GL_ID"), 1296, 0, 1440).group());
    rpt.section(SectionKind::Detail, 345)
        .add(C::textBox(QStringLiteral("Date"), 0, 0, 720).lineLevel().size(9.75))
        .add(C::textBox(QStringLiteral("GL_Name_VC"), 1008, 0, 1020).lineLevel().size(9.75))
        .add(C::textBox(QStringLiteral("Descrip_VC"), 2592, 0, 2160).lineLevel().size(9.75))
        .add(C::textBox(QStringLiteral("Period Dr"), 5328, 0, 1008).lineLevel().money().size(9.75))
        .add(C::textBox(QStringLiteral("Period Cr"), 6768, 0, 1005).lineLevel().money().size(9.75));
    // The group's sums print unformatted, in the report font.
    rpt.section(SectionKind::GroupFooter, 390)
        .add(C::line(0, 0, 8640))
        .add(C::label(QStringLiteral("Balance :"), 4032, 0, 1005).boldSize(9.75))
        .add(C::textBox(QStringLiteral("SumDr"), 5328, 0, 1008).group())
        .add(C::textBox(QStringLiteral("SumCr"), 6768, 0, 1008).group())
        .add(C::line(0, 288, 8640));
    rpt.section(SectionKind::PageFooter, 210);
    rpt.section(SectionKind::ReportFooter, 360);
    return rpt;
}

} // namespace

const ReportLayout& rptGLListing() {
    static const ReportLayout layout = build();
    return layout;
}

} // namespace orv::reports
