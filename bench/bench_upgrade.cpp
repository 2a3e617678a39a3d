// Opening a company file written before the account balances were kept: the
// upgrades work out every balance and the ledger's size from the postings and
// index the references, while the program shows that it is busy. Timed on a copy of the generated
// book (see BenchBook.h) put back into that older form. Run:
//   build/bin/bench_upgrade
#include "BenchBook.h"
#include "db/CompanyDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using orv::db::CompanyDatabase;

void BM_UpgradeToKeptBalances(benchmark::State& state) {
    const QString book = orv::bench::generatedBook(orv::bench::requestedPostings());
    std::int64_t ticks = 0;
    double silence = 0; // the longest wait for the progress, in ms, through the close
    std::chrono::steady_clock::time_point last;
    const auto tick = [&] {
        const auto now = std::chrono::steady_clock::now();
        silence = std::max(silence, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        ++ticks;
    };
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("orvan.sqlite"));
        if (!QFile::copy(book, path))
            state.SkipWithError("the generated book could not be copied");
        CompanyDatabase::setPath(path);
        // The book as the program before the balances left it.
        CompanyDatabase::exec(QStringLiteral(
            "DROP TRIGGER Ledger_T_balance_update; "
            "DROP TRIGGER Ledger_T_balance_delete; DROP TABLE Ledger_Balance_T; "
            "DROP INDEX Ledger_Acct; CREATE INDEX Ledger_Acct ON Ledger_T (GL_ID, Year_SI, Amount_NU); "
            "DROP TRIGGER Ledger_T_limit_update; "
            "DROP TRIGGER Ledger_T_size_update; "
            "DROP TRIGGER Ledger_T_size_delete; DROP TABLE Ledger_Size_T; "
            "PRAGMA user_version = 1"));
        CompanyDatabase::closeConnection();
        CompanyDatabase::setUpgradeProgress(tick);
        state.ResumeTiming();

        last = std::chrono::steady_clock::now();
        CompanyDatabase::handle();
        CompanyDatabase::setUpgradeProgress({});
        CompanyDatabase::closeConnection();
        tick();
    }
    // How often the progress window could have been repainted.
    state.counters["progress_calls"] = benchmark::Counter(double(ticks), benchmark::Counter::kAvgIterations);
    state.counters["longest_silence_ms"] = silence;
}
BENCHMARK(BM_UpgradeToKeptBalances)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
