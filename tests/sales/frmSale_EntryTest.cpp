// The sales invoice window: a customer picked, delivered lines dragged in,
// quantities and descriptions typed, the invoice checked against the credit
// limit and created.
#include "sales/frmSale_Entry.h"
#include "ar/clsARSetup.h"
#include "support/PartyStaging.h"
#include "support/SalesBook.h"
#include "support/VatStaging.h"
#include "support/gui/EntryGestures.h"
#include "support/gui/WindowTest.h"
#include "vat/clsVATSetup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;

namespace {

class frmSale_EntryTest : public test::WindowTest<test::SalesBook, frmSale_Entry> {
protected:
    static constexpr int kCredit = 1230;

    void SetUp() override {
        WindowTest::SetUp();
        addAccount(kCredit, QStringLiteral("Credit Debtor"));
        clsARSetup customers;
        ASSERT_NE(customers.Send_Order(test::partyStaging(test::with(
                      test::localParty(kCredit, QStringLiteral("Credit Ltd")), "Credit_Limit", "1000"))),
                  clsARSetup::kCustomerFailed.create);
        clsVATSetup codes;
        ASSERT_NE(
            codes.Send_Order(test::vatStaging(test::vatCode(4, QStringLiteral("Old Standard"), "17.5"))),
            clsVATSetup::kFailed.create);
        ASSERT_EQ(receive({{"A100", 10, "10.5"}, {"B200", 5, "3"}, {"P300", 10, "50"}}), QStringLiteral("1"));
        // Order 1: eight anchor bolts for Acme at 10, VAT 7 %.
        ASSERT_EQ(deliver({{"A100", 8}}), QStringLiteral("1"));
        open();
    }
    void pick(const QString& customer) { choose(window->party->cboCompany, customer); }
    void drop(const QString& item) {
        const int row = test::pickRowOf(*window, 0, item);
        ASSERT_GE(row, 0) << item.toStdString();
        test::dropPickRow(*window, row);
    }
    void edit(int row, const char* field, const QString& text) {
        test::editLineCell(*window, row, QString::fromLatin1(field), text);
    }
    void employeeAndShipper() {
        window->cboEmployee->setCurrentIndex(0);
        choose(window->cboShipVia, QStringLiteral("Swift Couriers"));
    }
    QString post() {
        ui.clear();
        window->cmdSend->click();
        return ui.lastText();
    }
    QString totals() const {
        return window->txtSubTotal->text() + QLatin1Char('|') + window->txtVAT->text() + QLatin1Char('|') +
               window->txtNett->text();
    }
    QString text(const char* key) const { return frmSale_Entry::kText.textOf(QString::fromLatin1(key)); }
    QString billing(const char* key) const { return BillingLines::kText.textOf(QString::fromLatin1(key)); }
};

} // namespace

TEST_F(frmSale_EntryTest, ADroppedLineBillsOneAndAQuantityBeyondWhatIsUnbilledIsPutBack) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sales Invoice"));
    EXPECT_EQ(totals(), QStringLiteral("$0.00|$0.00|$0.00"));
    EXPECT_EQ(window->dtpRequired->date(), pinnedToday().addDays(7));
    ASSERT_EQ(invoice({{"A100", 1, 4}}), QStringLiteral("2")) << "four of the eight billed before";
    pick(QStringLiteral("Acme Trading"));
    EXPECT_EQ(window->party->txtbalance->text(), QStringLiteral("42.8"));
    EXPECT_EQ(window->party->txtCreditLimit->text(), QStringLiteral("5000"));
    EXPECT_EQ(window->party->txtCurRate->text(), QStringLiteral("1"));
    EXPECT_FALSE(window->party->txtCurRate->isEnabled());
    EXPECT_EQ(totals(), QStringLiteral("$ 0.00|$ 0.00|$ 0.00"));
    drop(QStringLiteral("A100"));
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("qty_billed")), QStringLiteral("4"));
    EXPECT_EQ(totals(), QStringLiteral("$ 10.70|$ 0.70|$ 10.00"));
    ui.clear();
    drop(QStringLiteral("A100"));
    EXPECT_EQ(ui.texts(), QStringList(qtext(EntryWindow::kSharedText["ItemExists"])))
        << "same order, item, PO";
    EXPECT_EQ(window->lines().recordCount(), 1);

    ui.clear();
    edit(0, "qty_to_bill", QStringLiteral("5"));
    EXPECT_EQ(ui.texts(), QStringList(billing("ExceedsUnbilled")));
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("qty_to_bill")), QStringLiteral("1"));
    EXPECT_EQ(totals(), QStringLiteral("$ 10.70|$ 0.70|$ 10.00")) << "the totals count the quantity put back";
    edit(0, "qty_to_bill", QStringLiteral("4"));
    EXPECT_EQ(totals(), QStringLiteral("$ 42.80|$ 2.80|$ 40.00"));
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("Gross")), QStringLiteral("42.8"));
}

