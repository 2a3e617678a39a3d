// The sales documents on the generated sales book (generatedSalesBook), with
// durable commits: a 20-line invoice through clsSale_Entry.Send_Order, a
// 20-line delivery order through clsDO_Entry.Send_Order whose FIFO lines each
// issue from five layers, and the two lists the invoice reads when the clerk
// picks a customer. Run:
//   build/bin/bench_sales
#include "BenchBook.h"
#include "BenchTiming.h"
#include "SalesBenchBook.h"
#include "db/CompanyDatabase.h"
#include "sales/clsDO_Entry.h"
#include "sales/clsSale_Entry.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace orv;

void BM_PostTwentyLineInvoice(benchmark::State& state) {
    auto dir = bench::openCopy(state, bench::generatedSalesBook(bench::requestedPostings()));
    clsSale_Entry sale;
    // Customer 1's thousand delivered lines, billed a unit at a time in turn.
    const Recordset delivered = sale.Get_Customer_Order(bench::benchCustomer(1));
    const Recordset header = bench::benchOrderHeader(sale.newHeader(), 1);
    bench::timeWrites(
        state,
        [&](int n) {
            Recordset lines = sale.newLines();
            for (int i = 0; i < 20; ++i) {
                const int row = (n * 20 + i) % delivered.recordCount();
                bench::addInvoiceLine(lines, delivered.valueAt(row, 0).toString(),
                                      delivered.valueAt(row, 3).toInt64(), 1);
            }
            return lines;
        },
        [&](const Recordset& lines) {
            return sale.Send_Order(header, lines) != clsSale_Entry::kFailureText;
        });
    db::CompanyDatabase::closeConnection();
}
BENCHMARK(BM_PostTwentyLineInvoice)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(400);

void BM_PostTwentyLineDelivery(benchmark::State& state) {
    auto dir = bench::openCopy(state, bench::generatedSalesBook(bench::requestedPostings()));
    clsDO_Entry delivery;
    const Recordset header = bench::benchOrderHeader(delivery.newHeader(), 2);
    // The deep items hold a hundred layers of two: ten units take five layers.
    bench::timeWrites(
        state,
        [&](int n) {
            Recordset lines = delivery.newLines();
            for (int i = 0; i < 20; ++i)
                bench::addDeliveryLine(lines, bench::benchItem((n * 20 + i) % bench::kDeepItems), 10);
            return lines;
        },
        [&](const Recordset& lines) {
            return delivery.Send_Order(header, lines) != clsDO_Entry::kFailureText;
        });
    db::CompanyDatabase::closeConnection();
}
BENCHMARK(BM_PostTwentyLineDelivery)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(100);

void BM_CustomerOrderList(benchmark::State& state) {
    auto dir = bench::openCopy(state, bench::generatedSalesBook(bench::requestedPostings()));
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
    auto dir = bench::openCopy(state, bench::generatedSalesBook(bench::requestedPostings()));
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
