// The goods received note: a supplier picked, items dragged from the stock
// list, quantities and costs typed, the note checked and posted.
#include "purchases/frmGRN.h"
#include "data/PartyRequest.h"
#include "purchases/clsAPSetup.h"
#include "support/PartyStaging.h"
#include "support/StockBook.h"
#include "support/gui/EntryGestures.h"
#include "support/gui/PinnedTexts.h"
#include "support/gui/WindowTest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;

namespace {

class frmGRNTest : public test::WindowTest<test::StockBook, frmGRN> {
protected:
    static constexpr int kForeign = 2020;

    void SetUp() override {
        WindowTest::SetUp();
        addAccount(kForeign, QStringLiteral("Pacific Traders"));
        clsAPSetup suppliers;
        ASSERT_NE(
            suppliers.Send_Order(test::partyStaging(
                test::with(test::foreignParty(kForeign, QStringLiteral("Pacific Traders")), "VAT_Reg", "X1"),
                true)),
            clsAPSetup::kFailed.create);
        open();
    }
    void pickSupplier(const QString& name) { choose(window->party->cboCompany, name); }
    void drop(const QString& item) {
        const int row = test::pickRowOf(*window, 1, item);
        ASSERT_GE(row, 0) << item.toStdString();
        test::dropPickRow(*window, row);
    }
    void edit(int row, const char* field, const QString& text) {
        test::editLineCell(*window, row, QString::fromLatin1(field), text);
    }
    // A local note ready to post: employee, supplier, order number.
    void localNote() {
        window->cboEmployee->setCurrentIndex(0);
        pickSupplier(QStringLiteral("Harbour Supplies"));
        type(window->txtPO, QStringLiteral("PO-77"));
    }
    QString post() {
        ui.clear();
        window->cmdSend->click();
        return ui.lastText();
    }
    QString lastTitle() const { return ui.messages().empty() ? QString() : ui.messages().back().title; }
};

} // namespace

