// The general-ledger reports, run as the GL Reports window runs them
// (procedure, data layer, grouping), on a generated book of 1,000,000
// postings over five years (ORV_BENCH_POSTINGS for another size; see
// BenchBook.h). tools/bench.sh compares the trial balance with ledger-cli on
// the same book. Run:
//   build/bin/bench_gl_reports --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "BenchBook.h"
#include "db/CompanyDatabase.h"
#include "reports/gl/DE_GL_Report.h"

#include <benchmark/benchmark.h>
#include <cstdio>

using orv::Variant;
using orv::db::CompanyDatabase;
using orv::reports::DE_GL_Report;

namespace {

constexpr int kListedAccount = orv::bench::kFirstBenchAccount;
constexpr int kLastYear = orv::bench::kLastYear;

void openBook() {
    static bool opened = false;
    if (opened)
        return;
    opened = true;
    const QString path = orv::bench::generatedBook(orv::bench::requestedPostings());
    CompanyDatabase::setPath(path);
}

void BM_TrialBalance(benchmark::State& state) {
    openBook();
    DE_GL_Report source;
    for (auto _ : state) {
        source.resultSet(DE_GL_Report::TB_Bal).close();
        source.run(DE_GL_Report::TB_Bal, {Variant(std::int32_t(kLastYear))});
        const auto& rows = source.resultSet(DE_GL_Report::TB_Bal).rows();
        if (rows->value(0, QStringLiteral("Debit")) != rows->value(0, QStringLiteral("Credit")) ||
            rows->children(0)->rowCount() == 0)
            state.SkipWithError("the trial balance is empty or does not balance");
        state.counters["rows"] = rows->children(0)->rowCount();
    }
}
BENCHMARK(BM_TrialBalance)->Unit(benchmark::kMillisecond)->UseRealTime();

// The balance sheets and the profit and loss statements of the last year.
void BM_YearReport(benchmark::State& state, const QString& command) {
    openBook();
    DE_GL_Report source;
    for (auto _ : state) {
        source.resultSet(command).close();
        source.run(command, {Variant(std::int32_t(kLastYear))});
        const auto rows = source.resultSet(command).rows()->rowCount();
        if (rows == 0)
            state.SkipWithError("the report is empty");
        state.counters["rows"] = rows;
    }
}
BENCHMARK_CAPTURE(BM_YearReport, BalanceSheet, DE_GL_Report::cmBS)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_YearReport, BalanceSheetWithoutCodes, DE_GL_Report::cmdBS_NoCode)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_YearReport, ProfitAndLoss, DE_GL_Report::cmPL)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_YearReport, TwelveMonthProfitAndLoss, DE_GL_Report::cm12_YTD)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_OneAccountListing(benchmark::State& state) {
    openBook();
    DE_GL_Report source;
    const std::vector<Variant> inputs{Variant::smallInt(std::int16_t(kLastYear)),
                                      Variant(std::int32_t(kListedAccount)),
                                      Variant(std::int32_t(kListedAccount))};
    for (auto _ : state) {
        source.resultSet(DE_GL_Report::cmGListing_Grouping).close();
        source.run(DE_GL_Report::cmGListing_Grouping, inputs);
        const auto& groups = source.resultSet(DE_GL_Report::cmGListing_Grouping).rows();
        if (groups->rowCount() != 1)
            state.SkipWithError("the listing has no group for the account");
        else
            state.counters["rows"] = groups->children(0)->rowCount();
    }
}
BENCHMARK(BM_OneAccountListing)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CompanyDatabase::closeConnection();
    return 0;
}
