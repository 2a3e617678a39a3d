// One journal of 20 lines written through clsGLEntry.Send_Order on a company
// file: header, lines, postings, commit checks and a durable commit, in a
// burst of 1,000 (the book grows by one journal per iteration); beside it
// the disk's floor, a one-row commit at the same durability. On a generated
// book (ORV_BENCH_BOOK) also the first post after opening it, and starts
// that open the book, read it and close it. Run:
//   build/bin/bench_gl_journal
#include "BenchBook.h"
#include "data/Connection.h"
#include "db/CompanyDatabase.h"
#include "gl/clsGLEntry.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
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

orv::Recordset journalHeader() {
    orv::Recordset header;
    header.appendField(QStringLiteral("EmployeeID"), orv::DataType::BigInt);
    header.open();
    header.addNew();
    header.setValue(QStringLiteral("EmployeeID"), orv::Variant(std::int64_t{1}));
    return header;
}

// The median, the tail and the worst, in ms.
void countTimes(benchmark::State& state, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double q) { return ms.empty() ? 0.0 : ms[std::size_t(q * double(ms.size() - 1))]; };
    state.counters["p50_ms"] = at(0.50);
    state.counters["p95_ms"] = at(0.95);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = ms.empty() ? 0.0 : ms.back();
}

// A copy of the generated book named by ORV_BENCH_BOOK (tools/bench.sh), or
// a new book, in a folder of its own.
struct BookCopy {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("bench.sqlite"));
    bool ok = true;
    BookCopy() {
        const QString book = qEnvironmentVariable("ORV_BENCH_BOOK");
        orv::db::CompanyDatabase::closeConnection();
        ok = book.isEmpty() || orv::bench::copyBook(book, path);
        orv::db::CompanyDatabase::setPath(path);
        orv::db::CompanyDatabase::exec(
            QStringLiteral("INSERT OR IGNORE INTO Employees (LastName, FirstName) VALUES ('Tan', 'Mary')"));
    }
    ~BookCopy() { orv::db::CompanyDatabase::closeConnection(); }
};

void BM_PostTwentyLineJournal(benchmark::State& state) {
    BookCopy copy;
    if (!copy.ok)
        state.SkipWithError("the generated book could not be copied");
    const orv::Recordset header = journalHeader();
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
    // The clerk feels the slow posts.
    countTimes(state, ms);
}
BENCHMARK(BM_PostTwentyLineJournal)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1000);

// What the disk allows: a one-row commit in write-ahead mode at full
// durability, in the same folder, as often.
void BM_DiskFloor(benchmark::State& state) {
    QTemporaryDir dir;
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(dir.filePath(QStringLiteral("floor.sqlite"))).constData(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL; CREATE TABLE t (v)", nullptr,
                 nullptr, nullptr);
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        sqlite3_exec(db, "INSERT INTO t VALUES (1)", nullptr, nullptr, nullptr);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        ms.push_back(took.count() * 1000.0);
    }
    sqlite3_close(db);
    countTimes(state, ms);
}
BENCHMARK(BM_DiskFloor)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1000);

// The pages a 20-line journal adds to the write-ahead log, each journal on
// its own after the log was emptied (ORV_BENCH_KEEP_LOG names a folder that
// gets a copy of the book and its log, to see which tables they belong to).
void BM_LogPagesPerJournal(benchmark::State& state) {
    BookCopy copy;
    const orv::Recordset header = journalHeader();
    const orv::Recordset lines = journalLines(QDate(2010, 6, 15));
    orv::clsGLEntry gl;
    gl.Send_Order(header, lines); // the first post reads, then the log restarts at every post
    orv::Recordset size = orv::db::CompanyDatabase::execute(QStringLiteral("PRAGMA page_size"));
    size.moveFirst();
    const auto pageSize = size.value(0).toInt64();
    const QString log = copy.path + QStringLiteral("-wal");
    double pages = 0;
    int posts = 0;
    for (auto _ : state) {
        orv::db::CompanyDatabase::closeConnection(); // folds and empties the log
        orv::db::CompanyDatabase::setPath(copy.path);
        orv::db::CompanyDatabase::handle();
        const qint64 before = QFileInfo(log).size();
        gl.Send_Order(header, lines);
        pages += double(QFileInfo(log).size() - std::max<qint64>(before, 32)) / double(pageSize + 24);
        ++posts;
    }
    const QString keep = qEnvironmentVariable("ORV_BENCH_KEEP_LOG");
    if (!keep.isEmpty()) {
        QFile::remove(keep + QStringLiteral("/book.sqlite"));
        QFile::remove(keep + QStringLiteral("/book.sqlite-wal"));
        QFile::copy(copy.path, keep + QStringLiteral("/book.sqlite"));
        QFile::copy(log, keep + QStringLiteral("/book.sqlite-wal"));
    }
    state.counters["pages_per_post"] = posts ? pages / posts : 0;
}
BENCHMARK(BM_LogPagesPerJournal)->Unit(benchmark::kMillisecond)->Iterations(10);

// The first post after the book is opened, while its pages are checked
// beside the program.
void BM_FirstPostAfterOpening(benchmark::State& state) {
    if (qEnvironmentVariable("ORV_BENCH_BOOK").isEmpty()) {
        state.SkipWithError("needs ORV_BENCH_BOOK");
        return;
    }
    BookCopy copy;
    const orv::Recordset header = journalHeader();
    const orv::Recordset lines = journalLines(QDate(2010, 6, 15));
    std::vector<double> ms;
    for (auto _ : state) {
        state.PauseTiming();
        orv::db::CompanyDatabase::closeConnection();
        orv::db::CompanyDatabase::setPath(copy.path);
        orv::db::CompanyDatabase::handle();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        orv::clsGLEntry gl;
        const QString number = gl.Send_Order(header, lines);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        ms.push_back(took.count() * 1000.0);
        if (number == orv::clsGLEntry::kFailureText)
            state.SkipWithError("the journal was refused");
    }
    countTimes(state, ms);
}
BENCHMARK(BM_FirstPostAfterOpening)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

// A start that opens the book, reads the trial balance's rows and closes
// the book at once, while the page check is still reading it.
void BM_OpenReadAndClose(benchmark::State& state) {
    if (qEnvironmentVariable("ORV_BENCH_BOOK").isEmpty()) {
        state.SkipWithError("needs ORV_BENCH_BOOK");
        return;
    }
    BookCopy copy;
    std::vector<double> ms;
    int withinASecond = 0;
    for (auto _ : state) {
        state.PauseTiming();
        orv::db::CompanyDatabase::closeConnection();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        orv::db::CompanyDatabase::setPath(copy.path);
        orv::db::CompanyDatabase::execute(
            QStringLiteral("SELECT GL_ID, SUM(Amount_NU) FROM Ledger_Balance_T GROUP BY GL_ID"));
        orv::db::CompanyDatabase::closeConnection();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        ms.push_back(took.count() * 1000.0);
        withinASecond += took.count() < 1.0 ? 1 : 0;
    }
    countTimes(state, ms);
    state.counters["within_1s"] = withinASecond;
}
BENCHMARK(BM_OpenReadAndClose)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);

} // namespace

BENCHMARK_MAIN();
