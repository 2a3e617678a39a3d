#include "PurchaseBenchBook.h"

#include "BenchBook.h"
#include "SalesBenchBook.h"
#include "purchases/clsPurInv.h"
#include "ui/RecordFields.h"

#include <QDate>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace orv::bench {

namespace {

constexpr int kBilledNotes = 5;
constexpr int kLinesPerNote = 20;
constexpr int kQtyPerLine = 20;

// A supplier's notes of twenty items each, the items moving on from note to
// note through the bench items.
void receiveNotes(int supplier, int first, int count) {
    for (int k = first; k < first + count; ++k) {
        std::vector<QString> items;
        for (int i = 0; i < kLinesPerNote; ++i)
            items.push_back(benchItem(((supplier * 55 + k) * kLinesPerNote + i) % kBenchItems));
        receiveGoods(benchSupplierAccount(supplier), items, kQtyPerLine, k);
    }
}

void buy() {
    clsPurInv invoice;
    for (int s = 1; s <= kBenchSuppliers; ++s) {
        addBenchSupplier(benchSupplierAccount(s), benchSupplier(s));
        receiveNotes(s, 0, kBilledNotes);
        const Recordset pick = invoice.Get_Customer_Order(benchSupplier(s));
        for (int n = 0; n < kBilledNotes; ++n) {
            Recordset lines = invoice.newLines();
            for (int i = 0; i < kLinesPerNote; ++i)
                addPurchaseLine(lines, pick, n * kLinesPerNote + i, kQtyPerLine);
            if (invoice.Send_Order(purchaseHeader(invoice, s, n + 1), lines) == clsPurInv::kFailureText)
                throw std::runtime_error("a generated purchase invoice was refused: " +
                                         invoice.lastFailureReason().toStdString());
        }
        receiveNotes(s, kBilledNotes, kOpenLinesPerSupplier / kLinesPerNote);
        std::fprintf(stderr, "  %d suppliers\r", s);
    }
}

} // namespace

QString benchSupplier(int n) {
    return QStringLiteral("Bench supplier %1").arg(n);
}
int benchSupplierAccount(int n) {
    return kBenchSupplier + n;
}

Recordset purchaseHeader(clsPurInv& invoice, int supplier, int invNo) {
    Recordset h = invoice.newHeader();
    h.setValue(QStringLiteral("CustomerID"), Variant(QString::number(benchSupplierAccount(supplier))));
    h.setValue(QStringLiteral("EmployeeID"), Variant(kBenchEmployee));
    h.setValue(QStringLiteral("inv_no"), Variant(std::int32_t(invNo)));
    h.setValue(QStringLiteral("Date_dt"), Variant(QDate(2012, 6, 15)));
    return h;
}

void addPurchaseLine(Recordset& lines, const Recordset& pick, int row, int qty) {
    static const char* const kCells[] = {"ProductID", "Qty_GRN",  "Qty_Billed", "GRN_No",   "PO",
                                         "Cur_Type",  "Cur_Rate", "Unit_Price", "VAT_code", "VAT_rate"};
    lines.addNew();
    for (int i = 0; i < 10; ++i)
        assignText(lines, QLatin1String(kCells[i]), pick.valueAt(row, i).toString());
    lines.setValue(QStringLiteral("Description"), Variant(QStringLiteral("bench billing")));
    lines.setValue(QStringLiteral("Qty_to_Bill"), Variant(std::int32_t(qty)));
    lines.update();
}

QString generatedPurchaseBook(std::int64_t postings, std::uint32_t seed) {
    return keptBook(QStringLiteral("purchase-book-%1-seed%2.sqlite").arg(postings).arg(seed),
                    QStringLiteral("purchases on the %1-posting sales book").arg(postings),
                    generatedSalesBook(postings, seed), [](const QString&) { buy(); });
}

} // namespace orv::bench
