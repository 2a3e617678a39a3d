// The purchase invoice on the generated purchase book (generatedPurchaseBook),
// with durable commits: a 20-line invoice through clsPurInv.Send_Order and the
// list of received lines the invoice reads when the clerk picks a supplier
// with a thousand of them to bill. Run:
//   build/bin/bench_purchases
#include "BenchBook.h"
#include "BenchTiming.h"
#include "PurchaseBenchBook.h"
#include "db/CompanyDatabase.h"
#include "purchases/clsPurInv.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <utility>

namespace {

using namespace orv;

void BM_PostTwentyLinePurchaseInvoice(benchmark::State& state) {
    auto dir = bench::openCopy(state, bench::generatedPurchaseBook(bench::requestedPostings()));
    clsPurInv invoice;
    // Supplier 1's thousand received lines, billed a unit at a time in turn,
    // each invoice under a number of its own.
    const Recordset received = invoice.Get_Customer_Order(bench::benchSupplier(1));
    bench::timeWrites(
        state,
        [&](int n) {
            Recordset lines = invoice.newLines();
            for (int i = 0; i < 20; ++i)
                bench::addPurchaseLine(lines, received, (n * 20 + i) % received.recordCount(), 1);
            return std::make_pair(bench::purchaseHeader(invoice, 1, 1000 + n), lines);
        },
        [&](const std::pair<Recordset, Recordset>& input) {
            return invoice.Send_Order(input.first, input.second) != clsPurInv::kFailureText;
        });
    db::CompanyDatabase::closeConnection();
}
BENCHMARK(BM_PostTwentyLinePurchaseInvoice)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(400);

void BM_SupplierOrderList(benchmark::State& state) {
    auto dir = bench::openCopy(state, bench::generatedPurchaseBook(bench::requestedPostings()));
    clsPurInv invoice;
    for (auto _ : state) {
        const Recordset rows = invoice.Get_Customer_Order(bench::benchSupplier(1));
        if (rows.recordCount() != bench::kOpenLinesPerSupplier)
            state.SkipWithError("supplier 1 should have a thousand received lines to bill");
    }
    db::CompanyDatabase::closeConnection();
}
BENCHMARK(BM_SupplierOrderList)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

BENCHMARK_MAIN();
