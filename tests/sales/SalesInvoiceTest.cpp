// Sales invoices as the database posts them, written through the invoice's
// own data class: the customer's open item, sales and VAT at the invoice's
// rate, the delivery's cost relieved into cost of sales, one VAT record per
// line, and a refused invoice leaves nothing.
#include "support/Refusal.h"
#include "support/SalesBook.h"
#include "support/VatStaging.h"
#include "vat/clsVATSetup.h"

using namespace orv;

namespace {

class SalesInvoiceTest : public test::SalesBook {
protected:
    void SetUp() override {
        SalesBook::SetUp();
        ASSERT_EQ(receive({{"A100", 10, "10.5"}, {"B200", 5, "3"}}), QStringLiteral("1"));
        // Order 1: eight anchor bolts at 10 and two brackets at 0.50, VAT 7 %.
        ASSERT_EQ(deliver({{"A100", 8}, {"B200", 2, "0.5", QDate(2010, 6, 5), "2", "0"}}),
                  QStringLiteral("1"));
    }
    void expectRefused(const QString& result, const char* reason,
                       std::source_location at = std::source_location::current()) {
        test::expectRefused(sale, result, clsSale_Entry::kFailureText, QLatin1String(reason), at);
        EXPECT_EQ(count(QStringLiteral("Sales_T")), 0) << "nothing of a refused invoice stays";
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Orders WHERE Order_Kind IS NOT 'DO'")),
                  QStringLiteral("0"));
        EXPECT_EQ(scalar(QStringLiteral("SELECT SUM(Open_Qty) FROM Temp_Stock_T WHERE doc_type = 'DO'")),
                  QString::number(openDelivered));
    }
    int openDelivered = 10;
    QString pickList(const QString& customer) {
        Recordset list = sale.Get_Customer_Order(customer);
        QStringList rows;
        for (list.moveFirst(); !list.eof(); list.moveNext()) {
            QStringList row;
            for (int c = 0; c < 8; ++c)
                row << list.value(c).toString();
            rows << row.join(QLatin1Char('|'));
        }
        return rows.join(QLatin1Char(' '));
    }
    QString owed(const QString& customer) {
        Recordset r = sale.Get_Balance(customer);
        r.moveFirst();
        return r.value(QStringLiteral("outstanding_amt")).isNull() ? QStringLiteral("null")
                                                                   : r.value(0).toString();
    }
};

} // namespace

TEST_F(SalesInvoiceTest, AnInvoiceBillsDeliveredLinesIntoTheCustomersOpenItem) {
    EXPECT_EQ(owed(QStringLiteral("Acme Trading")), QStringLiteral("null"));
    ASSERT_EQ(invoice({{"A100", 1, 4}}), QStringLiteral("2")) << "one numbering for orders and invoices";

    // 4 x 10 = 40.00 and 7 % VAT 2.80; cost relieved: half of 84.00.
    EXPECT_EQ(balance(kCustomer), QStringLiteral("42.80"));
    EXPECT_EQ(balance(kSales), QStringLiteral("-40.00"));
    EXPECT_EQ(balance(kVat), QStringLiteral("-2.80"));
    EXPECT_EQ(balance(kCostOfSales), QStringLiteral("42.00"));
    EXPECT_EQ(balance(kShipped), QStringLiteral("48.00"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(DISTINCT date_dt) FROM Ledger_T WHERE Post_Seq = 'ORD' "
                              "AND Post_No = 2")),
        QStringLiteral("2010-06-20"))
        << "the invoice posts at its order date";
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT group_concat(date_dt || '/' || vat_rate || '/' || Credit_Limit || '/' || "
                  "Rem_Qty || '/' || ((Rem_N + Rem_V) / 10000.0)) FROM Sales_T")),
              QStringLiteral("2010-06-27/7.0/5000/4/42.8"))
        << "the line carries the required date and the rate per cent";
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(vat_type || '/' || vat_ref || '/' || tran_date || '/' || "
                              "(Amount / 10000.0)) FROM VAT_Control")),
        QStringLiteral("S/2/2010-06-20/-2.8"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Order_Kind FROM Orders WHERE OrderID = 2")),
              QStringLiteral("INV"));
    EXPECT_EQ(owed(QStringLiteral("Acme Trading")), QStringLiteral("42.8"));
    EXPECT_EQ(pickList(QStringLiteral("Acme Trading")),
              QStringLiteral("A100|8|4|1|PO-7|10|1|0.07 B200|2|0|1|PO-7|0.5|2|0"));

    // The rest, and the zero-rated brackets: the shipped account is back at nothing.
    ASSERT_EQ(invoice({{"A100", 1, 4}, {"B200", 1, 2, "0.5", "2", "0"}}), QStringLiteral("3"));
    EXPECT_EQ(balance(kShipped), QStringLiteral("0.00"));
    EXPECT_EQ(balance(kCostOfSales), QStringLiteral("90.00"));
    EXPECT_EQ(count(QStringLiteral("VAT_Control")), 3) << "a zero-rated line has its record too";
    EXPECT_EQ(pickList(QStringLiteral("Acme Trading")), QString());
    EXPECT_EQ(owed(QStringLiteral("Acme Trading")), QStringLiteral("86.6"));
}

