// Renders a grouped transaction listing of 10,000 lines (100 accounts of 100
// lines) to a PDF file: grouping, paging and painting, as the preview's
// "Export PDF" does. Reports the peak resident memory of the process.
#include "reports/ReportLayout.h"
#include "reports/ReportPaginator.h"
#include "reports/ReportPainter.h"
#include "reports/ShapeGrouper.h"
#include "reports/ShapeParser.h"

#include "values/Recordset.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace orv;
using namespace orv::reports;

namespace {

const QString kShape = QStringLiteral(" SHAPE {{? = CALL dbo.select_general_ledger_listing( ?, ?, "
                                      "?) }}  AS cmGListing "
                                      "COMPUTE cmGListing, SUM(cmGListing.'Period Dr') AS SumDr, "
                                      "SUM(cmGListing.'Period Cr') AS SumCr BY 'GL_ID'");

Recordset ledger(int lines, int perAccount) {
    std::vector<FieldInfo> fields{{"GL_ID", DataType::Integer, 0},      {"Date", DataType::Date, 0},
                                  {"GL_Name_VC", DataType::Text, 50},   {"Descrip_VC", DataType::Text, 50},
                                  {"Period Dr", DataType::Currency, 0}, {"Period Cr", DataType::Currency, 0}};
    std::vector<std::vector<Variant>> rows;
    rows.reserve(size_t(lines));
    for (int i = 0; i < lines; ++i) {
        const std::int32_t account = 1000 + i / perAccount;
        const bool debit = i % 2 == 0;
        rows.push_back({Variant(account), Variant(QDate(2010, 1, 1).addDays(i % 365)),
                        Variant(QStringLiteral("Account %1").arg(account)),
                        Variant(QStringLiteral("Sales invoice %1 to customer").arg(i)),
                        Variant(Currency::fromRaw(debit ? 1234500 + i * 100 : 0)),
                        Variant(Currency::fromRaw(debit ? 0 : 987600 + i * 100))});
    }
    return Recordset::detached(std::move(fields), std::move(rows));
}

ReportLayout listing() {
    ReportLayout rpt(QStringLiteral("rptGLListing"), QStringLiteral("GL Listing"));
    rpt.setWidth(8700);
    rpt.section(SectionKind::ReportHeader, 45);
    rpt.section(SectionKind::PageHeader, 1035)
        .add(ReportControl::label(QStringLiteral("TRANSACTION LISTING"), 2736, 0, 3165)
                 .centred()
                 .boldSize(9.75))
        .add(ReportControl::line(0, 432, 8640))
        .add(ReportControl::label(QStringLiteral("Date"), 0, 576, 570).boldSize(9.75))
        .add(ReportControl::label(QStringLiteral("Acct Name"), 1008, 576, 1155).boldSize(9.75))
        .add(ReportControl::label(QStringLiteral("Description"), 2592, 576, 1290).boldSize(9.75))
        .add(ReportControl::label(QStringLiteral("Period Dr"), 5328, 576, 1005).boldSize(9.75))
        .add(ReportControl::label(QStringLiteral("Period Cr"), 6768, 576, 1020).boldSize(9.75))
        .add(ReportControl::line(0, 864, 8640));
    rpt.section(SectionKind::GroupHeader, 384)
        .add(ReportControl::label(QStringLiteral("Account Code :"), 0, 0, 1152))
        .add(ReportControl::textBox(QStringLiteral("GL_ID"), 1296, 0, 1440));
    rpt.section(SectionKind::Detail, 345)
        .add(ReportControl::textBox(QStringLiteral("Date"), 0, 0, 720).size(9.75))
        .add(ReportControl::textBox(QStringLiteral("GL_Name_VC"), 1008, 0, 1020).size(9.75))
        .add(ReportControl::textBox(QStringLiteral("Descrip_VC"), 2592, 0, 2160).size(9.75))
        .add(ReportControl::textBox(QStringLiteral("Period Dr"), 5328, 0, 1008).money().size(9.75))
        .add(ReportControl::textBox(QStringLiteral("Period Cr"), 6768, 0, 1005).money().size(9.75));
    rpt.section(SectionKind::GroupFooter, 390)
        .add(ReportControl::line(0, 0, 8640))
        .add(ReportControl::label(QStringLiteral("Balance :"), 4032, 0, 1005).boldSize(9.75))
        .add(ReportControl::textBox(QStringLiteral("SumDr"), 5328, 0, 1008))
        .add(ReportControl::textBox(QStringLiteral("SumCr"), 6768, 0, 1008))
        .add(ReportControl::line(0, 288, 8640));
    rpt.section(SectionKind::PageFooter, 210);
    rpt.section(SectionKind::ReportFooter, 360);
    return rpt;
}

void BM_GroupedListingToPdf(benchmark::State& state) {
    const Recordset rows = ledger(int(state.range(0)), 100);
    const ShapeStatement shape = ShapeParser::parse(kShape);
    const ReportLayout layout = listing();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("listing.pdf"));
    size_t pages = 0;
    for (auto _ : state) {
        const auto grouped = ShapeGrouper::group(shape, ShapedRows::fromRecordset(rows));
        const ReportDocument doc = ReportPaginator::layOut(layout, grouped, {});
        ReportPainter::exportPdf(doc, path);
        pages = size_t(doc.pageCount());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["pages"] = double(pages);
    state.counters["pdf_MB"] = double(QFile(path).size()) / (1024.0 * 1024.0);
    state.counters["peak_RSS_MB"] = double(usage.ru_maxrss) / 1024.0;
}

} // namespace

BENCHMARK(BM_GroupedListingToPdf)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv); // fonts need the gui application
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