TEST_F(frmGRNTest, ALocalSupplierPostsAtRateOneAndAForeignOneAsksForItsRate) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Goods Received Note"));
    EXPECT_EQ(window->cmdSend->text(), QStringLiteral("Create GRN"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$0.00")) << "the design text until a first total";
    EXPECT_EQ(items(window->party->cboCompany), (QStringList{"Harbour Supplies", "Pacific Traders"}));
    pickSupplier(QStringLiteral("Harbour Supplies"));
    EXPECT_EQ(window->party->cboCreditor->text(), QStringLiteral("LOCAL"));
    EXPECT_EQ(window->party->txtCurRate->text(), QStringLiteral("1"));
    EXPECT_FALSE(window->party->txtCurRate->isEnabled());
    EXPECT_EQ(window->party->txtCurType->text(), QStringLiteral("SGD"));
    EXPECT_EQ(window->party->txtCity->text(), QStringLiteral("Singapore"));

    pickSupplier(QStringLiteral("Pacific Traders"));
    EXPECT_EQ(window->party->cboCreditor->text(), QStringLiteral("FOREIGN"));
    EXPECT_TRUE(window->party->txtCurRate->text().isEmpty());
    EXPECT_TRUE(window->party->txtCurRate->isEnabled());
}

TEST_F(frmGRNTest, TheChecksRunInOrderAndStopAtTheFirst) {
    EXPECT_EQ(post(), qtext(frmGRN::kText["SpecifyEmployee"])) << "every box empty";
    type(window->cboEmployee, QStringLiteral("Nobody"));
    EXPECT_EQ(post(), qtext(frmGRN::kText["SpecifyEmployee"])) << "a typed name that is no employee's";
    EXPECT_TRUE(focusedIn(window->cboEmployee));
    window->cboEmployee->setCurrentIndex(0);
    EXPECT_EQ(post(), qtext(frmGRN::kText["CompanyInvalid"]));
    type(window->party->cboCompany, QStringLiteral("Unknown Traders"));
    EXPECT_EQ(post(), qtext(frmGRN::kText["CompanyInvalid"])) << "a typed name that is no supplier's";
    EXPECT_TRUE(focusedIn(window->party->cboCompany));

    pickSupplier(QStringLiteral("Pacific Traders"));
    EXPECT_EQ(post(), qtext(frmGRN::kText["SpecifyPO"]));
    // Ten characters at most: the eleventh key beeps and says so, a longer
    // paste is refused whole.
    ui.clear();
    type(window->txtPO, QStringLiteral("PO-12345678"));
    QCoreApplication::processEvents();
    window->txtPO->insert(QStringLiteral("9"));
    QCoreApplication::processEvents();
    EXPECT_EQ(window->txtPO->text(), QStringLiteral("PO-1234567"));
    EXPECT_EQ(ui.beeps(), 2);
    EXPECT_EQ(ui.lastText(), QStringLiteral("PO No. may have at most 10 characters"));
    EXPECT_EQ(post(), qtext(PartyHeader::kText["EnterRate"]));
    EXPECT_EQ(lastTitle(), QStringLiteral("Missing field"));
    type(window->party->txtCurRate, QStringLiteral("abc"));
    EXPECT_EQ(post(), qtext(PartyHeader::kText["RateNotNumber"]));
    EXPECT_EQ(lastTitle(), QStringLiteral("Invalid Input"));
    EXPECT_EQ(window->party->txtCurRate->selectedText(), QStringLiteral("abc"));
    for (const char* rate : {"0", "-2"}) {
        window->party->txtCurRate->setText(QString::fromLatin1(rate));
        EXPECT_EQ(post(), qtext(PartyHeader::kText["RateNotPositive"])) << rate;
    }
    window->party->txtCurRate->setText(QStringLiteral("1.29"));
    EXPECT_EQ(post(), qtext(EntryWindow::kSharedText["NoLines"]));

    drop(QStringLiteral("A100"));
    edit(0, "Qty_Order", QStringLiteral("0"));
    EXPECT_EQ(post(), qtext(frmGRN::kText["NegativeQuantity"]));
    edit(0, "Qty_Order", QStringLiteral("2"));
    edit(0, "Unit_Price_TI", QStringLiteral("0"));
    EXPECT_EQ(post(), qtext(frmGRN::kText["NegativePricing"]));
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
}

TEST_F(frmGRNTest, LinesTotalExactlyAndADuplicateDropChangesNothing) {
    localNote();
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.00"));
    drop(QStringLiteral("A100"));
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("Qty_Order")), QStringLiteral("1"));
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("Description")), QStringLiteral("Anchor bolt"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 1.00"));
    edit(0, "Unit_Price_TI", QStringLiteral("10.5"));
    drop(QStringLiteral("B200"));
    edit(1, "Qty_Order", QStringLiteral("4"));
    edit(1, "Unit_Price_TI", QStringLiteral("0.5"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 12.50"));

    ui.clear();
    drop(QStringLiteral("A100"));
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_EQ(ui.texts(), QStringList(qtext(EntryWindow::kSharedText["ItemExists"])));
    EXPECT_EQ(window->lines().recordCount(), 2);
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 12.50"));

    edit(1, "Qty_Order", QStringLiteral("x"));
    EXPECT_EQ(test::lineCell(*window, 1, QStringLiteral("Qty_Order")), QStringLiteral("4"))
        << "a cell that is not a number is refused and keeps its value";
    EXPECT_EQ(ui.lastText(), QStringLiteral("Line 2, Qty: type a whole number"));
    EXPECT_EQ(window->dgrOrderDetails->model()->headerData(3, Qt::Horizontal).toString(),
              QStringLiteral("Qty"))
        << "the column is headed as the message names it";
}

TEST_F(frmGRNTest, APostedNoteIsNumberedAndEachLineKeepsTheDayItCameIn) {
    localNote();
    drop(QStringLiteral("A100"));
    edit(0, "Qty_Order", QStringLiteral("3"));
    edit(0, "Unit_Price_TI", QStringLiteral("2.5"));
    drop(QStringLiteral("P300"));
    // A line dragged in yesterday keeps yesterday.
    const QDate yesterday = pinnedToday().addDays(-1);
    Recordset lines = window->lines();
    lines.setValueAt(0, lines.fieldIndex(QStringLiteral("Date")), Variant(yesterday));
    if (yesterday.year() != pinnedToday().year())
        lines.setValueAt(1, lines.fieldIndex(QStringLiteral("Date")), Variant(yesterday));

    EXPECT_EQ(post(), qtext(frmGRN::kText["Posted"]) + QStringLiteral("1"));
    EXPECT_EQ(window->txtOrderID->text(), QStringLiteral("1"));
    EXPECT_TRUE(test::isPosted(*window));
    EXPECT_EQ(count(QStringLiteral("Document_T")), 1);
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT group_concat(Doc_No_VC || '/' || Order_No || '/' || customerid || '/' || PO "
                  "|| '/' || cur_rate, ' ') FROM Temp_Stock_T")),
              QStringLiteral("1/1/2010/PO-77/1.0 1/1/2010/PO-77/1.0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT date_dt FROM Temp_Stock_T WHERE Pdt_ID_VC = 'A100'")),
              yesterday.toString(Qt::ISODate));
    // The supplier boxes are emptied and the stock list shows the goods.
    EXPECT_TRUE(window->party->cboCompany->currentText().isEmpty());
    EXPECT_TRUE(window->txtPO->text().isEmpty());
    EXPECT_TRUE(window->party->txtCurRate->text().isEmpty());
    EXPECT_EQ(window->hfgProducts->cellText(test::pickRowOf(*window, 1, QStringLiteral("A100")), 5),
              QStringLiteral("3"));
    EXPECT_EQ(window->lines().recordCount(), 2) << "the posted lines stay on screen";
}

