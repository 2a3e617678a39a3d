// One journal of 20 lines written through clsGLEntry.Send_Order on a company
// file: header, lines, postings, commit checks and a durable commit. The book
// grows by one journal per iteration. Run:
//   build/bin/bench_gl_journal
#include "data/Connection.h"
#include "db/CompanyDatabase.h"
#include "gl/clsGLEntry.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

orv::Recordset journalLines(const QDate& date) {
    orv::Recordset lines;
    lines.appendField(QStringLiteral("GL_ID"), orv::DataType::Integer);
    lines.appendField(QStringLiteral("GL_Name"), orv::DataType::Text, 20);
    lines.appendField(QStringLiteral("Amount"), orv::DataType::Currency);
    lines.appendField(QStringLiteral("Descrip"), orv::DataType::Text, 50);
    lines.appendField(QStringLiteral("Date"), orv::DataType::Date);
    lines.appendField(QStringLiteral("Period"), orv::DataType::SmallInt);
    lines.appendField(QStringLiteral("Year"), orv::DataType::SmallInt);
    lines.open();
    const int accounts[] = {1010, 1500, 2000, 2500, 6000, 6100, 6200, 6300, 6400, 4100};
    for (int i = 0; i < 20; ++i) {
        lines.addNew();
        const std::int64_t cents = (i % 2 == 0 ? 1 : -1) * (12345 + 100 * (i / 2));
        lines.setValue(QStringLiteral("GL_ID"), orv::Variant(static_cast<std::int32_t>(accounts[i / 2])));
        lines.setValue(QStringLiteral("Amount"), orv::Variant(orv::Currency::fromRaw(cents * 100)));
        lines.setValue(QStringLiteral("Descrip"), orv::Variant(QStringLiteral("bench line %1").arg(i)));
        lines.setValue(QStringLiteral("Date"), orv::Variant(date));
        lines.setValue(QStringLiteral("Period"), orv::Variant(static_cast<std::int32_t>(date.month())));
        lines.setValue(QStringLiteral("Year"), orv::Variant(static_cast<std::int32_t>(date.year())));
        lines.update();
    }
    return lines;
}

void BM_PostTwentyLineJournal(benchmark::State& state) {
    QTemporaryDir dir;
    // On a copy of a generated book when ORV_BENCH_BOOK names one (tools/bench.sh).
    const QString book = qEnvironmentVariable("ORV_BENCH_BOOK");
    if (!book.isEmpty() && !QFile::copy(book, dir.filePath(QStringLiteral("bench.sqlite"))))
        state.SkipWithError("the generated book could not be copied");
    orv::db::CompanyDatabase::setPath(dir.filePath(QStringLiteral("bench.sqlite")));
    orv::db::CompanyDatabase::exec(
        QStringLiteral("INSERT OR IGNORE INTO Employees (LastName, FirstName) VALUES ('Tan', 'Mary')"));
    orv::Recordset header;
    header.appendField(QStringLiteral("EmployeeID"), orv::DataType::BigInt);
    header.open();
    header.addNew();
    header.setValue(QStringLiteral("EmployeeID"), orv::Variant(std::int64_t{1}));
    const orv::Recordset lines = journalLines(QDate(2010, 6, 15));
    orv::clsGLEntry gl;
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const QString number = gl.Send_Order(header, lines);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        ms.push_back(took.count() * 1000.0);
        if (number == orv::clsGLEntry::kFailureText)
            state.SkipWithError("the journal was refused");
        benchmark::DoNotOptimize(number);
    }
    // The clerk feels the slow posts: the median and the tail, in ms.
    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double q) { return ms.empty() ? 0.0 : ms[std::size_t(q * double(ms.size() - 1))]; };
    state.counters["p50_ms"] = at(0.50);
    state.counters["p95_ms"] = at(0.95);
    state.counters["p99_ms"] = at(0.99);
    orv::db::CompanyDatabase::closeConnection();
}
BENCHMARK(BM_PostTwentyLineJournal)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(400);

} // namespace

BENCHMARK_MAIN();
