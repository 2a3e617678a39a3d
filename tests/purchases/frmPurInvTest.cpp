// The purchase invoice: a supplier picked, its received lines dragged in,
// quantities and descriptions typed, the supplier's number checked, the
// invoice posted or refused.
#include "purchases/frmPurInv.h"
#include "support/PurchaseBook.h"
#include "support/gui/EntryGestures.h"
#include "support/gui/WindowTest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;

namespace {

class frmPurInvTest : public test::WindowTest<test::PurchaseBook, frmPurInv> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        receiveFromForeignSupplier(); // note 1: four of A100 at 10.00 USD, rate 1.5
        ASSERT_EQ(receive({{"A100", 5, "2"}, {"B200", 3, "4"}}), QStringLiteral("2"));
        open();
    }
    // Employee and supplier chosen, the supplier's lines listed.
    void start(const QString& supplier, const QString& invNo = QStringLiteral("7001")) {
        window->cboEmployee->setCurrentIndex(0);
        choose(window->party->cboCompany, supplier);
        window->txtinvno->setText(invNo);
    }
    void drop(const QString& item, const QString& qty = {}) {
        const int row = test::pickRowOf(*window, 0, item);
        ASSERT_GE(row, 0) << item.toStdString();
        test::dropPickRow(*window, row);
        const int line = window->lines().recordCount() - 1;
        test::editLineCell(*window, line, QStringLiteral("Description"), QStringLiteral("billed ") + item);
        if (!qty.isEmpty())
            test::editLineCell(*window, line, QStringLiteral("Qty_to_Bill"), qty);
    }
    Currency cell(int row, const char* field) const {
        return window->lines()
            .valueAt(row, window->lines().fieldIndex(QString::fromLatin1(field)))
            .toCurrency();
    }
    QStringList shownTotals() const {
        return {window->txtSubTotal->text(), window->txtVAT->text(), window->txtNett->text()};
    }
    QString post() {
        ui.clear();
        window->cmdSend->click();
        return ui.lastText();
    }
};

} // namespace

TEST_F(frmPurInvTest, ALineIsBilledAtItsReceivedPriceRateAndVatAndTheInvoiceIsNumbered) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Purchase Invoice"));
    EXPECT_EQ(shownTotals(), (QStringList{"$0.00", "$0.00", "$0.00"}))
        << "the design text until a first total";
    start(QStringLiteral("Ohio Tools"));
    EXPECT_EQ(window->party->cboCreditor->text(), QStringLiteral("FOREIGN"));
    EXPECT_EQ(window->hfgProducts->rows(), 1) << "only the supplier's own received lines";
    drop(QStringLiteral("A100"), QStringLiteral("2"));
    EXPECT_EQ(cell(0, "Gross"), Currency::fromRaw(321000));
    EXPECT_EQ(cell(0, "VAT_Total"), Currency::fromRaw(21000));
    EXPECT_EQ(cell(0, "Nett"), Currency::fromRaw(300000));
    EXPECT_EQ(shownTotals(), (QStringList{"$ 32.10", "$ 2.10", "$ 30.00"}));
    // Only the description and the quantity are the clerk's.
    const QAbstractItemModel* grid = window->dgrOrderDetails->model();
    for (int column = 0; column < 15; ++column)
        EXPECT_EQ(bool(grid->flags(grid->index(0, column)) & Qt::ItemIsEditable), column == 1 || column == 4)
            << column;

    ui.clear();
    test::dropPickRow(*window, 0);
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_EQ(ui.lastText(), QStringLiteral("Item already exists!"));
    EXPECT_EQ(window->lines().recordCount(), 1);

    EXPECT_EQ(post(), qtext(frmPurInv::kText["Posted"]) + QStringLiteral("3"));
    EXPECT_TRUE(test::isPosted(*window));
    EXPECT_EQ(window->txtOrderID->text(), QStringLiteral("3"));
    EXPECT_TRUE(window->txtinvno->text().isEmpty());
    EXPECT_TRUE(window->party->cboCompany->currentText().isEmpty());
    EXPECT_EQ(window->party->cboCreditor->text(), QStringLiteral("FOREIGN"))
        << "the supplier type stays shown";
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT qty_to_bill || '/' || (unit_price / 10000.0) || '/' || cur_rate || "
                              "'/' || vat_rate || '/' || inv_no FROM Purchases_T")),
        QStringLiteral("2/10.0/1.5/7.0/7001"));
    // The supplier holds the gross; half the received value leaves
    // received-not-billed, at the price and rate it came in at.
    EXPECT_EQ(balance(kForeign), QStringLiteral("-32.10"));
    EXPECT_EQ(balance(2100), QStringLiteral("-52.00"));

    choose(window->party->cboCompany, QStringLiteral("Ohio Tools"));
    window->txtinvno->setText(QStringLiteral("7002"));
    drop(QStringLiteral("A100"), QStringLiteral("2"));
    EXPECT_EQ(post(), qtext(frmPurInv::kText["Posted"]) + QStringLiteral("4"));
    EXPECT_EQ(balance(2100), QStringLiteral("-22.00")) << "note 1 billed in full";
    EXPECT_EQ(balance(5000), QStringLiteral("0.00")) << "billed at the received price and rate";
}

