// The stock side on a generated book of 2,000 items and 500,000 stock moves
// (ORV_BENCH_MOVES for another size; see StockBook.h): a 20-line goods
// received note and a 20-line stock count posted through their data
// classes, the stock reports run as the Stock Report window runs them, the
// stock adjustment's whole list of one account set and the window opened on
// that set (showing the list's first page), and the ageing written to
// a PDF file as the preview's "Export PDF" writes it (run alone, so that the
// process's peak memory is the export's). Run:
//   build/bin/bench_stock --benchmark_repetitions=5
//   --benchmark_report_aggregates_only=true
#include "BenchBook.h"
#include "StockBook.h"
#include "db/CompanyDatabase.h"
#include "inventory/clsStk_Adj.h"
#include "inventory/frmStkAdj.h"
#include "purchases/clsGRN.h"
#include "reports/ReportLauncher.h"
#include "reports/ReportPaginator.h"
#include "reports/ReportPainter.h"
#include "reports/inventory/DE_Stk_Report.h"
#include "reports/inventory/StockReportLayouts.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <sys/resource.h>

using orv::Currency;
using orv::Recordset;
using orv::Variant;
using orv::db::CompanyDatabase;
using orv::reports::DE_Stk_Report;

namespace {

QString keptBook() {
    static const QString path = orv::bench::generatedStockBook(orv::bench::requestedMoves());
    return path;
}

void openKeptBook() {
    if (CompanyDatabase::path() == keptBook() && CompanyDatabase::isOpen())
        return;
    CompanyDatabase::setPath(keptBook());
    // Reports are timed once the page check that follows opening is done.
    CompanyDatabase::handle();
    CompanyDatabase::fileCondition(true);
}

// A copy of the kept book to post to; it lives as long as the benchmark.
struct BookCopy {
    QTemporaryDir dir;
    bool ok = false;
    BookCopy() {
        const QString path = dir.filePath(QStringLiteral("stock.sqlite"));
        CompanyDatabase::closeConnection();
        ok = orv::bench::copyBook(keptBook(), path);
        CompanyDatabase::setPath(path);
        // Posts are timed once the page check that follows opening is done.
        CompanyDatabase::handle();
        CompanyDatabase::fileCondition(true);
    }
    ~BookCopy() { CompanyDatabase::closeConnection(); }
};

void report(const std::vector<double>& ms, benchmark::State& state) {
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const auto at = [&sorted](double q) {
        return sorted.empty() ? 0.0 : sorted[std::size_t(q * double(sorted.size() - 1))];
    };
    state.counters["p50_ms"] = at(0.50);
    state.counters["p99_ms"] = at(0.99);
}

template <typename Post> void timedPosts(benchmark::State& state, Post post) {
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool written = post();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        ms.push_back(took.count() * 1000.0);
        if (!written) {
            state.SkipWithError("the document was refused");
            break;
        }
    }
    report(ms, state);
}

void BM_PostGoodsReceived(benchmark::State& state) {
    BookCopy copy;
    if (!copy.ok) {
        state.SkipWithError("the generated book could not be copied");
        return;
    }
    orv::clsGRN grn;
    int note = 0;
    timedPosts(state, [&] {
        Recordset header = orv::bench::receivedHeader(grn, QStringLiteral("B-%1").arg(note));
        Recordset lines = grn.newLines();
        for (int i = 0; i < orv::bench::kStockLines; ++i)
            orv::bench::addReceived(lines, QDate(2012, 12, 31),
                                    orv::bench::stockItem((note * 37 + i * 97) % orv::bench::kStockItems), 12,
                                    Currency::fromRaw(2'500'000));
        ++note;
        return grn.Send_Order(header, lines) != orv::clsGRN::kFailureText;
    });
}
BENCHMARK(BM_PostGoodsReceived)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(60);

