// The sales documents on the generated sales book (generatedSalesBook), with
// durable commits: a 20-line invoice through clsSale_Entry.Send_Order, a
// 20-line delivery order through clsDO_Entry.Send_Order whose FIFO lines each
// issue from five layers, and the two lists the invoice reads when the clerk
// picks a customer. Run:
//   build/bin/bench_sales
#include "BenchBook.h"
#include "SalesBenchBook.h"
#include "db/CompanyDatabase.h"
#include "sales/clsDO_Entry.h"
#include "sales/clsSale_Entry.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using namespace orv;

// A copy of the generated sales book for one benchmark, opened.
std::unique_ptr<QTemporaryDir> openCopy(benchmark::State& state) {
    auto dir = std::make_unique<QTemporaryDir>();
    const QString copy = dir->filePath(QStringLiteral("sales.sqlite"));
    if (!QFile::copy(bench::generatedSalesBook(bench::requestedPostings()), copy))
        state.SkipWithError("the generated sales book could not be copied");
    db::CompanyDatabase::setPath(copy);
    return dir;
}

// Times each write; the median and the tail in ms as counters.
template <class Write> void timeWrites(benchmark::State& state, Write write) {
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool written = write(static_cast<int>(ms.size()));
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        ms.push_back(took.count() * 1000.0);
        if (!written)
            state.SkipWithError("the document was refused");
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double q) { return ms.empty() ? 0.0 : ms[std::size_t(q * double(ms.size() - 1))]; };
    state.counters["p50_ms"] = at(0.50);
    state.counters["p99_ms"] = at(0.99);
}

void BM_PostTwentyLineInvoice(benchmark::State& state) {
    auto dir = openCopy(state);
    clsSale_Entry sale;
    // Customer 1's thousand delivered lines, billed a unit at a time in turn.
    const Recordset delivered = sale.Get_Customer_Order(bench::benchCustomer(1));
    const Recordset header = bench::benchOrderHeader(1);
    timeWrites(state, [&](int n) {
        Recordset lines = bench::invoiceLines();
        for (int i = 0; i < 20; ++i) {
            const int row = (n * 20 + i) % delivered.recordCount();
            bench::addInvoiceLine(lines, delivered.valueAt(row, 0).toString(),
                                  delivered.valueAt(row, 3).toInt64(), 1);
        }
        return sale.Send_Order(header, lines) != clsSale_Entry::kFailureText;
    });
    db::CompanyDatabase::closeConnection();
}
BENCHMARK(BM_PostTwentyLineInvoice)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(400);

void BM_PostTwentyLineDelivery(benchmark::State& state) {
    auto dir = openCopy(state);
    clsDO_Entry delivery;
    const Recordset header = bench::benchOrderHeader(2);
    // The deep items hold a hundred layers of two: ten units take five layers.
    timeWrites(state, [&](int n) {
        Recordset lines = bench::deliveryLines();
        for (int i = 0; i < 20; ++i)
            bench::addDeliveryLine(lines, bench::benchItem((n * 20 + i) % bench::kDeepItems), 10);
        return delivery.Send_Order(header, lines) != clsDO_Entry::kFailureText;
    });
    db::CompanyDatabase::closeConnection();
}
BENCHMARK(BM_PostTwentyLineDelivery)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(100);

void BM_CustomerOrderList(benchmark::State& state) {
    auto dir = openCopy(state);
    clsSale_Entry sale;
    for (auto _ : state) {
        const Recordset rows = sale.Get_Customer_Order(bench::benchCustomer(1));
        if (rows.recordCount() != 1000)
            state.SkipWithError("customer 1 should have a thousand lines to bill");
    }
    db::CompanyDatabase::closeConnection();
}
BENCHMARK(BM_CustomerOrderList)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_CustomerBalance(benchmark::State& state) {
    auto dir = openCopy(state);
    clsSale_Entry sale;
    for (auto _ : state) {
        const Recordset rows = sale.Get_Balance(bench::benchCustomer(0));
        benchmark::DoNotOptimize(rows.recordCount());
    }
    db::CompanyDatabase::closeConnection();
}
BENCHMARK(BM_CustomerBalance)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

BENCHMARK_MAIN();
