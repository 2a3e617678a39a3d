#include "ReportTestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace orv::reports::test {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "test_reports";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

namespace {

// The application lives from before the first test to after the last.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ensureApplication(); }
    void TearDown() override { delete QApplication::instance(); }
};

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

Recordset ledgerRows(int count, int perAccount) {
    std::vector<FieldInfo> fields{{"GL_ID", DataType::Integer, 0},      {"Date", DataType::Date, 0},
                                  {"GL_Name_VC", DataType::Text, 50},   {"Descrip_VC", DataType::Text, 50},
                                  {"Period Dr", DataType::Currency, 0}, {"Period Cr", DataType::Currency, 0}};
    std::vector<std::vector<Variant>> rows;
    for (int i = 0; i < count; ++i) {
        const std::int32_t account = 1000 + i / perAccount;
        rows.push_back({Variant(account), Variant(QDate(2010, 1, 1).addDays(i % 365)),
                        Variant(QStringLiteral("Account %1").arg(account)),
                        Variant(QStringLiteral("Entry %1").arg(i)),
                        Variant(Currency::fromRaw(12345600 + i * 100)),
                        Variant(Currency::fromRaw(i % 3 == 0 ? -20000000 : 0))});
    }
    return Recordset::detached(std::move(fields), std::move(rows));
}

QString sampleListingShape() {
    return QStringLiteral(" SHAPE {{? = CALL dbo.select_general_ledger_listing( ?, ?, ?) }}  AS cmGListing "
                          "COMPUTE cmGListing, SUM(cmGListing.'Period Dr') AS SumDr, "
                          "SUM(cmGListing.'Period Cr') AS SumCr BY 'GL_ID'");
}

ReportLayout sampleListing() {
    ReportLayout rpt(QStringLiteral("rptSample"), QStringLiteral("Sample Listing"));
    rpt.setDataMember(QStringLiteral("cmGListing_Grouping"));
    rpt.setWidth(8700);
    rpt.section(SectionKind::ReportHeader, 45);
    rpt.section(SectionKind::PageHeader, 1035)
        .add(ReportControl::label(QStringLiteral("SAMPLE LISTING"), 2736, 0, 3165).centred().boldSize(9.75))
        .add(ReportControl::line(0, 432, 8640))
        .add(ReportControl::label(QStringLiteral("Date"), 0, 576, 570).boldSize(9.75))
        .add(ReportControl::label(QStringLiteral("Description"), 2592, 576, 1290).boldSize(9.75))
        .add(ReportControl::label(QStringLiteral("Period Dr"), 5328, 576, 1005).boldSize(9.75))
        .add(ReportControl::line(0, 864, 8640));
    rpt.section(SectionKind::GroupHeader, 384)
        .add(ReportControl::label(QStringLiteral("Account Code :"), 0, 0, 1152))
        .add(ReportControl::textBox(QStringLiteral("GL_ID"), 1296, 0, 1440));
    rpt.section(SectionKind::Detail, 345)
        .add(ReportControl::textBox(QStringLiteral("Date"), 0, 0, 900).withFormat(QStringLiteral("d.MMM.yy")))
        .add(ReportControl::textBox(QStringLiteral("Descrip_VC"), 2592, 0, 2160).size(9.75))
        .add(ReportControl::textBox(QStringLiteral("Period Dr"), 5328, 0, 1008).money().size(9.75))
        .add(ReportControl::textBox(QStringLiteral("Period Cr"), 6768, 0, 1005).money().size(9.75));
    rpt.section(SectionKind::GroupFooter, 390)
        .add(ReportControl::line(0, 0, 8640))
        .add(ReportControl::label(QStringLiteral("Balance :"), 4032, 0, 1005).boldSize(9.75))
        .add(ReportControl::textBox(QStringLiteral("SumDr"), 5328, 0, 1008).money())
        .add(ReportControl::textBox(QStringLiteral("SumCr"), 6768, 0, 1008).money())
        .add(ReportControl::line(0, 288, 8640));
    rpt.section(SectionKind::PageFooter, 210);
    rpt.section(SectionKind::ReportFooter, 360)
        .add(ReportControl::label(QStringLiteral("%d"), 5904, 0, 1440));
    return rpt;
}

} // namespace orv::reports::test
