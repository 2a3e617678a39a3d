#pragma once

#include "inventory/clsStk_Adj.h"
#include "purchases/clsGRN.h"
#include "values/Recordset.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace orv::bench {

// A generated company file with 2,000 FIFO items and about `moves` stock
// moves over 2008-2012, written the way the clerk writes one: the supplier
// and the items through their staging tables, then goods received notes of
// 20 lines through clsGRN and stock counts of 20 lines through clsStk_Adj
// (seven notes to three counts, each count taking 20 open layers to
// nothing). Kept in the benchmark cache folder like generatedBook(); returns
// the file's path.
QString generatedStockBook(std::int64_t moves, std::uint32_t seed = 1);

// The moves benchmarks ask for: $ORV_BENCH_MOVES, else 500,000.
std::int64_t requestedMoves();

constexpr int kStockItems = 2000;
constexpr int kStockSupplier = 2010;
constexpr int kStockLines = 20;
// The stock item codes: I0000 .. I1999.
QString stockItem(int n);

// The records of the stock documents as their data classes declare them,
// filled the way the windows fill them: a goods received note from the
// book's supplier in its own currency under an order number, and a stock
// count dated `date` against the starter set's stock account (1300) and
// stock adjustments (5100).
Recordset receivedHeader(clsGRN& grn, const QString& po);
void addReceived(Recordset& lines, const QDate& date, const QString& item, int qty, Currency unitCost);
Recordset countHeader(clsStk_Adj& adjustment, const QDate& date);
void addCounted(Recordset& lines, const QString& ref, const QString& item, int qty);

} // namespace orv::bench
