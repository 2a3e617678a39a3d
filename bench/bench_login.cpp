// The first thing the clerk waits for: from the program opening the company
// file to the login window on screen, on an empty book and on a generated one
// (see BenchBook.h). Run:
//   QT_QPA_PLATFORM=offscreen build/bin/bench_login
#include "BenchBook.h"
#include "app/frmLogin.h"
#include "data/Connection.h"
#include "db/CompanyDatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void loginOn(benchmark::State& state, const QString& book) {
    // One copy of the book, opened afresh by every iteration; a new book is
    // created afresh each time, as on the first start.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvan.sqlite"));
    if (!book.isEmpty() && !QFile::copy(book, path))
        state.SkipWithError("the generated book could not be copied");
    for (auto _ : state) {
        state.PauseTiming();
        if (book.isEmpty())
            QFile::remove(path);
        orv::db::CompanyDatabase::setPath(path);
        state.ResumeTiming();

        orv::Connection connection(orv::kDataClassConnection);
        connection.open();
        auto* login = new orv::frmLogin();
        login->load();
        login->show();
        if (!QTest::qWaitForWindowExposed(login))
            state.SkipWithError("the login window never showed");

        state.PauseTiming();
        delete login;
        orv::db::CompanyDatabase::closeConnection();
        state.ResumeTiming();
    }
}

void BM_LoginEmptyBook(benchmark::State& state) {
    loginOn(state, QString());
}
BENCHMARK(BM_LoginEmptyBook)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_LoginGeneratedBook(benchmark::State& state) {
    loginOn(state, orv::bench::generatedBook(orv::bench::requestedPostings()));
}
BENCHMARK(BM_LoginGeneratedBook)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
