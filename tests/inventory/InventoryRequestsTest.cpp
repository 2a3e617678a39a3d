// Category, account-set and item requests as the database applies or refuses
// them, sent through the inventory set-up window's data class: a refused
// request leaves no row, the writer returns its failure text and the data
// class keeps the database's reason.
#include "inventory/IVRecords.h"
#include "inventory/clsIVSetup.h"
#include "support/Refusal.h"
#include "support/TestBook.h"

using namespace orv;

namespace {

class InventoryRequestsTest : public test::TestBook {
protected:
    static Recordset record(const std::vector<FieldDef>& fields, const QStringList& texts) {
        Recordset r = buildRecord(fields, true);
        for (size_t i = 0; i < fields.size(); ++i)
            assignText(r, fields[i].name, texts[static_cast<int>(i)]);
        return r;
    }
    static Recordset category(const QString& code, const QString& name, const QString& sales = "4000",
                              const QString& cos = "5000") {
        return record(categoryRecordFields(), {code, name, sales, cos});
    }
    static Recordset accountSet(const QString& name, const QString& method, const QString& stock,
                                const QString& payable, const QString& shipment) {
        return record(accountSetRecordFields(), {name, method, stock, payable, shipment});
    }
    static Recordset item(const QString& code, const QString& category = "GEN",
                          const QString& set = "STANDARD", const QString& vat = "1",
                          const QString& name = "Widget") {
        return record(itemRecordFields(), {code, name, "A small widget", category, vat, set});
    }
    void expectRefused(const QString& result, const QString& failureText, const char* reason,
                       std::source_location at = std::source_location::current()) {
        test::expectRefused(data, result, failureText, QLatin1String(reason), at);
    }
    // Stock on hand that no landed document can bring in yet.
    void putOnHand(const QString& code) {
        skipBookChecks();
        sql(QStringLiteral(
                "UPDATE Stock_Item_T SET Qty_On_Hand = 5, Value_On_Hand = 50000 WHERE Pdt_ID_VC = '%1'")
                .arg(code));
    }

