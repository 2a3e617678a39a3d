// The delivery order window: a customer picked, items dragged from the stock
// list, quantities, descriptions and prices typed, the order checked and posted.
#include "sales/frmDO_Entry.h"
#include "ar/clsARSetup.h"
#include "support/PartyStaging.h"
#include "support/SalesBook.h"
#include "support/gui/EntryGestures.h"
#include "support/gui/WindowTest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;

namespace {

class frmDO_EntryTest : public test::WindowTest<test::SalesBook, frmDO_Entry> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // A customer without a region.
        addAccount(1220, QStringLiteral("Corner Debtor"));
        clsARSetup customers;
        ASSERT_NE(customers.Send_Order(test::partyStaging(
                      test::with(test::localParty(1220, QStringLiteral("Corner Shop")), "Region", ""))),
                  clsARSetup::kCustomerFailed.create);
        ASSERT_EQ(receive({{"A100", 5, "10.5"}, {"B200", 2, "3"}}), QStringLiteral("1"));
        open();
    }
    void drop(const QString& item) {
        const int row = test::pickRowOf(*window, 1, item);
        ASSERT_GE(row, 0) << item.toStdString();
        test::dropPickRow(*window, row);
    }
    void edit(int row, const char* field, const QString& text) {
        test::editLineCell(*window, row, QString::fromLatin1(field), text);
    }
    // An order ready to post but for its lines.
    void readyOrder(const QString& customer = QStringLiteral("Corner Shop")) {
        window->cboEmployee->setCurrentIndex(0);
        choose(window->cboShipVia, QStringLiteral("Swift Couriers"));
        choose(window->party->cboCompany, customer);
        type(window->txtPO, QStringLiteral("PO-9"));
    }
    QString post() {
        ui.clear();
        window->cmdSend->click();
        return ui.lastText();
    }
    QString text(const char* key) const { return frmDO_Entry::kText.textOf(QString::fromLatin1(key)); }
};

} // namespace

TEST_F(frmDO_EntryTest, LinesStartAtOneByOneAndAQuantityBeyondStockIsPutBackAndRecounted) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Delivery Order"));

    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$0.00"));
    EXPECT_EQ(window->dtpRequired->date(), pinnedToday().addDays(7));
    EXPECT_EQ(window->hfgProducts->rowSpan(0, 0), 2) << "one category cell for the two items";
    readyOrder();
    drop(QStringLiteral("A100"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 1.00"));
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("Qty_Bal")), QStringLiteral("5"));
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("Description")), QStringLiteral("Anchor bolt"));
    ui.clear();
    drop(QStringLiteral("A100"));
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_EQ(ui.texts(), QStringList(qtext(EntryWindow::kSharedText["ItemExists"])));
    EXPECT_EQ(window->lines().recordCount(), 1);

    edit(0, "Sell_Price", QStringLiteral("2.5"));
    edit(0, "Qty_Order", QStringLiteral("5"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 12.50"))
        << "a quantity equal to the stock passes";
    ui.clear();
    edit(0, "Qty_Order", QStringLiteral("6"));
    EXPECT_EQ(ui.texts(), QStringList(text("OverStock")));
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("Qty_Order")), QStringLiteral("1"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 2.50"))
        << "the total counts the quantity put back";
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("ExtendedPrice")), QStringLiteral("2.5"));
}

TEST_F(frmDO_EntryTest, TheChecksRunInOrderAndANameThatIsNoRecordsStopsAtItsBox) {
    EXPECT_EQ(post(), text("CompanyInvalid"));
    type(window->party->cboCompany, QStringLiteral("Corner Shop"));
    EXPECT_EQ(post(), text("CompanyInvalid")) << "a typed name loads nothing";
    EXPECT_TRUE(focusedIn(window->party->cboCompany));
    choose(window->party->cboCompany, QStringLiteral("Corner Shop"));
    EXPECT_EQ(post(), text("SpecifyEmployee"));
    type(window->cboEmployee, QStringLiteral("Tan Mary"));
    EXPECT_EQ(post(), text("SpecifyEmployee")) << "an employee text without its comma";
    EXPECT_TRUE(focusedIn(window->cboEmployee));
    window->cboEmployee->setCurrentIndex(0);
    EXPECT_EQ(post(), text("SpecifyShipper"));
    type(window->cboShipVia, QStringLiteral("Slow Boats"));
    EXPECT_EQ(post(), text("SpecifyShipper"));
    EXPECT_TRUE(focusedIn(window->cboShipVia));
    choose(window->cboShipVia, QStringLiteral("Swift Couriers"));
    EXPECT_EQ(post(), text("SpecifyPO"));
    EXPECT_TRUE(focusedIn(window->txtPO));
    type(window->txtPO, QStringLiteral("PO-9"));
    EXPECT_EQ(post(), qtext(EntryWindow::kSharedText["NoLines"]));

    drop(QStringLiteral("A100"));
    edit(0, "Qty_Order", QStringLiteral("0"));
    EXPECT_EQ(post(), text("NegativeQuantity"));
    edit(0, "Qty_Order", QStringLiteral("2"));
    edit(0, "Sell_Price", QStringLiteral("0.99"));
    EXPECT_EQ(post(), text("NegativePricing"));
    edit(0, "Sell_Price", QStringLiteral("1"));
    edit(0, "Description", QString());
    EXPECT_EQ(post(), text("EnterDescription"));
    edit(0, "Description", QStringLiteral("bolts"));
    // Lines dragged in on days of two years cannot go on one order.
    drop(QStringLiteral("B200"));
    Recordset lines = window->lines();
    lines.setValueAt(0, lines.fieldIndex(QStringLiteral("Date")), Variant(QDate(2009, 12, 31)));
    EXPECT_EQ(post(), text("OneYear") + QStringLiteral("\nLine 1 falls in 2009; line 2 falls in 2010."));
    EXPECT_EQ(count(QStringLiteral("Orders")), 0);
}

