// Stock adjustments as the database posts them, written through the
// adjustment's own data class over stock received by goods received notes:
// each line sets a stock row to the quantity counted; a rise comes in at the
// line's price as a new layer, a fall leaves at cost, FIFO from its layer or
// at the item's average.
#include "inventory/IVRecords.h"
#include "inventory/clsIVSetup.h"
#include "support/Refusal.h"
#include "support/StockBook.h"

using namespace orv;

namespace {

class StockAdjustmentTest : public test::StockBook {
protected:
    // The rows offered for a set: "Doc_ID item qty unit price", one per row.
    QStringList offered(const QString& setId) {
        Recordset rs = adjustment.Get_Customer_Order(setId);
        QStringList out;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            out << QStringList{rs.value(0).toString(), rs.value(1).toString(), rs.value(2).toString(),
                               rs.value(3).toString()}
                       .join(QLatin1Char(' '));
        return out;
    }
    QString itemRow(const QString& item) {
        return QStringLiteral("N") +
               scalar(QStringLiteral("SELECT Row_ID FROM Product_T WHERE Pdt_ID_VC = '%1'").arg(item));
    }
    void expectRefused(const QString& result, const char* reason,
                       std::source_location at = std::source_location::current()) {
        test::expectRefused(adjustment, result, clsStk_Adj::kFailureText, QLatin1String(reason), at);
        EXPECT_EQ(count(QStringLiteral("Stock_Adj_T")), 0) << "nothing of a refused journal stays";
    }
    QString parts() {
        return scalar(
            QStringLiteral("SELECT Acctset_ID FROM Product_AccountSet_T WHERE Pdt_Acctset_VC = 'PARTS'"));
    }
};

} // namespace

TEST_F(StockAdjustmentTest, EveryLayerIsOfferedAndAnItemWithoutStockByItsRow) {
    ASSERT_EQ(receive({{"A100", 10, "10.5", QDate(2010, 3, 1)}, {"B200", 2, "3"}}), QStringLiteral("1"));
    ASSERT_EQ(receive({{"A100", 5, "20"}}), QStringLiteral("2"));
    EXPECT_EQ(offered(QStringLiteral("1")),
              (QStringList{"1/1 A100 10 10.5", "2/1 A100 5 20", "1/2 B200 2 3"}));
    EXPECT_EQ(offered(parts()), QStringList(itemRow(QStringLiteral("P300")) + QStringLiteral(" P300 0 0")));
    EXPECT_EQ(adjustment.Get_Customer_Details(QStringLiteral("1"))
                  .value(QStringLiteral("Pdt_Acctset_VC"))
                  .toString(),
              QStringLiteral("STANDARD"));
}

TEST_F(StockAdjustmentTest, CountingAFifoLayerDownCostsThatLayer) {
    ASSERT_EQ(receive({{"A100", 10, "10.5", QDate(2010, 3, 1)}, {"B200", 2, "3"}}), QStringLiteral("1"));
    ASSERT_EQ(receive({{"A100", 3, "20"}}), QStringLiteral("2"));
    // The later layer is counted down: its own cost leaves, not the oldest.
    ASSERT_EQ(adjust({{"2/1", "A100", "1", "20"}, {"1/2", "B200", "0", "3"}}), QStringLiteral("3"));
    EXPECT_EQ(balance(5100), QStringLiteral("46.00"));
    EXPECT_EQ(onHand(QStringLiteral("A100")), QStringLiteral("11/125.00"));
    EXPECT_EQ(onHand(QStringLiteral("B200")), QStringLiteral("0/0.00"));
    EXPECT_EQ(balance(1300), QStringLiteral("125.00")) << "the stock account equals the value on hand";
    EXPECT_EQ(balance(2100), QStringLiteral("-171.00")) << "what the supplier has yet to bill is untouched";
    EXPECT_EQ(scalar(QStringLiteral("SELECT Doc_Kind FROM Document_T WHERE DocID = 3")),
              QStringLiteral("STK"));
}

TEST_F(StockAdjustmentTest, CountingAnAverageItemDownCostsTheAverage) {
    ASSERT_EQ(receive({{"P300", 2, "10"}}), QStringLiteral("1"));
    ASSERT_EQ(receive({{"P300", 1, "25"}}), QStringLiteral("2"));
    // 45.00 for 3 units: one unit leaves at 15.00, whichever layer is counted.
    ASSERT_EQ(adjust({{"1/1", "P300", "1", "0"}}, kAvegStock), QStringLiteral("3"));
    EXPECT_EQ(onHand(QStringLiteral("P300")), QStringLiteral("2/30.00"));
    EXPECT_EQ(balance(kAvegStock), QStringLiteral("30.00"));
    EXPECT_EQ(offered(parts()), (QStringList{"1/1 P300 1 15", "2/1 P300 1 15"}));
    // The last units leave at exactly what is left.
    ASSERT_EQ(adjust({{"1/1", "P300", "0", "0"}, {"2/1", "P300", "0", "0"}}, kAvegStock),
              QStringLiteral("4"));
    EXPECT_EQ(onHand(QStringLiteral("P300")), QStringLiteral("0/0.00"));
    EXPECT_EQ(balance(5100), QStringLiteral("45.00"));
}