    clsIVSetup data;
};

TEST_F(InventoryRequestsTest, CreatesAreAppliedAndReadBackForThePicks) {
    EXPECT_EQ(data.Send_Stock(category("HW", "Hardware")),
              QStringLiteral("Product Category code created under : Hardware"))
        << "a category is named by its name, not its code";
    EXPECT_EQ(data.Send_Acctset(accountSet("TOOLS", "aveg", "1300", "2100", "1310")),
              QStringLiteral("Product Account code created under : TOOLS"))
        << "accounts may serve several sets in the same role, the method in any case";
    EXPECT_EQ(data.Send_Item(item("W-1", "hw", "tools", "2")),
              QStringLiteral("Item code created under : W-1"));

    EXPECT_EQ(scalar("SELECT Acctset_ID FROM Product_AccountSet_T WHERE Pdt_Acctset_VC = 'TOOLS'"),
              QStringLiteral("2"));
    EXPECT_EQ(scalar("SELECT Qty_On_Hand || '/' || Value_On_Hand FROM Stock_Item_T WHERE Pdt_ID_VC = 'W-1'"),
              QStringLiteral("0/0"));
    EXPECT_EQ(scalar("SELECT Pdt_Category_VC || ' ' || Pdt_Acctset_VC FROM Product_T"),
              QStringLiteral("HW TOOLS"))
        << "an item names its category and set as they are spelt";

    Recordset c = data.Get_Stock_Details(QStringLiteral("HARDWARE"));
    ASSERT_EQ(c.recordCount(), 1);
    EXPECT_EQ(c.value("Sales_IN").toString() + c.value("COS_IN").toString() +
                  c.value("Pdt_Category_VC").toString(),
              QStringLiteral("40005000HW"));
    Recordset s = data.Get_AcctSet_Details(QStringLiteral("tools"));
    ASSERT_EQ(s.recordCount(), 1);
    EXPECT_EQ(s.value("cost_method_vc").toString() + s.value("stock_in").toString() +
                  s.value("payable_in").toString() + s.value("shipment_in").toString(),
              QStringLiteral("AVEG130021001310"));
    Recordset i = data.Get_Item_Details(QStringLiteral("w-1"));
    ASSERT_EQ(i.recordCount(), 1);
    EXPECT_EQ(i.value("Pdt_Name_VC").toString() + "|" + i.value("vat_code").toString() + "|" +
                  i.value("Pdt_Acctset_VC").toString(),
              QStringLiteral("Widget|2|TOOLS"));
    EXPECT_EQ(data.Get_Item_Details(QStringLiteral("nothing")).recordCount(), 0);
    expectBooksSound();
}

TEST_F(InventoryRequestsTest, QuotesReachTheProceduresDoubledAndTheTablesAsTyped) {
    EXPECT_EQ(data.Send_Stock(category("KID'S", "Kid's Toys")),
              QStringLiteral("Product Category code created under : Kid's Toys"));
    addAccountSet(QStringLiteral("O'NEIL"), 1300, 2100, 1310);
    addItem(QStringLiteral("T'1"), QStringLiteral("Top"), QStringLiteral("KID'S"), QStringLiteral("O'NEIL"));
    EXPECT_EQ(data.Get_Stock_Details(QStringLiteral("Kid's Toys")).value("Pdt_Category_VC").toString(),
              QStringLiteral("KID'S"));
    EXPECT_EQ(data.Get_AcctSet_Details(QStringLiteral("O'NEIL")).recordCount(), 1);
    EXPECT_EQ(data.Get_Item_Details(QStringLiteral("T'1")).value("Pdt_Acctset_VC").toString(),
              QStringLiteral("O'NEIL"));
    expectBooksSound();
}

TEST_F(InventoryRequestsTest, CategoryRequestsAreRefusedForEveryBrokenRule) {
    addAccount(1400, QStringLiteral("Deposits"));
    const struct {
        Recordset request;
        const char* reason;
    } creates[] = {
        {category("gen", "Other"), "category code exists"},
        {category("  ", "Other"), "category code blank"},
        {category("OTH", "general goods"), "category name exists"},
        {category("OTH", ""), "category name blank"},
        {category("OTH", "Other", "1400"), "sales account is not a profit and loss account"},
        {category("OTH", "Other", "4000", "9999"), "cost of sales account is not a profit and loss account"},
    };
    const qint64 requests = count("Temp_Product_Category_T");
    for (const auto& c : creates)
        expectRefused(data.Send_Stock(c.request), clsIVSetup::kStockFailed.create, c.reason);
    EXPECT_EQ(count("Temp_Product_Category_T"), requests) << "a refused request leaves no row";

    addCategory(QStringLiteral("HW"), QStringLiteral("Hardware"));
    expectRefused(data.Update_Stock(category("HW", "General Goods")), clsIVSetup::kStockFailed.update,
                  "category name exists");
    expectRefused(data.Update_Stock(category("HW", "Hardware", "4000", "1400")),
                  clsIVSetup::kStockFailed.update, "cost of sales account is not a profit and loss account");
    expectRefused(data.Update_Stock(category("XX", "Hardware")), clsIVSetup::kStockFailed.update,
                  "no category of that code");
    EXPECT_EQ(data.Update_Stock(category("hw", "Tools", "4100", "5100")),
              QStringLiteral("Tools have been updated"));
    EXPECT_EQ(
        scalar("SELECT Category_Name_VC || Sales_IN || COS_IN FROM Product_Category_T WHERE Row_ID = 2"),
        QStringLiteral("Tools41005100"));

    addItem(QStringLiteral("W-1"), QStringLiteral("Widget"), QStringLiteral("HW"));
    expectRefused(data.Delete_Stock(category("HW", "Tools")), clsIVSetup::kStockFailed.remove,
                  "category holds items");
    EXPECT_EQ(data.Delete_Item(item("W-1")),
              QStringLiteral("W-1 would be Deleted if there is no transaction history"));
    EXPECT_EQ(data.Delete_Stock(category("HW", "Tools")),
              QStringLiteral("Tools would be Deleted if there is no transaction history"));
    EXPECT_EQ(count("Product_Category_T"), 1);
    expectRefused(data.Delete_Stock(category("HW", "Tools")), clsIVSetup::kStockFailed.remove,
                  "no category of that code");
    expectBooksSound();
}

TEST_F(InventoryRequestsTest, AccountSetRequestsAreRefusedForEveryBrokenRule) {
    addAccount(1320, QStringLiteral("Spare Stock"));
    addAccount(1330, QStringLiteral("Posted Stock"));
    postJournal(1330); // the account now has postings of no stock role
    addAccount(2010, QStringLiteral("Harbour Supplies"));
    addLocalSupplier(2010, QStringLiteral("Harbour"));
    const struct {
        Recordset request;
        const char* reason;
    } creates[] = {
        {accountSet("standard", "FIFO", "1320", "2100", "1310"), "account set name exists"},
        {accountSet(" ", "FIFO", "1320", "2100", "1310"), "account set name blank"},
        {accountSet("NEW", "LIFO", "1320", "2100", "1310"), "costing method is not FIFO or AVEG"},
        {accountSet("NEW", "FIFO", "4000", "2100", "1310"), "not a balance sheet account"},
        {accountSet("NEW", "FIFO", "1320", "2100", "9999"), "not a balance sheet account"},
        {accountSet("NEW", "FIFO", "1320", "1320", "1310"), "not all different"},
        {accountSet("NEW", "FIFO", "1320", "2100", "1320"), "not all different"},
        {accountSet("NEW", "FIFO", "2200", "2100", "1310"), "account holds another role"}, // VAT control
        {accountSet("NEW", "FIFO", "1320", "2010", "1310"), "account holds another role"}, // a supplier's
        {accountSet("NEW", "FIFO", "1310", "2100", "1300"), "account holds another role"}, // roles swapped
        {accountSet("NEW", "FIFO", "1330", "2100", "1310"), "postings outside its role"},
        // Where several rules break, the first in the rules' order speaks.
        {accountSet("NEW", "FIFO", "1310", "9999", "9999"), "not a balance sheet account"},
        {accountSet("NEW", "FIFO", "1310", "1330", "1330"), "not all different"},
    };
    const qint64 requests = count("Temp_Product_Accountset_T");
    for (const auto& c : creates)
        expectRefused(data.Send_Acctset(c.request), clsIVSetup::kAcctsetFailed.create, c.reason);
    EXPECT_EQ(count("Temp_Product_Accountset_T"), requests) << "a refused request leaves no row";
    EXPECT_EQ(count("Product_AccountSet_T"), 1);

    addAccountSet(QStringLiteral("TOOLS"), 1320, 2100, 1310);
    expectRefused(data.Update_Acctset(accountSet("TOOLS", "LIFO", "1320", "2100", "1310")),
                  clsIVSetup::kAcctsetFailed.update, "costing method is not FIFO or AVEG");
    expectRefused(data.Update_Acctset(accountSet("TOOLS", "FIFO", "1330", "2100", "1310")),
                  clsIVSetup::kAcctsetFailed.update, "postings outside its role");
    expectRefused(data.Update_Acctset(accountSet("TOOLS", "FIFO", "1320", "2100", "2100")),
                  clsIVSetup::kAcctsetFailed.update, "not all different");
    expectRefused(data.Update_Acctset(accountSet("NONE", "FIFO", "1320", "2100", "1310")),
                  clsIVSetup::kAcctsetFailed.update, "no account set of that name");
    EXPECT_EQ(data.Update_Acctset(accountSet("tools", "Aveg", "1300", "2100", "1310")),
              QStringLiteral("tools have been updated"));
    EXPECT_EQ(
        scalar("SELECT cost_method_VC || Stock_IN FROM Product_AccountSet_T WHERE Pdt_Acctset_VC = 'TOOLS'"),
        QStringLiteral("AVEG1300"));

    addItem(QStringLiteral("W-1"), QStringLiteral("Widget"), QStringLiteral("GEN"), QStringLiteral("TOOLS"));
    expectRefused(data.Delete_Acctset(accountSet("TOOLS", "AVEG", "1300", "2100", "1310")),
                  clsIVSetup::kAcctsetFailed.remove, "account set used by items");
    addAccountSet(QStringLiteral("SPARE"), 1300, 2100, 1310);
    EXPECT_EQ(data.Delete_Acctset(accountSet("SPARE", "FIFO", "1300", "2100", "1310")),
              QStringLiteral("SPARE would be Deleted if there is no transaction history"));
    expectBooksSound();
}

TEST_F(InventoryRequestsTest, ItemRequestsAreRefusedForEveryBrokenRule) {
    addItem(QStringLiteral("W-1"), QStringLiteral("Widget"));
    const struct {
        Recordset request;
        const char* reason;
    } creates[] = {
        {item("w-1"), "item code exists"},
        {item(""), "item code blank"},
        {item("W-2", "GEN", "STANDARD", "1", " "), "item name blank"},
        {item("W-2", "NOPE"), "category unknown"},
        {item("W-2", "GEN", "NOPE"), "account set unknown"},
        {item("W-2", "GEN", "STANDARD", "99"), "VAT code unknown"},
    };
    const qint64 requests = count("Temp_Product_T");
    for (const auto& c : creates)
        expectRefused(data.Send_Item(c.request), clsIVSetup::kItemFailed.create, c.reason);
    EXPECT_EQ(count("Temp_Product_T"), requests) << "a refused request leaves no row";

    EXPECT_EQ(data.Send_Item(item("W-2", "GEN", "STANDARD", "1", "Widget")),
              QStringLiteral("Item code created under : W-2"))
        << "two items may share a name";
    expectRefused(data.Update_Item(item("W-2", "NOPE")), clsIVSetup::kItemFailed.update, "category unknown");
    expectRefused(data.Update_Item(item("W-9")), clsIVSetup::kItemFailed.update, "no item of that code");
    EXPECT_EQ(data.Update_Item(item("W-2", "GEN", "STANDARD", "3", "Gadget")),
              QStringLiteral("W-2 have been updated"));
    EXPECT_EQ(scalar("SELECT Pdt_Name_VC || vat_code FROM Product_T WHERE Pdt_ID_VC = 'W-2'"),
              QStringLiteral("Gadget3"));

    EXPECT_EQ(data.Delete_Item(item("W-2")),
              QStringLiteral("W-2 would be Deleted if there is no transaction history"));
    EXPECT_EQ(scalar("SELECT count(*) FROM Stock_Item_T WHERE Pdt_ID_VC = 'W-2'"), QStringLiteral("0"))
        << "a deleted item takes its stock row with it";
    expectBooksSound();
}

TEST_F(InventoryRequestsTest, StockOnHandFreezesTheSetAndKeepsTheItem) {
    addAccountSet(QStringLiteral("TOOLS"), 1300, 2100, 1310);
    addAccount(1320, QStringLiteral("Spare Stock"));
    addItem(QStringLiteral("W-1"), QStringLiteral("Widget"));
    putOnHand(QStringLiteral("W-1"));

    expectRefused(data.Update_Item(item("W-1", "GEN", "TOOLS")), clsIVSetup::kItemFailed.update,
                  "account set of an item that holds stock");
    EXPECT_EQ(data.Update_Item(item("W-1", "GEN", "standard", "2", "Widget")),
              QStringLiteral("W-1 have been updated"))
        << "the other fields stay open";
    expectRefused(data.Update_Acctset(accountSet("STANDARD", "FIFO", "1320", "2100", "1310")),
                  clsIVSetup::kAcctsetFailed.update, "accounts of a set whose items hold stock");
    expectRefused(data.Update_Acctset(accountSet("STANDARD", "AVEG", "1300", "2100", "1310")),
                  clsIVSetup::kAcctsetFailed.update, "costing method of a set whose items hold stock");
    expectRefused(data.Delete_Item(item("W-1")), clsIVSetup::kItemFailed.remove, "item holds stock");
    EXPECT_EQ(count("Product_T"), 1);
}

} // namespace
