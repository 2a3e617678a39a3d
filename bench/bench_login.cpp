// The first thing the clerk waits for: from the program opening the company
// file to the login window on screen, on an empty book and on a generated one
// (see BenchBook.h). Each iteration opens a fresh copy of the book, so the
// file is read cold by the program, if not by the disk. Run:
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
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("orvan.sqlite"));
        if (!book.isEmpty() && !QFile::copy(book, path))
            state.SkipWithError("the generated book could not be copied");
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
