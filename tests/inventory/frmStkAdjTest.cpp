// The stock adjustment window: an account set chosen, its stock rows dragged
// into the journal, counted, checked and posted.
#include "inventory/frmStkAdj.h"
#include "support/StockBook.h"
#include "support/gui/EntryGestures.h"
#include "support/gui/PinnedTexts.h"
#include "support/gui/WindowTest.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;

namespace {

class frmStkAdjTest : public test::WindowTest<test::StockBook, frmStkAdj> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_EQ(receive({{"A100", 10, "2.5"}, {"B200", 2, "3"}}), QStringLiteral("1"));
        open();
    }
    void drop(const QString& docId) {
        const int row = test::pickRowOf(*window, 0, docId);
        ASSERT_GE(row, 0) << docId.toStdString();
        test::dropPickRow(*window, row);
    }
    void edit(int row, const char* field, const QString& text) {
        test::editLineCell(*window, row, QString::fromLatin1(field), text);
    }
    // A counted line ready to post against stock adjustments (5100).
    void counted(const QString& docId, const QString& qty) {
        drop(docId);
        const int row = window->lines().recordCount() - 1;
        edit(row, "Qty_NU", qty);
        edit(row, "Description", QStringLiteral("count"));
        edit(row, "GL_ID", QStringLiteral("5100"));
    }
    QString post() {
        ui.clear();
        window->cmdSend->click();
        return ui.lastText();
    }
};

} // namespace

TEST_F(frmStkAdjTest, ChoosingASetShowsItsAccountsAndOffersItsStockRows) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Stock Adjustment"));
    EXPECT_EQ(items(window->cboCompany), (QStringList{"1", "2"}));
    EXPECT_EQ(window->hfgProducts->rows(), 0) << "nothing is offered before a set is chosen";
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$0.00")) << "the design text until a first total";
    choose(window->cboCompany, QStringLiteral("1"));
    EXPECT_EQ(window->txtAcctset->text(), QStringLiteral("STANDARD"));
    EXPECT_EQ(window->txtStock->text(), QStringLiteral("1300"));
    EXPECT_EQ(window->txtCosting->text(), QStringLiteral("FIFO"));
    EXPECT_EQ(window->hfgProducts->rows(), 2) << "both items of one note";
    EXPECT_EQ(window->hfgProducts->cellText(1, 0), QStringLiteral("1/2"));

    drop(QStringLiteral("1/1"));
    drop(QStringLiteral("1/2"));
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("Qty_NU")), QStringLiteral("10"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 31.00"));
    ui.clear();
    drop(QStringLiteral("1/1"));
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_EQ(ui.texts(), QStringList(qtext(EntryWindow::kSharedText["ItemExists"])));
    EXPECT_EQ(window->lines().recordCount(), 2);

    choose(window->cboCompany, QStringLiteral("2"));
    EXPECT_EQ(window->lines().recordCount(), 0) << "a new set discards the lines not posted";
    EXPECT_EQ(window->txtCosting->text(), QStringLiteral("AVEG"));
}

TEST_F(frmStkAdjTest, TheChecksRunInOrderAndACountBelowNothingNeverLeaves) {
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["SelectSet"]));
    type(window->cboCompany, QStringLiteral("9"));
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["SelectSet"])) << "a typed set with no stock account";
    choose(window->cboCompany, QStringLiteral("1"));
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["SpecifyEmployee"]));
    type(window->cboEmployee, QStringLiteral("Tan Mary"));
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["SpecifyEmployee"])) << "an employee text without a comma";
    EXPECT_TRUE(focusedIn(window->cboEmployee));
    window->cboEmployee->setCurrentIndex(0);
    EXPECT_EQ(post(), qtext(EntryWindow::kSharedText["NoLines"]));

    drop(QStringLiteral("1/1"));
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["SpecifyAccount"]))
        << "the account is asked for before the description";
    edit(0, "GL_ID", QStringLiteral("5100"));
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["SpecifyDescription"]));
    edit(0, "Description", QStringLiteral("count"));
    edit(0, "Qty_NU", QStringLiteral("-1"));
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["NegativeCount"]));
    edit(0, "Qty_NU", QStringLiteral("12"));
    edit(0, "Unit_Price_TI", QStringLiteral("-1"));
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["NegativePrice"]));
    edit(0, "Qty_NU", QStringLiteral("8"));
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["Posted"]) + QStringLiteral("2"))
        << "a count down leaves at cost, not at the price";
    EXPECT_EQ(balance(5100), QStringLiteral("5.00"));
}

