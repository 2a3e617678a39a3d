// The periodic profit and loss: one line per account with its twelve months
// and the year to date. Everything but the title prints in the report font.
#include "DE_GL_Report.h"
#include "GlReportLayouts.h"

#include <array>

namespace orv::reports {

namespace {

constexpr std::array<int, 12> kPeriodLeft{2304, 3024, 3888, 4752, 5616,  6480,
                                          7344, 8208, 9072, 9936, 10800, 11664};
constexpr std::array<int, 12> kPeriodWidth{720, 720, 720, 855, 720, 720, 855, 855, 720, 720, 855, 870};

QString period(size_t i) {
    return QStringLiteral("Period %1").arg(int(i) + 1, 2, 10, QLatin1Char('0'));
}

ReportLayout build() {
    using C = ReportControl;
    ReportLayout rpt(QStringLiteral("rpt12_YTD"), QStringLiteral("PL 12 MTH YTD"));
    rpt.setDataMember(DE_GL_Report::cm12_YTD);
    rpt.setWidth(13485);
    rpt.section(SectionKind::ReportHeader, 630)
        .add(
            C::label(QStringLiteral("PERIODIC PROFIT / (LOSS) FOR THE YEAR"), 4032, 0, 4905).boldSize(11.25));
    ReportSection& head = rpt.section(SectionKind::PageHeader, 435);
    head.add(C::line(0, 0, 13392))
        .add(C::label(QStringLiteral("Acct Code"), 0, 144, 1008))
        .add(C::label(QStringLiteral("Acct Name"), 1008, 144, 1296));
    ReportSection& detail = rpt.section(SectionKind::Detail, 255);
    detail.add(C::textBox(QStringLiteral("Acct Code"), 0, 0, 855))
        .add(C::textBox(QStringLiteral("Acct Name"), 1008, 0, 1440));
    for (size_t i = 0; i < kPeriodLeft.size(); ++i) {
        head.add(C::label(period(i), kPeriodLeft[i], 144, kPeriodWidth[i]));
        detail.add(C::textBox(period(i), kPeriodLeft[i], 0, kPeriodWidth[i]).money());
    }
    head.add(C::label(QStringLiteral("YTD"), 12528, 144, 855)).add(C::line(0, 432, 13392));
    detail.add(C::textBox(QStringLiteral("Year to Date"), 12384, 0, 1005).money());
    rpt.section(SectionKind::PageFooter, 270);
    rpt.section(SectionKind::ReportFooter, 390).add(C::label(QStringLiteral("%d"), 11808, 144, 1440));
    return rpt;
}

} // namespace

const ReportLayout& rpt12_YTD() {
    static const ReportLayout layout = build();
    return layout;
}

} // namespace orv::reports
