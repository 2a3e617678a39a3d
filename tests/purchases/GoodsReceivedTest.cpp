// Goods received notes as the database posts them, written through the note's
// own data class: stock comes in at cost as one layer per line, the received-
// not-billed account holds what the supplier has yet to bill, and a refused
// note leaves nothing.
#include "inventory/IVRecords.h"
#include "inventory/clsIVSetup.h"
#include "support/Refusal.h"
#include "support/StockBook.h"

using namespace orv;

namespace {

class GoodsReceivedTest : public test::StockBook {
protected:
    void expectRefused(const QString& result, const char* reason,
                       std::source_location at = std::source_location::current()) {
        test::expectRefused(grn, result, clsGRN::kFailureText, QLatin1String(reason), at);
        EXPECT_EQ(count(QStringLiteral("Document_T")), 0) << "nothing of a refused note stays";
        EXPECT_EQ(count(QStringLiteral("Stock_Layer_T")), 0);
    }
};

} // namespace

TEST_F(GoodsReceivedTest, EachLineComesInAtCostAsALayerOfItsNote) {
    ASSERT_EQ(receive({{"A100", 10, "10.5"}, {"B200", 2, "3"}}), QStringLiteral("1"));
    ASSERT_EQ(receive({{"A100", 5, "20"}}), QStringLiteral("2"));

    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(Layer_Ref || ':' || Pdt_ID_VC || ':' || Qty_Left, ' ') "
                              "FROM Stock_Layer_T")),
        QStringLiteral("1/1:A100:10 1/2:B200:2 2/1:A100:5"))
        << "two items of one note show two references; two notes of one item make two layers";
    EXPECT_EQ(onHand(QStringLiteral("A100")), QStringLiteral("15/205.00"));
    EXPECT_EQ(balance(1300), QStringLiteral("211.00"));
    EXPECT_EQ(balance(2100), QStringLiteral("-211.00"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(Doc_Kind) FROM Document_T")),
              QStringLiteral("GRN,GRN"));
    // Each line waits for the supplier's invoice with its quantity and value.
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT group_concat(Open_Qty || '/' || (Open_Value / 10000) || '/' || Clear_GL, "
                  "' ') FROM Temp_Stock_T")),
              QStringLiteral("10/105/2100 2/6/2100 5/100/2100"));
}

