#pragma once

#include "PartyStaging.h"
#include "StockBook.h"
#include "purchases/clsAPSetup.h"
#include "purchases/clsPurInv.h"

#include <optional>

namespace orv::test {

// One line of a purchase invoice: the received line billed and the quantity.
struct BilledLine {
    QString item;
    int grn;
    int qty;
    // Another price or rate than the received line's (the window never
    // offers one; the database takes it).
    std::optional<QString> price = {};
    std::optional<QString> rate = {};
    QString vatRate = QStringLiteral("0.07");
    std::optional<QString> vatCode = {};
};
// The invoice itself: the supplier's number, the supplier, its date.
struct InvoiceHeader {
    QString invNo = QStringLiteral("5001");
    QString supplier = QString(); // empty: the book's supplier
    QDate date = QDate(2010, 6, 20);
    QString supplierName = QStringLiteral("Harbour Supplies");
};

// The purchase invoice's records as its data class declares them, filled the
// way the window fills them: each line copied from the supplier's pick list
// (select_creditor_order), with the quantity and description the clerk types.
class PurchaseBook : public StockBook {
protected:
    using Billed = BilledLine;
    using Invoice = InvoiceHeader;

    static constexpr int kForeign = 2020;

    // A USD supplier, "Ohio Tools", whose goods came in on note 1 at 1.5:
    // four of A100 at 10.00.
    void receiveFromForeignSupplier() {
        addAccount(kForeign, QStringLiteral("Ohio Tools"));
        clsAPSetup setup;
        ASSERT_NE(setup.Send_Order(partyStaging(foreignParty(kForeign, QStringLiteral("Ohio Tools")), true)),
                  clsAPSetup::kFailed.create);
        ASSERT_EQ(receive({{"A100", 4, "10"}}, QStringLiteral("PO-9"),
                          {.supplier = QString::number(kForeign), .currency = "USD", .rate = "1.5"}),
                  QStringLiteral("1"));
    }

    // A purchase invoice; its number, or the data class's failure text.
    QString bill(const std::vector<Billed>& lines, const Invoice& inv = Invoice()) {
        Recordset header = invoice.newHeader();
        assignText(header, QStringLiteral("CustomerID"),
                   inv.supplier.isEmpty() ? QString::number(kSupplier) : inv.supplier);
        assignText(header, QStringLiteral("EmployeeID"), QString::number(employee));
        assignText(header, QStringLiteral("inv_no"), inv.invNo);
        header.setValue(QStringLiteral("Date_dt"), Variant(inv.date));
        Recordset pick = invoice.Get_Customer_Order(inv.supplierName);
        Recordset rows = invoice.newLines();
        for (const Billed& b : lines) {
            rows.addNew();
            for (pick.moveFirst(); !pick.eof(); pick.moveNext())
                if (pick.value(0).toString() == b.item && pick.value(3).toInt64() == b.grn)
                    copyPick(pick, rows);
            // A line the list does not offer (billed in full, another supplier's) as typed.
            assignText(rows, QStringLiteral("ProductID"), b.item);
            assignText(rows, QStringLiteral("GRN_No"), QString::number(b.grn));
            assignText(rows, QStringLiteral("Description"), QStringLiteral("billed ") + b.item);
            assignText(rows, QStringLiteral("Qty_to_Bill"), QString::number(b.qty));
            assignText(rows, QStringLiteral("VAT_rate"), b.vatRate);
            if (b.price)
                assignText(rows, QStringLiteral("Unit_Price"), *b.price);
            if (b.rate)
                assignText(rows, QStringLiteral("Cur_Rate"), *b.rate);
            if (rows.value(QStringLiteral("Cur_Rate")).isBlank())
                assignText(rows, QStringLiteral("Cur_Rate"), QStringLiteral("1"));
            if (b.vatCode)
                assignText(rows, QStringLiteral("VAT_code"), *b.vatCode);
            if (rows.value(QStringLiteral("VAT_code")).isBlank())
                assignText(rows, QStringLiteral("VAT_code"), QStringLiteral("1"));
        }
        const QString result = invoice.Send_Order(header, rows);
        lastReason = invoice.lastFailureReason();
        return result;
    }

    clsPurInv invoice;

private:
    static void copyPick(const Recordset& pick, Recordset& rows) {
        static const char* const kFields[] = {"ProductID", "Qty_GRN",  "Qty_Billed", "GRN_No",   "PO",
                                              "Cur_Type",  "Cur_Rate", "Unit_Price", "VAT_code", "VAT_rate"};
        for (int i = 0; i < 10; ++i)
            assignText(rows, QLatin1String(kFields[i]), pick.value(i).toString());
    }
};

} // namespace orv::test
