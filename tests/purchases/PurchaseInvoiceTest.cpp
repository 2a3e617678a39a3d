// Purchase invoices as the database posts them, written through the invoice's
// own data class: each line relieves its goods received line from received-
// not-billed at the received value, the supplier's open item and the purchase
// VAT record hold the gross and the VAT, and a refused invoice leaves nothing.
#include "support/PurchaseBook.h"
#include "support/Refusal.h"

using namespace orv;

namespace {

class PurchaseInvoiceTest : public test::PurchaseBook {
protected:
    void expectRefused(const QString& result, const char* reason,
                       std::source_location at = std::source_location::current()) {
        test::expectRefused(invoice, result, clsPurInv::kFailureText, QLatin1String(reason), at);
        EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Document_T WHERE Doc_Kind IS NOT 'GRN'")),
                  QStringLiteral("0"))
            << "nothing of a refused invoice stays";
        EXPECT_EQ(count(QStringLiteral("Purchases_T")), 0);
    }
    QString rows(const QString& query) {
        return scalar(QStringLiteral("SELECT group_concat(x, ' ') FROM (") + query + ")");
    }
};

} // namespace

TEST_F(PurchaseInvoiceTest, EachLineLeavesReceivedNotBilledAtItsReceivedValue) {
    // Goods received in two years bill on one invoice, which posts in its own year.
    ASSERT_EQ(receive({{"A100", 10, "10.5"}}), QStringLiteral("1"));
    ASSERT_EQ(receive({{"B200", 2, "3", QDate(2009, 12, 28)}}, QStringLiteral("PO-0")), QStringLiteral("2"));
    ASSERT_EQ(bill({{"A100", 1, 4}, {"B200", 2, 2}}), QStringLiteral("3"));
    EXPECT_EQ(rows("SELECT DISTINCT Year_SI AS x FROM Ledger_T WHERE Post_No = 3"), QStringLiteral("2010"));

    // 4 x 10.50 + 7% = 44.94, 2 x 3.00 + 7% = 6.42.
    EXPECT_EQ(balance(kSupplier), QStringLiteral("-51.36"));
    EXPECT_EQ(balance(2200), QStringLiteral("3.36"));
    EXPECT_EQ(balance(2100), QStringLiteral("-63.00")) << "six of A100 are still to bill";
    EXPECT_EQ(balance(5000), QStringLiteral("0.00")) << "billed at the received price";
    EXPECT_EQ(
        rows("SELECT (Payable / 10000.0) || '/' || (Open / 10000.0) || '/' || Inv_Date AS x FROM v_AP_Item"),
        QStringLiteral("51.36/51.36/2010-06-20"));
    EXPECT_EQ(rows("SELECT vat_type || vat_ref || ':' || vat_rate || ':' || (Amount / 10000.0) AS x FROM "
                   "VAT_Control"),
              QStringLiteral("P5001:7.0:2.94 P5001:7.0:0.42"));
    // The lines carry the supplier's number, not the posting's; the header no date.
    EXPECT_EQ(
        rows("SELECT qty_to_bill || '/' || (unit_price / 10000.0) || '/' || do_no || '/' || inv_no || '/' "
             "|| vat_rate || '/' || date_dt AS x FROM Purchases_T"),
        QStringLiteral("4/10.5/1/5001/7.0/2010-06-20 2/3.0/2/5001/7.0/2010-06-20"));
    EXPECT_EQ(
        rows("SELECT Doc_Kind || '/' || inv_no || '/' || COALESCE(date_dt, 'none') AS x FROM Document_T "
             "WHERE DocID = 3"),
        QStringLiteral("PI/5001/none"));
    // What is left to bill, as the pick list offers it.
    Recordset left = invoice.Get_Customer_Order(QStringLiteral("harbour supplies"));
    ASSERT_EQ(left.recordCount(), 1) << "a line billed in full is no longer offered";
    QStringList cells;
    for (int i = 0; i < 10; ++i)
        cells << left.value(i).toString();
    EXPECT_EQ(cells.join(QLatin1Char('|')), QStringLiteral("A100|10|4|1|PO-1|SGD|1|10.5|1|0.07"));

    ASSERT_EQ(bill({{"A100", 1, 6}}, {.invNo = QStringLiteral("5002")}), QStringLiteral("4"));
    EXPECT_EQ(balance(2100), QStringLiteral("0.00")) << "every received line billed";
}