TEST_F(GoodsReceivedTest, AnAverageCostItemComesInOnItsOwnSetsAccounts) {
    ASSERT_EQ(receive({{"P300", 3, "1.005"}}), QStringLiteral("1"));
    // 3 x 1.005 = 3.015, to the cent 3.02.
    EXPECT_EQ(balance(kAvegStock), QStringLiteral("3.02"));
    EXPECT_EQ(balance(kAvegReceived), QStringLiteral("-3.02"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COALESCE(Value_Left, 'none') FROM Stock_Layer_T")),
              QStringLiteral("none"))
        << "an average-cost layer keeps its quantity only";
}

TEST_F(GoodsReceivedTest, ALineOfNothingOrBelowNothingIsRefused) {
    expectRefused(receive({{"A100", 0, "2"}}), "Temp_Stock_T: quantity not above 0");
    expectRefused(receive({{"A100", 2, "-1"}}), "Temp_Stock_T: unit cost missing or negative");
    expectRefused(receive({{"A100", 1, "1"}, {"B200", 1, "1", QDate(2011, 1, 3)}}),
                  "Temp_Stock_T: document spans two years");
    EXPECT_EQ(DataClass::lastRefusal()->line, 2) << "the refusal names the line";
    expectRefused(receive({{"NOPE", 1, "1"}}), "Temp_Stock_T: unknown item");
    // Worth more than a posting line may hold: refused by the stock leg.
    expectRefused(receive({{"A100", 2, "600000000000"}}),
                  "leg over the limit of 1,000,000,000,000.00 per line");
}

TEST_F(GoodsReceivedTest, ANoteIsRefusedForAPartyCurrencyRateOrLineKindItCannotHave) {
    addAccount(1200, QStringLiteral("Acme Debtor"));
    addLocalCustomer(1200, QStringLiteral("Acme Trading"));
    const struct {
        test::GrnNote note;
        const char* reason;
    } cases[] = {
        {{.supplier = QStringLiteral("99999")}, "Document_T: party unknown"},
        {{.supplier = QStringLiteral("1200")}, "Temp_Stock_T: supplier unknown"}, // a customer
        {{.currency = QStringLiteral("USD")}, "Temp_Stock_T: currency differs from the supplier's"},
        {{.rate = QStringLiteral("0")}, "Temp_Stock_T: rate missing or not above 0"},
        {{.rate = QStringLiteral("1.5")}, "Temp_Stock_T: a local supplier's rate must be 1"},
        {{.docType = QStringLiteral("DO")}, "Temp_Stock_T: delivery line without its order"},
        {{.vatCode = QStringLiteral("99")}, "Temp_Stock_T: unknown VAT code"},
    };
    for (const auto& c : cases)
        expectRefused(receive({{"A100", 1, "1"}}, QStringLiteral("PO-1"), c.note), c.reason);
}

TEST_F(GoodsReceivedTest, TheStockListOffersEveryItemWithItsVatRateAsAFraction) {
    ASSERT_EQ(receive({{"B200", 4, "1"}}), QStringLiteral("1"));
    Recordset list = grn.Get_Products();
    ASSERT_EQ(list.recordCount(), 3) << "items without stock are offered too";
    QStringList rows;
    for (list.moveFirst(); !list.eof(); list.moveNext())
        rows << QStringList{list.value(0).toString(), list.value(1).toString(), list.value(2).toString(),
                            list.value(3).toString(), list.value(4).toString(), list.value(5).toString()}
                    .join(QLatin1Char('|'));
    EXPECT_EQ(rows, (QStringList{"GEN|A100|Anchor bolt|1|0.07|0", "GEN|B200|Bracket|1|0.07|4",
                                 "GEN|P300|Pump seal|1|0.07|0"}));
}

TEST_F(GoodsReceivedTest, AnItemHoldingStockKeepsItsSetAndStays) {
    ASSERT_EQ(receive({{"A100", 1, "1"}}), QStringLiteral("1"));
    clsIVSetup setup;
    Recordset item = buildRecord(itemRecordFields(), true);
    assignText(item, QStringLiteral("Pdt_ID_VC"), QStringLiteral("A100"));
    test::expectRefused(setup, setup.Delete_Item(item), clsIVSetup::kItemFailed.remove,
                        QStringLiteral("Temp_Product_T: item holds stock"));
    // Moved to the other set while its received line is unbilled: refused.
    assignText(item, QStringLiteral("Pdt_Acctset_VC"), QStringLiteral("PARTS"));
    EXPECT_EQ(setup.Update_Item(item), clsIVSetup::kItemFailed.update);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Pdt_Acctset_VC FROM Product_T WHERE Pdt_ID_VC = 'A100'")),
              QStringLiteral("STANDARD"));
}

TEST_F(GoodsReceivedTest, TheSupplierIsFoundOnlyUnderTheNotesSpellingOfItsTable) {
    EXPECT_EQ(grn.Get_ID(QStringLiteral("creditors"), Variant(QStringLiteral("Harbour Supplies"))),
              QString::number(kSupplier));
    EXPECT_TRUE(
        grn.Get_ID(QStringLiteral("Creditors"), Variant(QStringLiteral("Harbour Supplies"))).isEmpty());
    EXPECT_TRUE(grn.Get_ID(QStringLiteral("creditors"), Variant(QStringLiteral("O'Brien"))).isEmpty())
        << "a quote in the name finds nothing and breaks nothing";
    EXPECT_EQ(grn.Get_Customer_Details(QStringLiteral("O'Brien")).recordCount(), 0);
    EXPECT_EQ(grn.Get_Customer_Details(QStringLiteral(" Harbour Supplies ")).recordCount(), 1)
        << "a name is looked up without the blanks around it";
}