TEST_F(frmPurInvTest, AQuantityAboveWhatIsUnbilledOrNegativeIsPutBackToOneAndTheTotalsFollow) {
    start(QStringLiteral("Harbour Supplies"));
    drop(QStringLiteral("A100"));
    ui.clear();
    test::editLineCell(*window, 0, QStringLiteral("Qty_to_Bill"), QStringLiteral("9"));
    EXPECT_EQ(ui.lastText(), qtext(BillingLines::kText["ExceedsUnbilled"]));
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("Qty_to_Bill")), QStringLiteral("1"));
    EXPECT_EQ(shownTotals(), (QStringList{"$ 2.14", "$ 0.14", "$ 2.00"})) << "the put-back quantity counts";
    test::editLineCell(*window, 0, QStringLiteral("Qty_to_Bill"), QStringLiteral("-3"));
    EXPECT_EQ(ui.lastText(), qtext(BillingLines::kText["Negative"]));
    EXPECT_EQ(shownTotals(), (QStringList{"$ 2.14", "$ 0.14", "$ 2.00"}));
    test::editLineCell(*window, 0, QStringLiteral("Qty_to_Bill"), QStringLiteral("0"));
    EXPECT_EQ(shownTotals(), (QStringList{"$ 0.00", "$ 0.00", "$ 0.00"}));
    EXPECT_EQ(post(), qtext(BillingLines::kText["SpecifyQty"]));
    EXPECT_EQ(count(QStringLiteral("Document_T")), 2) << "the two notes only";
}

TEST_F(frmPurInvTest, TheChecksRunInOrderAndTheSupplierNumberIsAWholeNumber) {
    window->txtinvno->clear();
    EXPECT_EQ(post(), qtext(frmPurInv::kText["SpecifyEmployee"]));
    window->cboEmployee->setCurrentIndex(0);
    EXPECT_EQ(post(), qtext(frmPurInv::kText["CompanyInvalid"]));
    choose(window->party->cboCompany, QStringLiteral("Harbour Supplies"));
    EXPECT_EQ(post(), qtext(frmPurInv::kText["SpecifyInvNo"]));
    EXPECT_TRUE(focusedIn(window->txtinvno));
    // What the Part's numeric test lets through would fail the integer field.
    for (const char* text : {"12a", "1e3", "12.5", " ", "4294967296"}) {
        window->txtinvno->setText(QString::fromLatin1(text));
        EXPECT_EQ(post(), qtext(frmPurInv::kText["InvNoNotNumber"])) << text;
        EXPECT_TRUE(focusedIn(window->txtinvno)) << text;
        EXPECT_TRUE(window->txtinvno->selectedText().isEmpty()) << text;
    }
    window->txtinvno->setText(QStringLiteral("7001"));
    EXPECT_EQ(post(), qtext(EntryWindow::kSharedText["NoLines"]));
    test::dropPickRow(*window, test::pickRowOf(*window, 0, QStringLiteral("A100")));
    EXPECT_EQ(post(), qtext(BillingLines::kText["EnterDescription"]));
    EXPECT_EQ(count(QStringLiteral("Purchases_T")), 0);
}

TEST_F(frmPurInvTest, ASupplierTypedOverTheChosenOneCannotPostItsLines) {
    start(QStringLiteral("Harbour Supplies"));
    drop(QStringLiteral("A100"));
    // Another supplier's name typed, not chosen: the lines are Harbour's.
    window->party->cboCompany->setEditText(QString());
    type(window->party->cboCompany, QStringLiteral("Ohio Tools"));
    EXPECT_EQ(post(), qtext(frmPurInv::kText["CompanyInvalid"]));
    EXPECT_TRUE(focusedIn(window->party->cboCompany));
    EXPECT_EQ(count(QStringLiteral("Purchases_T")), 0);
    EXPECT_EQ(window->lines().recordCount(), 1);
}

TEST_F(frmPurInvTest, AnInvoiceTheBooksRefuseKeepsEverythingAndSaysWhy) {
    ASSERT_EQ(bill({{"A100", 2, 1}}), QStringLiteral("3")) << "number 5001 of Harbour Supplies";
    start(QStringLiteral("Harbour Supplies"), QStringLiteral("5001"));
    drop(QStringLiteral("B200"), QStringLiteral("2"));
    drop(QStringLiteral("A100"), QStringLiteral("4"));
    EXPECT_EQ(post(), clsPurInv::kFailureText +
                          QStringLiteral("\nThe supplier's invoice number 5001 is already in the books for "
                                         "this supplier."));
    EXPECT_FALSE(test::isPosted(*window));
    EXPECT_EQ(window->txtinvno->text(), QStringLiteral("5001"));
    EXPECT_EQ(window->party->cboCompany->currentText(), QStringLiteral("Harbour Supplies"));
    EXPECT_EQ(window->lines().recordCount(), 2);

    // Billed elsewhere since the list was read.
    window->txtinvno->setText(QStringLiteral("5002"));
    ASSERT_EQ(bill({{"A100", 2, 2}}, {.invNo = QStringLiteral("5003")}), QStringLiteral("4"));
    EXPECT_EQ(post(),
              clsPurInv::kFailureText +
                  QStringLiteral("\nLine 2: the quantity to bill is more than is still unbilled of item "
                                 "A100 on goods received note 2."));
    EXPECT_EQ(window->lines().position(), 1) << "the line the books named";
    EXPECT_EQ(count(QStringLiteral("Purchases_T")), 2) << "the two invoices of the data class";

    test::editLineCell(*window, 1, QStringLiteral("Qty_to_Bill"), QStringLiteral("2"));
    EXPECT_EQ(post(), qtext(frmPurInv::kText["Posted"]) + QStringLiteral("5"));
    EXPECT_EQ(balance(2100), QStringLiteral("-64.00")) << "note 1 and one of B200 still to bill";
}