TEST_F(frmStkAdjTest, APostedJournalIsNumberedDatedAndLocked) {
    choose(window->cboCompany, QStringLiteral("1"));
    window->cboEmployee->setCurrentIndex(0);
    window->dtpOrder->setDate(QDate(2010, 6, 12));
    counted(QStringLiteral("1/1"), QStringLiteral("9"));
    counted(QStringLiteral("1/2"), QStringLiteral("2"));
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["Posted"]) + QStringLiteral("2"));
    EXPECT_EQ(window->txtOrderID->text(), QStringLiteral("2"));
    EXPECT_TRUE(test::isPosted(*window));
    EXPECT_EQ(scalar(QStringLiteral("SELECT date_dt FROM Document_T WHERE DocID = 2")),
              QStringLiteral("2010-06-12"));
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT group_concat(DocID || '/' || Doc_ID || '/' || date_dt || '/' || Stock_IN "
                  "|| '/' || doc_type, ' ') FROM Stock_Adj_T")),
              QStringLiteral("2/1/1/2010-06-12/1300/ADJ 2/1/2/2010-06-12/1300/ADJ"));
    EXPECT_EQ(onHand(QStringLiteral("A100")), QStringLiteral("9/22.50"));

    window->cmdNew->click();
    EXPECT_FALSE(test::isPosted(*window));
    EXPECT_EQ(window->hfgProducts->cellText(0, 2), QStringLiteral("9")) << "New reads the stock rows again";
}

TEST_F(frmStkAdjTest, TheLineTheBooksRefuseBecomesTheGridsCurrentRow) {
    choose(window->cboCompany, QStringLiteral("1"));
    window->cboEmployee->setCurrentIndex(0);
    counted(QStringLiteral("1/1"), QStringLiteral("10"));
    counted(QStringLiteral("1/2"), QStringLiteral("2"));
    edit(1, "GL_ID", QStringLiteral("9999"));
    window->dgrOrderDetails->setCurrentIndex(window->dgrOrderDetails->model()->index(0, 0));
    EXPECT_EQ(post(), clsStk_Adj::kFailureText +
                          QStringLiteral("\nLine 2: account 9999 is not an active account of the chart."));
    EXPECT_EQ(window->dgrOrderDetails->currentIndex().row(), 1);
}

TEST_F(frmStkAdjTest, ARefusedJournalKeepsItsLines) {
    choose(window->cboCompany, QStringLiteral("1"));
    window->cboEmployee->setCurrentIndex(0);
    drop(QStringLiteral("1/1"));
    edit(0, "Description", QStringLiteral("count"));
    edit(0, "GL_ID", QStringLiteral("1300")); // the stock account itself
    EXPECT_EQ(post(), clsStk_Adj::kFailureText +
                          QStringLiteral("\nLine 1: account 1300 belongs to a customer, supplier, bank, VAT "
                                         "code or product; post to it through that record's own documents."));
    EXPECT_FALSE(test::isPosted(*window));
    EXPECT_EQ(window->lines().recordCount(), 1);
    EXPECT_EQ(count(QStringLiteral("Stock_Adj_T")), 0);
}

TEST_F(frmStkAdjTest, ACountTooLargeToBeKeptIsRefusedByTheWindowAndShowsNoStaleTotal) {
    choose(window->cboCompany, QStringLiteral("1"));
    window->cboEmployee->setCurrentIndex(0);
    counted(QStringLiteral("1/1"), QStringLiteral("2000000000"));
    ui.clear();
    edit(0, "Unit_Price_TI", QStringLiteral("99999999"));
    EXPECT_EQ(ui.lastText(), QStringLiteral("Amount out of range"));
    EXPECT_TRUE(window->txtSubTotal->text().isEmpty()) << "no total rather than the one before the edit";
    EXPECT_EQ(post(), qtext(EntryWindow::kSharedText["AmountTooLarge"]));
    EXPECT_EQ(count(QStringLiteral("Stock_Adj_T")), 0);
    EXPECT_EQ(window->lines().recordCount(), 1);
}

TEST_F(frmStkAdjTest, TypingOverAChosenSetClearsItsAccountsSoNoJournalPostsAgainstThem) {
    choose(window->cboCompany, QStringLiteral("1"));
    window->cboEmployee->setCurrentIndex(0);
    window->cboCompany->lineEdit()->selectAll();
    type(window->cboCompany, QStringLiteral("2"));
    EXPECT_TRUE(window->txtStock->text().isEmpty()) << "set 1's stock account no longer shows under set 2";
    EXPECT_TRUE(window->txtAcctset->text().isEmpty());
    EXPECT_TRUE(window->txtCosting->text().isEmpty());
    window->cmdNew->click();
    counted(window->hfgProducts->cellText(0, 0), QStringLiteral("0"));
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["SelectSet"]));
    EXPECT_TRUE(focusedIn(window->cboCompany));
    EXPECT_EQ(window->lines().recordCount(), 1);
}

