// Delivery orders as the database posts them, written through the order's
// own data class: stock leaves at cost into the shipped-not-billed account,
// each line waits for the invoice, and a refused order leaves nothing.
#include "support/Refusal.h"
#include "support/SalesBook.h"

using namespace orv;

namespace {

class DeliveryOrderTest : public test::SalesBook {
protected:
    void expectRefused(const QString& result, const char* reason,
                       std::source_location at = std::source_location::current()) {
        test::expectRefused(delivery, result, clsDO_Entry::kFailureText, QLatin1String(reason), at);
        EXPECT_EQ(count(QStringLiteral("Orders")), 0) << "nothing of a refused order stays";
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Temp_Stock_T WHERE doc_type = 'DO'")),
                  QStringLiteral("0"));
    }
};

} // namespace

TEST_F(DeliveryOrderTest, StockLeavesAtCostAndWaitsForTheInvoice) {
    ASSERT_EQ(receive({{"A100", 10, "10.5"}}), QStringLiteral("1"));
    ASSERT_EQ(receive({{"A100", 5, "20"}, {"P300", 3, "1.005"}}), QStringLiteral("2"));
    // FIFO: ten at 10.50 and two of the later layer at 20; AVEG: one third of 3.02.
    const QString number = deliver({{"A100", 12, "30", QDate(2010, 6, 3)}, {"P300", 1}});
    ASSERT_EQ(number, QStringLiteral("1"));

    EXPECT_EQ(onHand(QStringLiteral("A100")), QStringLiteral("3/60.00"));
    EXPECT_EQ(onHand(QStringLiteral("P300")), QStringLiteral("2/2.01"));
    EXPECT_EQ(balance(kShipped), QStringLiteral("145.00"));
    EXPECT_EQ(balance(kAvegShipped), QStringLiteral("1.01"));
    EXPECT_EQ(balance(1300), QStringLiteral("60.00"));
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT group_concat(Doc_No_VC || '/' || Order_No || '/' || PO || '/' || date_dt || '/' || "
                  "Open_Qty || '/' || (Open_Value / 10000.0) || '/' || Clear_GL, ' ') FROM Temp_Stock_T "
                  "WHERE doc_type = 'DO'")),
              QStringLiteral("1/1/PO-7/2010-06-03/12/145.0/1310 1/1/PO-7/2010-06-05/1/1.01/1330"))
        << "each line carries the order's number, the PO and the day it was dropped";
    EXPECT_EQ(scalar(QStringLiteral("SELECT customerid || '/' || Order_Kind || '/' || "
                                    "COALESCE(ShipRegion, 'null') || '/' || COALESCE(Freight, 'null') "
                                    "FROM Orders")),
              QStringLiteral("1200/DO/null/null"))
        << "a blank region and the freight are not written";
    EXPECT_EQ(count(QStringLiteral("Sales_T")), 0);
}

TEST_F(DeliveryOrderTest, AGivenRegionIsWrittenAndTheListOffersOnlyStockOnHand) {
    ASSERT_EQ(receive({{"A100", 2, "1"}, {"B200", 1, "1"}}), QStringLiteral("1"));
    ASSERT_EQ(deliver({{"B200", 1}}, QStringLiteral("PO-7"), kCustomer, QStringLiteral("Central")),
              QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ShipRegion FROM Orders")), QStringLiteral("Central"));
    Recordset list = delivery.Get_Products();
    ASSERT_EQ(list.recordCount(), 1) << "items with nothing on hand are not offered";
    list.moveFirst();
    QStringList row;
    for (int c = 0; c < 6; ++c)
        row << list.value(c).toString();
    EXPECT_EQ(row.join(QLatin1Char('|')), QStringLiteral("GEN|A100|Anchor bolt|1|0.07|2"));
}

TEST_F(DeliveryOrderTest, ALineTheStockOrTheYearCannotHoldIsRefused) {
    ASSERT_EQ(receive({{"A100", 5, "2"}, {"B200", 2, "1"}}), QStringLiteral("1"));
    expectRefused(deliver({{"A100", 6}}), "Temp_Stock_T: delivery exceeds stock on hand");
    expectRefused(deliver({{"P300", 1}}), "Temp_Stock_T: delivery exceeds stock on hand");
    expectRefused(deliver({{"A100", 0}}), "Temp_Stock_T: quantity not above 0");
    expectRefused(deliver({{"A100", 1, "-1"}}), "Temp_Stock_T: selling price missing or negative");
    expectRefused(deliver({{"A100", 1, ""}}), "Temp_Stock_T: selling price missing or negative");
    expectRefused(deliver({{"NOPE", 1}}), "Temp_Stock_T: unknown item");
    expectRefused(deliver({{"A100", 1, "10", QDate(2010, 6, 5), "99"}}), "Temp_Stock_T: unknown VAT code");
    expectRefused(deliver({{"A100", 1}, {"B200", 1, "1", QDate(2011, 1, 2)}}),
                  "Temp_Stock_T: document spans two years");
    EXPECT_EQ(onHand(QStringLiteral("A100")), QStringLiteral("5/10.00"));
}