TEST_F(frmSale_EntryTest, TheChecksRunInOrderWithTheirTitlesAndFocus) {
    ASSERT_EQ(deliver({{"B200", 2, "10"}}, QStringLiteral("B-1"), kForeign), QStringLiteral("2"));
    EXPECT_EQ(post(), text("CompanyInvalid"));
    type(window->party->cboCompany, QStringLiteral("Boston Imports"));
    EXPECT_EQ(post(), text("CompanyInvalid")) << "a typed name loads nothing";
    EXPECT_TRUE(focusedIn(window->party->cboCompany));
    pick(QStringLiteral("Boston Imports"));
    EXPECT_EQ(window->party->cboCreditor->text(), QStringLiteral("FOREIGN"));
    EXPECT_EQ(post(), text("SpecifyEmployee"));
    window->cboEmployee->setCurrentIndex(0);
    EXPECT_EQ(post(), text("SpecifyShipper"));
    choose(window->cboShipVia, QStringLiteral("Swift Couriers"));
    EXPECT_EQ(post(), qtext(PartyHeader::kText["EnterRate"]));
    EXPECT_EQ(ui.messages().back().title, QStringLiteral("Missing field"));
    type(window->party->txtCurRate, QStringLiteral("abc"));
    EXPECT_EQ(post(), qtext(PartyHeader::kText["RateNotNumber"]));
    EXPECT_EQ(ui.messages().back().title, QStringLiteral("Invalid Input"));
    EXPECT_EQ(window->party->txtCurRate->selectedText(), QStringLiteral("abc"));
    window->party->txtCurRate->setText(QStringLiteral("0"));
    EXPECT_EQ(post(), qtext(PartyHeader::kText["RateNotPositive"]));
    window->party->txtCurRate->setText(QStringLiteral("1.23456"));
    EXPECT_EQ(post(), qtext(EntryWindow::kSharedText["NoLines"]));

    drop(QStringLiteral("B200"));
    edit(0, "qty_to_bill", QStringLiteral("0"));
    EXPECT_EQ(post(), billing("SpecifyQty"));
    edit(0, "qty_to_bill", QStringLiteral("2"));
    EXPECT_EQ(post(), billing("EnterDescription")) << "a new line has no description";
    edit(0, "Description", QStringLiteral("brackets"));
    EXPECT_EQ(post(), text("Posted") + QStringLiteral("3"));
    // The rate is kept to four places; the lines carry the required date.
    EXPECT_EQ(scalar(QStringLiteral("SELECT cur_rate || '/' || date_dt || '/' || Credit_Limit FROM Sales_T")),
              QStringLiteral("1.2346/2010-06-22/9000"));
    EXPECT_EQ(balance(kForeign), QStringLiteral("26.42")) << "20.00 and 1.40 dollars, each at 1.2346";
}