TEST_F(SalesInvoiceTest, AForeignCustomerIsBilledInItsCurrencyAndPostedAtTheRate) {
    ASSERT_EQ(deliver({{"A100", 2, "10"}}, QStringLiteral("B-1"), kForeign), QStringLiteral("2"));
    EXPECT_EQ(pickList(QStringLiteral("Boston Imports")), QStringLiteral("A100|2|0|2|B-1|10|1|0.07"));
    ASSERT_EQ(
        invoice({{"A100", 2, 2, "10", "1", "0.07", "B-1"}},
                {.customer = kForeign, .currency = QStringLiteral("USD"), .rate = QStringLiteral("1.5")}),
        QStringLiteral("3"));
    EXPECT_EQ(balance(kForeign), QStringLiteral("32.10"));
    EXPECT_EQ(balance(kSales), QStringLiteral("-30.00"));
    EXPECT_EQ(balance(kVat), QStringLiteral("-2.10"));
    EXPECT_EQ(owed(QStringLiteral("Boston Imports")), QStringLiteral("21.4")) << "owed in dollars";
}

TEST_F(SalesInvoiceTest, ALineThatBillsWhatWasNotDeliveredIsRefused) {
    ASSERT_EQ(deliver({{"A100", 1}}, QStringLiteral("B-1"), kForeign), QStringLiteral("2"));
    openDelivered = 11;
    const struct {
        Billed line;
        const char* reason;
    } cases[] = {
        {{"A100", 1, 9}, "Sales_T: billed quantity exceeds delivered quantity"},
        {{"A100", 1, 0}, "Sales_T: quantity not above 0"},
        {{"A100", 1, 1, "-1"}, "Sales_T: unit price negative"},
        {{"A100", 2, 1}, "Sales_T: no such delivery line of the customer"}, // the foreign customer's
        {{"A100", 7, 1}, "Sales_T: no such delivery line of the customer"},
        {{"P300", 1, 1}, "Sales_T: no such delivery line of the customer"},
        {{"A100", 1, 1, "10", "2", "0.07"}, "Sales_T: VAT code or rate differs from the delivery line's"},
        {{"A100", 1, 1, "10", "1", "0.05"}, "Sales_T: VAT code or rate differs from the delivery line's"},
    };
    for (const auto& c : cases)
        expectRefused(invoice({c.line}), c.reason);
    // Billed twice in one invoice: the second line finds nothing left.
    expectRefused(
        invoice({{"A100", 1, 5}, {"B200", 1, 1, "0.5", "2", "0"}, {"A100", 1, 4, "10", "1", "0.07", "PO-8"}}),
        "Sales_T: billed quantity exceeds delivered quantity");
}

TEST_F(SalesInvoiceTest, AnInvoiceIsRefusedForACurrencyOrRateItsCustomerCannotHave) {
    const struct {
        test::SaleNote note;
        const char* reason;
    } cases[] = {
        {{.currency = QStringLiteral("USD")}, "Sales_T: currency differs from the customer's"},
        {{.rate = QStringLiteral("0")}, "Sales_T: rate missing or not above 0"},
        {{.rate = QString()}, "Sales_T: rate missing or not above 0"},
        {{.rate = QStringLiteral("1.5")}, "Sales_T: a local customer's rate must be 1"},
    };
    for (const auto& c : cases)
        expectRefused(invoice({{"A100", 1, 1}}, c.note), c.reason);
}

TEST_F(SalesInvoiceTest, AVatCodeWithRecordsKeepsItsControlAccount) {
    ASSERT_EQ(invoice({{"A100", 1, 1}}), QStringLiteral("2"));
    clsVATSetup setup;
    test::expectRefused(
        setup,
        setup.Update_Order(
            test::vatStaging(test::vatCode(1, QStringLiteral("Standard Rated"), QStringLiteral("7"), 2000))),
        clsVATSetup::kFailed.update,
        QStringLiteral("Temp_VAT: VAT code or control account of a code with transaction history"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT VAT_Control FROM VAT_T WHERE VAT_Code = 1")),
              QStringLiteral("2200"));
}