TEST_F(frmGRNTest, LinesDatedInTwoYearsAreRefusedBeforeAnythingIsWritten) {
    localNote();
    drop(QStringLiteral("A100"));
    drop(QStringLiteral("B200"));
    Recordset lines = window->lines();
    lines.setValueAt(0, lines.fieldIndex(QStringLiteral("Date")), Variant(pinnedToday().addYears(-1)));
    // The dates are hidden in the grid: the message names the lines.
    EXPECT_EQ(post(),
              qtext(frmGRN::kText["OneYear"]) + QStringLiteral("\nLine 1 falls in %1; line 2 falls in %2.")
                                                    .arg(pinnedToday().year() - 1)
                                                    .arg(pinnedToday().year()));
    EXPECT_EQ(window->dgrOrderDetails->currentIndex().row(), 1);
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
    EXPECT_EQ(window->lines().recordCount(), 2) << "nothing typed is lost";
}

TEST_F(frmGRNTest, AForeignNoteComesIntoStockAtItsRate) {
    window->cboEmployee->setCurrentIndex(0);
    pickSupplier(QStringLiteral("Pacific Traders"));
    type(window->txtPO, QStringLiteral("PO-9"));
    type(window->party->txtCurRate, QStringLiteral("1.2345"));
    drop(QStringLiteral("A100"));
    edit(0, "Qty_Order", QStringLiteral("2"));
    edit(0, "Unit_Price_TI", QStringLiteral("10"));
    EXPECT_EQ(post(), qtext(frmGRN::kText["Posted"]) + QStringLiteral("1"));
    // 20.00 at 1.2345 is 24.69 in the books' own currency.
    EXPECT_EQ(balance(1300), QStringLiteral("24.69"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Cur_Type || ' ' || cur_rate FROM Temp_Stock_T")),
              QStringLiteral("USD 1.2345"));
}

TEST_F(frmGRNTest, ANoteTheBooksRefuseKeepsItsSupplierAndCanBePostedAgain) {
    localNote();
    drop(QStringLiteral("A100"));
    // The item is gone from the books by the time the note is posted.
    Recordset lines = window->lines();
    lines.setValueAt(0, lines.fieldIndex(QStringLiteral("Product_No")), Variant(QStringLiteral("Z999")));
    EXPECT_EQ(post(),
              clsGRN::kFailureText + QStringLiteral("\nLine 1 names an item that is not in the books."));
    EXPECT_FALSE(test::isPosted(*window));
    EXPECT_EQ(window->party->cboCompany->currentText(), QStringLiteral("Harbour Supplies"));
    EXPECT_EQ(window->txtPO->text(), QStringLiteral("PO-77"));
    EXPECT_EQ(window->party->txtCurRate->text(), QStringLiteral("1"))
        << "a local rate box stays filled, though locked";
    EXPECT_EQ(window->party->cboCreditor->text(), QStringLiteral("LOCAL"));

    lines.setValueAt(0, lines.fieldIndex(QStringLiteral("Product_No")), Variant(QStringLiteral("A100")));
    EXPECT_EQ(post(), qtext(frmGRN::kText["Posted"]) + QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("Temp_Stock_T")), 1);
}