TEST_F(frmSale_EntryTest, TheCreditLimitCountsTheBalanceAtThePickAndTheLinesAsPosted) {
    // 400.00 owed on four pump seals; six more and a bracket at a cent delivered.
    ASSERT_EQ(deliver({{"P300", 10, "100", QDate(2010, 6, 5), "2", "0"},
                       {"B200", 1, "0.01", QDate(2010, 6, 5), "2", "0"}},
                      QStringLiteral("C-1"), kCredit),
              QStringLiteral("2"));
    ASSERT_EQ(invoice({{"P300", 2, 4, "100", "2", "0", "C-1"}}, {.customer = kCredit}), QStringLiteral("3"));
    employeeAndShipper();
    pick(QStringLiteral("Credit Ltd"));
    EXPECT_EQ(window->party->txtbalance->text(), QStringLiteral("400"));
    drop(QStringLiteral("P300"));
    edit(0, "qty_to_bill", QStringLiteral("6"));
    drop(QStringLiteral("B200"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 600.01"));
    EXPECT_EQ(post(), text("OverCredit"));
    // What the clerk types into the balance and total boxes plays no part.
    window->party->txtbalance->setText(QStringLiteral("0"));
    window->txtSubTotal->setText(QStringLiteral("$ 1.00"));
    EXPECT_EQ(post(), text("OverCredit"));

    window->cmdNew->click();
    drop(QStringLiteral("P300"));
    edit(0, "qty_to_bill", QStringLiteral("6"));
    edit(0, "Description", QStringLiteral("seals"));
    EXPECT_EQ(post(), text("Posted") + QStringLiteral("4")) << "1000 - 400 - 600.00 is not below 0";
}

TEST_F(frmSale_EntryTest, ACreatedInvoicePostsItsVatAndCostAndLeavesTheBalanceOnScreen) {
    ASSERT_EQ(deliver({{"A100", 1, "10", QDate(2010, 6, 5), "4", "0.175"}}, QStringLiteral("PO-8")),
              QStringLiteral("2"));
    employeeAndShipper();
    pick(QStringLiteral("Acme Trading"));
    // The order of eight is the first row; the one at 17.5 % the second.
    test::dropPickRow(*window, 1);
    edit(0, "Description", QStringLiteral("one bolt"));
    EXPECT_EQ(totals(), QStringLiteral("$ 11.75|$ 1.75|$ 10.00"));
    EXPECT_EQ(post(), text("Posted") + QStringLiteral("3"));
    EXPECT_TRUE(test::isPosted(*window));
    EXPECT_EQ(scalar(QStringLiteral("SELECT vat_rate || '/' || do_no || '/' || PO FROM Sales_T")),
              QStringLiteral("17.5/2/PO-8"));
    EXPECT_EQ(balance(kCustomer), QStringLiteral("11.75"));
    EXPECT_EQ(balance(kSales), QStringLiteral("-10.00"));
    EXPECT_EQ(balance(kVat), QStringLiteral("-1.75"));
    EXPECT_EQ(balance(kCostOfSales), QStringLiteral("10.50")) << "the bolt's cost, relieved";
    EXPECT_EQ(balance(kShipped), QStringLiteral("84.00")) << "the eight of order 1 wait to be billed";
    // The number and the customer are emptied; the balance and the type stay.
    EXPECT_TRUE(window->txtOrderID->text().isEmpty());
    EXPECT_TRUE(window->party->cboCompany->currentText().isEmpty());
    EXPECT_TRUE(window->party->txtCurRate->text().isEmpty());
    EXPECT_EQ(window->party->txtbalance->text(), QStringLiteral("0"));
    EXPECT_EQ(window->party->cboCreditor->text(), QStringLiteral("LOCAL"));
    pick(QStringLiteral("Acme Trading"));
    EXPECT_EQ(window->party->txtbalance->text(), QStringLiteral("11.75")) << "the customer owes the invoice";
    EXPECT_TRUE(window->cmdSend->isEnabled());

    window->Command1->click();
    EXPECT_EQ(ui.endings(), 1) << "EXIT ends the program";
}

TEST_F(frmSale_EntryTest, AnInvoiceTheBooksRefuseKeepsEverythingAndSelectsTheLine) {
    ASSERT_EQ(deliver({{"B200", 2, "10"}}), QStringLiteral("2"));
    employeeAndShipper();
    pick(QStringLiteral("Acme Trading"));
    drop(QStringLiteral("A100"));
    drop(QStringLiteral("B200"));
    edit(0, "Description", QStringLiteral("bolt"));
    edit(1, "Description", QStringLiteral("washer"));
    edit(1, "qty_to_bill", QStringLiteral("2"));
    // Billed elsewhere since the list was read.
    ASSERT_EQ(invoice({{"B200", 2, 1}}), QStringLiteral("3"));
    EXPECT_EQ(post(),
              clsSale_Entry::kFailureText +
                  QStringLiteral("\nLine 2 (item B200 of delivery order 2) bills more than is delivered "
                                 "and not yet billed; read the delivered lines again."));
    EXPECT_FALSE(test::isPosted(*window));
    EXPECT_EQ(window->party->cboCompany->currentText(), QStringLiteral("Acme Trading"));
    EXPECT_EQ(window->lines().recordCount(), 2);
    EXPECT_EQ(window->lines().position(), 1) << "the line the books named";
    EXPECT_EQ(count(QStringLiteral("Sales_T")), 1) << "the data class's invoice alone";
}