// Each count takes 20 open layers one unit down.
void BM_PostStockCount(benchmark::State& state) {
    BookCopy copy;
    if (!copy.ok) {
        state.SkipWithError("the generated book could not be copied");
        return;
    }
    Recordset open =
        CompanyDatabase::execute(QStringLiteral("SELECT Layer_Ref, Pdt_ID_VC, Qty_Left FROM Stock_Layer_T "
                                                "WHERE Qty_Left > 1 "
                                                "ORDER BY LayerID DESC LIMIT 4000"));
    open.moveFirst();
    orv::clsStk_Adj adjustment;
    timedPosts(state, [&] {
        Recordset header = orv::bench::countHeader(adjustment, QDate(2012, 12, 31));
        Recordset lines = adjustment.newLines();
        for (int i = 0; i < orv::bench::kStockLines && !open.eof(); ++i, open.moveNext())
            orv::bench::addCounted(lines, open.value(0).toString(), open.value(1).toString(),
                                   static_cast<int>(open.value(2).toInt64() - 1));
        return adjustment.Send_Order(header, lines) != orv::clsStk_Adj::kFailureText;
    });
}
BENCHMARK(BM_PostStockCount)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(60);

void BM_StockReport(benchmark::State& state, const QString& command, std::vector<Variant> inputs) {
    openKeptBook();
    DE_Stk_Report source;
    for (auto _ : state) {
        source.resultSet(command).close();
        source.run(command, inputs);
        const auto rows = source.resultSet(command).rows()->rowCount();
        if (rows == 0)
            state.SkipWithError("the report is empty");
        state.counters["rows"] = double(rows);
    }
}
BENCHMARK_CAPTURE(BM_StockReport, Ageing, DE_Stk_Report::cmStock_Age, {})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_StockReport, MovementOfOneYear, DE_Stk_Report::cmStock_Movement,
                  {Variant(std::int32_t{2010})})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_StockReport, Balance, DE_Stk_Report::cmStock_Bal, {})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The rows the stock adjustment offers for the starter account set.
void BM_StockAdjustmentList(benchmark::State& state) {
    openKeptBook();
    orv::clsStk_Adj adjustment;
    for (auto _ : state) {
        Recordset rows = adjustment.Get_Customer_Order(QStringLiteral("1"));
        state.counters["rows"] = double(rows.recordCount());
    }
}
BENCHMARK(BM_StockAdjustmentList)->Unit(benchmark::kMillisecond)->UseRealTime();

// The stock adjustment window opened and the account set chosen, as the
// clerk starts a count: until the window shows its stock list (a long list
// shows its first rows and reads on as it is scrolled).
void BM_StockAdjustmentWindowOpen(benchmark::State& state) {
    openKeptBook();
    int rows = 0;
    for (auto _ : state) {
        orv::frmStkAdj window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.load();
        window.show();
        const int set = window.cboCompany->findText(QStringLiteral("1"));
        window.cboCompany->setCurrentIndex(set);
        emit window.cboCompany->activated(set);
        QCoreApplication::processEvents();
        rows = window.hfgProducts->rows();
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_StockAdjustmentWindowOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AgeingToPdf(benchmark::State& state) {
    openKeptBook();
    DE_Stk_Report source;
    const orv::reports::ReportLayout& layout = orv::reports::rptStock_Age();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ageing.pdf"));
    int pages = 0;
    int rows = 0;
    for (auto _ : state) {
        source.resultSet(DE_Stk_Report::cmStock_Age).close();
        source.run(DE_Stk_Report::cmStock_Age, {});
        const auto shaped = orv::reports::ReportLauncher::layoutRows(source, layout);
        const orv::reports::ReportDocument doc = orv::reports::ReportPaginator::layOut(layout, shaped, {});
        orv::reports::ReportPainter::exportPdf(doc, path);
        pages = doc.pageCount();
        rows = shaped->rowCount();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["pages"] = pages;
    state.counters["rows"] = rows;
    state.counters["peak_RSS_MB"] = double(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_AgeingToPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv); // fonts need the gui application
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    keptBook();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CompanyDatabase::closeConnection();
    return 0;
}
