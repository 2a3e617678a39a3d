#pragma once

#include "purchases/clsPurInv.h"
#include "values/Recordset.h"

#include <QString>
#include <cstdint>

namespace orv::bench {

// The generated sales book (generatedSalesBook) with purchases on it, written
// through the purchase documents' data classes: 81 more suppliers, each with
// five goods received notes of twenty lines billed in full by five invoices
// through clsPurInv and fifty notes of twenty lines still to bill, so that
// about 100,000 received lines are open for billing (the sales book's own
// supplier holds 19,500 of them), a thousand of each new supplier's. Kept
// in the benchmark cache folder beside the book it starts from.
QString generatedPurchaseBook(std::int64_t postings, std::uint32_t seed = 1);

constexpr int kBenchSuppliers = 81;
QString benchSupplier(int n);    // "Bench supplier <n>", n from 1
int benchSupplierAccount(int n); // its account, 2600 + n
constexpr int kOpenLinesPerSupplier = 1000;

// The purchase invoice's records as clsPurInv declares them (newHeader,
// newLines), filled as the window fills them: the header for a bench
// supplier and its invoice number, dated 15 June 2012; a line billing qty
// units of one row of the supplier's pick list, copied cell by cell as the
// window copies a dropped row.
Recordset purchaseHeader(clsPurInv& invoice, int supplier, int invNo);
void addPurchaseLine(Recordset& lines, const Recordset& pick, int row, int qty);

} // namespace orv::bench