TEST(frmStkAdjTexts, TheJournalShowsTheTextsAsWritten) {
    test::expectPinnedTexts(
        frmStkAdj::kText,
        {
            {"Caption", "Stock Adjustment"},
            {"Frame1", "Inventory Account Setting"},
            {"cboCompany", "Acct Set ID :"},
            {"txtAcctset", "Acctset :"},
            {"txtStock", "Stock :"},
            {"txtCosting", "Costing :"},
            {"Label8", "Stock Item"},
            {"Label9", "Journal Entry"},
            {"cboEmployee", "Employee"},
            {"txtSubTotal", " Total"},
            {"SubTotalAtDesign", "$0.00"},
            {"txtOrderID", "Journal  Number :"},
            {"cmdNew", "NEW"},
            {"cmdSend", "POST"},
            {"Posted", "Stock Adjustment Journal has been posted. The Journal Number is: "},
            {"SelectSet", "Select an Account Set ID first!"},
            {"SpecifyEmployee", " Specify Employee Name "},
            {"SpecifyAccount", "Specify GL_ID Code to post for this stock item"},
            {"SpecifyDescription", "Specify Description for this journal"},
            {"NegativeCount", "The counted quantity must be 0 or more: stock cannot fall below nothing"},
            {"NegativePrice", "Stock counted up comes in at the unit price: enter a price of 0 or more"},
            {"CountedBeforeReceived",
             "Line %1: the stock of %2 was received on %3, after this journal's date. "
             "Date the journal on or after that day."},
        });
}

TEST_F(frmStkAdjTest, ACountDatedBeforeTheGoodsArrivedIsRefusedBeforeItPosts) {
    choose(window->cboCompany, QStringLiteral("1"));
    window->cboEmployee->setCurrentIndex(0);
    window->dtpOrder->setDate(QDate(2010, 5, 20));
    counted(QStringLiteral("1/2"), QStringLiteral("3"));
    counted(QStringLiteral("1/1"), QStringLiteral("4"));
    EXPECT_EQ(post(), QStringLiteral("Line 2: the stock of 1/1 was received on 01/06/2010, after this "
                                     "journal's date. Date the journal on or after that day."))
        << "counting up is no issue; counting down is";
    EXPECT_EQ(count(QStringLiteral("Document_T")), 1) << "only the goods received note";
    window->dtpOrder->setDate(QDate(2010, 6, 1));
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["Posted"]) + QStringLiteral("2"));
}

TEST_F(frmStkAdjTest, EnterOnAPickRowDropsItAsTheMouseWould) {
    choose(window->cboCompany, QStringLiteral("1"));
    window->hfgProducts->setFocus();
    window->hfgProducts->setCurrentIndex(window->hfgProducts->model()->index(1, 0));
    QTest::keyClick(window->hfgProducts, Qt::Key_Return);
    ASSERT_EQ(window->lines().recordCount(), 1);
    EXPECT_EQ(test::lineCell(*window, 0, QStringLiteral("Doc_ID")), QStringLiteral("1/2"));
    ui.clear();
    QTest::keyClick(window->hfgProducts, Qt::Key_Enter);
    EXPECT_EQ(ui.beeps(), 1) << "the same row twice is refused as a drag is";
    EXPECT_EQ(window->lines().recordCount(), 1);
}

TEST_F(frmStkAdjTest, ASetNameHoldingANulIsRefusedByTheSetsCheckNotByTheDatabase) {
    window->cboEmployee->setCurrentIndex(0);
    window->cboCompany->setEditText(QStringLiteral("1") + QChar(0));
    ui.clear();
    emit window->cboCompany->activated(window->cboCompany->currentIndex());
    EXPECT_TRUE(ui.texts().isEmpty()) << "a name that is no set's reads nothing";
    EXPECT_TRUE(window->txtStock->text().isEmpty());
    EXPECT_EQ(post(), qtext(frmStkAdj::kText["SelectSet"]));
    EXPECT_TRUE(focusedIn(window->cboCompany));
}

TEST_F(frmStkAdjTest, AStockListLongerThanAPageIsReadAsTheGridIsScrolledToItsEnd) {
    std::vector<Received> lines;
    for (int i = 0; i < frmStkAdj::kItemsPerPage + 5; ++i) {
        const QString code = QStringLiteral("C%1").arg(i, 3, 10, QLatin1Char('0'));
        addItem(code, QStringLiteral("Cable ") + code);
        lines.push_back({code, 1, QStringLiteral("1")});
    }
    ASSERT_EQ(receive(lines, QStringLiteral("PO-2")), QStringLiteral("2"));
    const Recordset every = clsStk_Adj().Get_Customer_Order(QStringLiteral("1"));
    ASSERT_EQ(every.recordCount(), frmStkAdj::kItemsPerPage + 7);

    choose(window->cboCompany, QStringLiteral("1"));
    EXPECT_EQ(window->hfgProducts->rows(), frmStkAdj::kItemsPerPage) << "the rows of the first 50 items";
    window->hfgProducts->scrollToBottom();
    QCoreApplication::processEvents();
    ASSERT_EQ(window->hfgProducts->rows(), every.recordCount()) << "the rest was read at the grid's end";
    for (int r = 0; r < every.recordCount(); ++r)
        EXPECT_EQ(window->hfgProducts->cellText(r, 0), every.valueAt(r, 0).toString()) << r;
    window->hfgProducts->scrollToBottom();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->hfgProducts->rows(), every.recordCount());
    EXPECT_FALSE(window->hfgProducts->model()->canFetchMore({})) << "nothing follows the last item";
}