TEST_F(StockAdjustmentTest, CountingUpOpensALayerAtTheLinePriceAndAnUnchangedLinePostsNothing) {
    ASSERT_EQ(receive({{"A100", 4, "2.5"}}), QStringLiteral("1"));
    ASSERT_EQ(adjust({{"1/1", "A100", "4", "2.5"}}), QStringLiteral("2"));
    EXPECT_EQ(count(QStringLiteral("Stock_Move_T")), 1) << "a line posted as offered changes nothing";
    EXPECT_EQ(balance(5100), QStringLiteral("0.00"));

    ASSERT_EQ(adjust({{"1/1", "A100", "7", "3"}, {itemRow(QStringLiteral("B200")), "B200", "2", "1.255"}}),
              QStringLiteral("3"));
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT group_concat(Layer_Ref || ':' || Qty_Left || ':' || (Value_Left / 100), ' ') "
                  "FROM Stock_Layer_T")),
              QStringLiteral("1/1:4:1000 3/1:3:900 3/2:2:251"))
        << "the rise of 3 at 3.00 and the new item's 2 at 1.255 (2.51) come in as layers of the journal";
    EXPECT_EQ(balance(5100), QStringLiteral("-11.51"));
    EXPECT_EQ(balance(1300), QStringLiteral("21.51"));
}

TEST_F(StockAdjustmentTest, ALineTheBooksCannotTakeIsRefusedWithItsReason) {
    ASSERT_EQ(receive({{"A100", 4, "2.5"}, {"B200", 1, "1"}}), QStringLiteral("1"));
    expectRefused(adjust({{"1/1", "A100", "-1", "2.5"}}), "Stock_Adj_T: counted quantity negative");
    expectRefused(adjust({{"1/1", "A100", "6", "-1"}}),
                  "Stock_Adj_T: count raised at a missing or negative price");
    expectRefused(adjust({{"1/2", "A100", "1", "1"}}), "Stock_Adj_T: no such stock row of the item");
    expectRefused(adjust({{"1/1", "A100", "1", "1"}, {"1/1", "A100", "2", "1"}}),
                  "Stock_Adj_T: stock row on two lines");
    expectRefused(adjust({{"1/1", "A100", "1", "1"}}, kAvegStock),
                  "Stock_Adj_T: stock account is not the item's");
    expectRefused(adjust({{"1/1", "A100", "1", "1", 2100}}), "Stock_Adj_T: sub-ledger account");
    expectRefused(adjust({{"1/1", "A100", "4", "2.5"}, {"1/2", "B200", "1", "1", 9999}}),
                  "Stock_Adj_T: unknown or inactive account");
    EXPECT_EQ(DataClass::lastRefusal()->sentence,
              QStringLiteral("Line 2: account 9999 is not an active account of the chart."));
    expectRefused(adjust({{"1/1", "NOPE", "1", "1"}}), "Stock_Adj_T: unknown item");
    // The count is dated 10 June: goods received in October cannot leave then, FIFO or AVEG.
    ASSERT_EQ(receive({{"A100", 5, "2", QDate(2010, 10, 20)}, {"P300", 1, "4", QDate(2010, 10, 20)}}),
              QStringLiteral("2"));
    expectRefused(adjust({{"1/1", "A100", "4", "2.5"}, {"2/1", "A100", "4", "2"}}),
                  "Stock: issue dated before its goods arrived");
    EXPECT_EQ(DataClass::lastRefusal()->sentence,
              QStringLiteral("Line 2: item A100 arrived on 20/10/2010, after this date: stock cannot "
                             "leave before it is received."));
    EXPECT_EQ(DataClass::lastRefusal()->line, 2) << "the window shows the clerk that line";
    expectRefused(adjust({{"2/2", "P300", "0", "4"}}, kAvegStock),
                  "Stock: issue dated before its goods arrived");
    EXPECT_EQ(onHand(QStringLiteral("A100")), QStringLiteral("9/20.00"));
}

TEST_F(StockAdjustmentTest, ASetsAccountsAndAnItemsSetFreezeWhileItsStockOrUnbilledLinesLast) {
    ASSERT_EQ(receive({{"A100", 2, "5"}}), QStringLiteral("1"));
    addAccount(1340, QStringLiteral("Other Stock"));
    clsIVSetup setup;
    Recordset set = buildRecord(accountSetRecordFields(), true);
    for (const auto& [field, text] :
         std::vector<std::pair<const char*, const char*>>{{"Pdt_AcctSet_VC", "STANDARD"},
                                                          {"cost_method_VC", "FIFO"},
                                                          {"stock_IN", "1340"},
                                                          {"payable_IN", "2100"},
                                                          {"shipment_IN", "1310"}})
        assignText(set, QString::fromLatin1(field), QString::fromLatin1(text));
    test::expectRefused(setup, setup.Update_Acctset(set), clsIVSetup::kAcctsetFailed.update,
                        QStringLiteral("accounts of a set whose items hold stock"));

    // Counted to nothing, the received line is still unbilled: the accounts and the set stay.
    ASSERT_EQ(adjust({{"1/1", "A100", "0", "5"}}), QStringLiteral("2"));
    test::expectRefused(setup, setup.Update_Acctset(set), clsIVSetup::kAcctsetFailed.update,
                        QStringLiteral("items have lines not yet billed"));
    assignText(set, QStringLiteral("stock_IN"), QStringLiteral("1300"));
    assignText(set, QStringLiteral("cost_method_VC"), QStringLiteral("AVEG"));
    test::expectRefused(setup, setup.Update_Acctset(set), clsIVSetup::kAcctsetFailed.update,
                        QStringLiteral("costing method of a set whose items have stock moves"));

    Recordset item = buildRecord(itemRecordFields(), true);
    assignText(item, QStringLiteral("Pdt_ID_VC"), QStringLiteral("A100"));
    assignText(item, QStringLiteral("Pdt_Acctset_VC"), QStringLiteral("PARTS"));
    test::expectRefused(setup, setup.Update_Item(item), clsIVSetup::kItemFailed.update,
                        QStringLiteral("account set of an item with lines not yet billed"));
    test::expectRefused(setup, setup.Delete_Item(item), clsIVSetup::kItemFailed.remove,
                        QStringLiteral("item has stock moves or document lines"));
}