TEST_F(frmGRNTest, ALineTooLargeToBeKeptIsRefusedByTheWindowAndShowsNoStaleTotal) {
    localNote();
    drop(QStringLiteral("A100"));
    edit(0, "Description", QStringLiteral("bulk"));
    edit(0, "Qty_Order", QStringLiteral("2000000000"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 2000000000.00"));
    ui.clear();
    edit(0, "Unit_Price_TI", QStringLiteral("99999999"));
    EXPECT_EQ(ui.lastText(), QStringLiteral("Amount out of range"));
    EXPECT_TRUE(window->txtSubTotal->text().isEmpty()) << "no total rather than the one before the edit";
    EXPECT_EQ(post(), qtext(EntryWindow::kSharedText["AmountTooLarge"]));
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
    edit(0, "Qty_Order", QStringLiteral("2"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 199999998.00"));
    EXPECT_EQ(post(), qtext(frmGRN::kText["Posted"]) + QStringLiteral("1"));
}

TEST_F(frmGRNTest, ASupplierTypedOverAChosenOneKeepsNoneOfItsDetailsAndCannotPost) {
    localNote();
    drop(QStringLiteral("A100"));
    window->party->cboCompany->lineEdit()->selectAll();
    type(window->party->cboCompany, QStringLiteral("Pacific Traders"));
    EXPECT_TRUE(window->party->txtCity->text().isEmpty()) << "the former supplier's address is gone";
    EXPECT_TRUE(window->party->txtCurType->text().isEmpty());
    EXPECT_TRUE(window->party->cboCreditor->text().isEmpty());
    EXPECT_EQ(post(), qtext(frmGRN::kText["CompanyInvalid"]))
        << "the typed supplier's details were never read";
    EXPECT_TRUE(focusedIn(window->party->cboCompany));
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);

    // Enter takes the typed supplier as chosen: its own details come in.
    QTest::keyClick(window->party->cboCompany->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(window->party->cboCreditor->text(), QStringLiteral("FOREIGN"));
    EXPECT_EQ(window->party->txtCurType->text(), QStringLiteral("USD"));
}

TEST_F(frmGRNTest, AnEmptiedDateCellIsRefusedWithAClearMessageAndKeepsItsDate) {
    localNote();
    drop(QStringLiteral("A100"));
    edit(0, "Description", QStringLiteral("bolts"));
    const QString dropped = test::lineCell(*window, 0, QStringLiteral("Date"));
    ui.clear();
    edit(0, "Date", QString());
    EXPECT_EQ(
        ui.lastText(),
        QStringLiteral("Line 1, Date: a line's date cannot be left empty; type a date such as 31/12/2026"));
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("Date")), dropped);
    EXPECT_EQ(post(), qtext(frmGRN::kText["Posted"]) + QStringLiteral("1"));
}

TEST_F(frmGRNTest, LinesThatEachFitButTogetherCannotBeSummedShowNoTotalAndAreNotPosted) {
    localNote();
    for (const char* item : {"A100", "B200"})
        drop(QString::fromLatin1(item));
    for (int row = 0; row < 2; ++row) {
        edit(row, "Qty_Order", QStringLiteral("2000000000"));
        edit(row, "Unit_Price_TI", QStringLiteral("300000"));
    }
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("ExtendedPrice")), QStringLiteral("600000000000000"));
    EXPECT_TRUE(window->txtSubTotal->text().isEmpty()) << "no total rather than the one before the edit";
    EXPECT_EQ(ui.lastText(), qtext(EntryWindow::kSharedText["TotalTooLarge"]));
    EXPECT_EQ(post(), qtext(EntryWindow::kSharedText["TotalTooLarge"]));
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);

    edit(1, "Qty_Order", QStringLiteral("1"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 600000000300000.00"));
}

TEST_F(frmGRNTest, TheTotalIsTheSumOfTheLinesAsTheBooksValueThem) {
    localNote();
    for (const char* item : {"A100", "B200", "P300"}) {
        drop(QString::fromLatin1(item));
        edit(window->lines().recordCount() - 1, "Unit_Price_TI", QStringLiteral("0.005"));
    }
    // Each line is worth a cent in the books: three lines, three cents.
    EXPECT_EQ(test::lineCell(*window, 2, QStringLiteral("ExtendedPrice")), QStringLiteral("0.01"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.03"));
    EXPECT_EQ(post(), qtext(frmGRN::kText["Posted"]) + QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT printf('%.2f', SUM(Amount_NU) / 10000.0) FROM Ledger_T WHERE Leg = 'STOCK'")),
              QStringLiteral("0.03"));
}

TEST(frmGRNTexts, TheNoteShowsTheTextsAsWritten) {
    test::expectPinnedTexts(
        frmGRN::kText,
        {
            {"Caption", "Goods Received Note"},
            {"Frame1", "Creditor Detail"},
            {"cboCompany", "Supplier :"},
            {"txtAddress", "Address"},
            {"txtCity", "City"},
            {"txtRegion", "Region"},
            {"txtCountry", "Country"},
            {"txtPostal", "Postal"},
            {"txtPhone", "Phone"},
            {"cboCreditor", "Supplier Type :"},
            {"txtCurType", "Cur Type"},
            {"txtCurRate", "Cur Rate"},
            {"txtPO", "PO No :"},
            {"cboEmployee", "Employee"},
            {"txtOrderID", "GRN Number"},
            {"txtSubTotal", " Total"},
            {"SubTotalAtDesign", "$0.00"},
            {"hfgProducts", "Available Products"},
            {"PickHint", "Below are the available items in inventory"},
            {"dgrOrderDetails", "Received Items"},
            {"cmdNew", "New GRN"},
            {"cmdSend", "Create GRN"},
            {"Posted", "Your GRN has been issued. The confirmation number is: "},
            {"EnterDescription", "Please enter description for this item"},
            {"SpecifyEmployee", "Specify Employee Name!"},
            {"CompanyInvalid", "Company Name must be valid!"},
            {"SpecifyPO", " Specify PO Number! "},
            {"NegativeQuantity", "Negative Quantity is disallowed"},
            {"NegativePricing", "Negative Pricing is disallowed"},
            {"OneYear",
             "All lines of a note must fall in one year: post each year's lines on a note of their own"},
        });
}

// A supplier or an employee added elsewhere while the note is open is in the
// lists once the clerk comes back to it; what was chosen or typed stays.
TEST_F(frmGRNTest, ListsAreReadAgainWhenTheWindowIsActivatedAfterTheBooksChanged) {
    pickSupplier(QStringLiteral("Harbour Supplies"));
    window->cboEmployee->setEditText(QStringLiteral("Tan"));
    addAccount(2030, QStringLiteral("Bay Traders"));
    addLocalSupplier(2030, QStringLiteral("Bay Traders"));
    addEmployee(QStringLiteral("Wong"), QStringLiteral("Li"));
    QEvent activated(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window.get(), &activated);
    EXPECT_TRUE(items(window->party->cboCompany).contains(QStringLiteral("Bay Traders")));
    EXPECT_TRUE(items(window->cboEmployee).contains(QStringLiteral("Wong, Li")));
    EXPECT_EQ(window->cboEmployee->currentText(), QStringLiteral("Tan"));
    EXPECT_EQ(window->party->txtCity->text(), QStringLiteral("Singapore"));
    EXPECT_TRUE(window->party->isLoaded()) << "the supplier chosen stays chosen";
}