TEST_F(PurchaseInvoiceTest, APriceOrRateOtherThanTheReceivedOnesGoesToCostOfSales) {
    receiveFromForeignSupplier(); // 4 x 10 USD at 1.5: 60.00 received
    ASSERT_EQ(bill({{.item = "A100", .grn = 1, .qty = 3, .price = "11", .rate = "1.6", .vatRate = "0"}},
                   {.supplier = QString::number(kForeign), .supplierName = QStringLiteral("Ohio Tools")}),
              QStringLiteral("2"));
    // Nett 33 USD at 1.6 = 52.80; three of four received units relieve 45.00.
    EXPECT_EQ(balance(kForeign), QStringLiteral("-52.80"));
    EXPECT_EQ(balance(2100), QStringLiteral("-15.00"));
    EXPECT_EQ(balance(5000), QStringLiteral("7.80"));
    EXPECT_EQ(rows("SELECT Cur_Type || ' ' || (-Cur_Amount / 10000.0) AS x FROM Ledger_T WHERE Leg = 'ITEM'"),
              QStringLiteral("USD 33.0"));
    EXPECT_EQ(rows("SELECT Amount / 10000.0 AS x FROM VAT_Control"), QStringLiteral("0.0"))
        << "a zero-rated line has its VAT record too";
}

TEST_F(PurchaseInvoiceTest, ASupplierInvoiceNumberIsNewForItsSupplierOnly) {
    receiveFromForeignSupplier();
    ASSERT_EQ(receive({{"B200", 5, "2"}}), QStringLiteral("2"));
    ASSERT_EQ(bill({{"B200", 2, 1}}), QStringLiteral("3"));
    EXPECT_EQ(bill({{"B200", 2, 1}}), clsPurInv::kFailureText);
    EXPECT_EQ(
        DataClass::lastRefusal()->sentence,
        QStringLiteral("The supplier's invoice number 5001 is already in the books for this supplier."));
    EXPECT_EQ(count(QStringLiteral("Purchases_T")), 1);
    EXPECT_EQ(bill({{"A100", 1, 1}},
                   {.supplier = QString::number(kForeign), .supplierName = QStringLiteral("Ohio Tools")}),
              QStringLiteral("4"))
        << "another supplier may use the same number";
}

TEST_F(PurchaseInvoiceTest, ALineThatCannotBillItsReceivedLineIsRefused) {
    addAccount(1200, QStringLiteral("Acme Debtor"));
    addLocalCustomer(1200, QStringLiteral("Acme Trading"));
    receiveFromForeignSupplier(); // note 1: Ohio Tools
    ASSERT_EQ(receive({{"A100", 3, "2"}, {"B200", 1, "2"}}), QStringLiteral("2"));
    const struct {
        std::vector<Billed> lines;
        test::InvoiceHeader inv;
        const char* reason;
    } cases[] = {
        {{{"A100", 2, 4}}, {}, "Purchases_T: quantity above what is not yet billed"},
        {{{"A100", 2, 0}}, {}, "Purchases_T: quantity not above 0"},
        {{{.item = "A100", .grn = 2, .qty = 1, .price = "-1"}}, {}, "Purchases_T: unit price negative"},
        {{{"A100", 1, 1}}, {}, "Purchases_T: no such goods received line of the supplier"}, // Ohio's note
        {{{"C300", 2, 1}}, {}, "Purchases_T: unknown item"},
        {{{.item = "A100", .grn = 2, .qty = 1, .rate = "1.5"}},
         {},
         "Purchases_T: a local supplier's rate must be 1"},
        {{{.item = "A100", .grn = 2, .qty = 1, .rate = "0"}}, {}, "Purchases_T: rate missing or not above 0"},
        {{{.item = "A100", .grn = 2, .qty = 1, .vatRate = "1.01"}},
         {},
         "Purchases_T: VAT rate missing or outside 0 to 100"},
        {{{.item = "A100", .grn = 2, .qty = 1, .vatCode = "99"}}, {}, "Purchases_T: unknown VAT code"},
        {{{"A100", 2, 1}, {"A100", 2, 1}},
         {},
         "Purchases_T: goods received line billed twice on the invoice"},
        {{{"A100", 2, 1}}, {.supplier = QStringLiteral("1200")}, "Purchases_T: supplier unknown"},
        {{{"A100", 2, 1}},
         {.supplier = QString::number(kForeign)},
         "Purchases_T: currency differs from the supplier's"},
    };
    for (const auto& c : cases)
        expectRefused(bill(c.lines, c.inv), c.reason);
}