TEST_F(frmDO_EntryTest, APostedOrderTakesStockOutAndTheNextDocumentTakesTheNextNumber) {
    readyOrder();
    drop(QStringLiteral("A100"));
    edit(0, "Qty_Order", QStringLiteral("3"));
    edit(0, "Sell_Price", QStringLiteral("20"));
    drop(QStringLiteral("B200"));
    EXPECT_EQ(post(), text("Posted") + QStringLiteral("1"));
    EXPECT_EQ(window->txtOrderID->text(), QStringLiteral("1"));
    EXPECT_TRUE(test::isPosted(*window));
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT customerid || '/' || COALESCE(ShipRegion, 'null') || '/' || "
                  "COALESCE(Freight, 'null') || '/' || ShipVia || '/' || RequiredDate FROM Orders")),
              QStringLiteral("1220/null/null/1/2010-06-22"));
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT group_concat(Doc_No_VC || '/' || Order_No || '/' || Pdt_ID_VC || '/' || "
                  "qty_nu || '/' || PO || '/' || date_dt, ' ') FROM Temp_Stock_T WHERE "
                  "doc_type = 'DO'")),
              QStringLiteral("1/1/A100/3/PO-9/2010-06-15 1/1/B200/1/PO-9/2010-06-15"));
    EXPECT_EQ(onHand(QStringLiteral("A100")), QStringLiteral("2/21.00"));
    EXPECT_EQ(balance(kShipped), QStringLiteral("34.50")) << "three bolts at 10.50 and a bracket at 3";
    // The boxes are emptied but for the currency; the stock list follows the books.
    EXPECT_TRUE(window->party->cboCompany->currentText().isEmpty());
    EXPECT_TRUE(window->txtPO->text().isEmpty());
    EXPECT_EQ(window->party->txtCurType->text(), QStringLiteral("SGD"));
    EXPECT_EQ(window->hfgProducts->cellText(test::pickRowOf(*window, 1, QStringLiteral("A100")), 5),
              QStringLiteral("2"));
    EXPECT_EQ(invoice({{"A100", 1, 1, "20", "1", "0.07", "PO-9"}}, {.customer = 1220}), QStringLiteral("2"))
        << "the next invoice takes the next number";
}

TEST_F(frmDO_EntryTest, StockThatLeftSinceTheListWasReadIsRefusedAndTheOrderKept) {
    readyOrder();
    drop(QStringLiteral("A100"));
    edit(0, "Qty_Order", QStringLiteral("5"));
    // Another order takes three bolts while this one is typed.
    ASSERT_EQ(deliver({{"A100", 3}}), QStringLiteral("1"));
    EXPECT_TRUE(post().startsWith(OrderDataClass::kFailureText));
    EXPECT_EQ(window->lines().recordCount(), 1) << "nothing typed is lost";
    EXPECT_EQ(window->party->cboCompany->currentText(), QStringLiteral("Corner Shop"));
    EXPECT_EQ(window->txtPO->text(), QStringLiteral("PO-9"));
    EXPECT_TRUE(window->cmdSend->isEnabled());
    EXPECT_EQ(count(QStringLiteral("Orders")), 1);
    // A new order reads the stock list again.
    ASSERT_EQ(deliver({{"B200", 1}}), QStringLiteral("2"));
    window->cmdNew->click();
    EXPECT_EQ(window->hfgProducts->cellText(test::pickRowOf(*window, 1, QStringLiteral("B200")), 5),
              QStringLiteral("1"));
}
