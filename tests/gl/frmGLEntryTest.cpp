// The journal window: lines dragged from the chart, edited, totalled, checked
// and posted.
#include "gl/frmGLEntry.h"
#include "JournalWindowTest.h"
#include "support/gui/PinnedTexts.h"

#include <QHeaderView>

using namespace orv;

namespace {

class frmGLEntryTest : public test::JournalWindowTest<frmGLEntry> {
protected:
    void SetUp() override {
        JournalWindowTest::SetUp();
        addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
        addEmployee(QStringLiteral("O'Neil"), QStringLiteral("Pat"));
        open();
    }
    QString post() {
        ui.clear();
        window->cmdSend->click();
        return ui.lastText();
    }
    QString postedText(int number) const {
        return qtext(JournalWindow::kJournalText["Posted"]) + QString::number(number);
    }
    void expectNothingWritten() {
        EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
        EXPECT_EQ(count(QStringLiteral("Journal_T")), 0);
        EXPECT_FALSE(posted());
    }
    int year() const { return window->dtpOrder->date().year(); }
};

} // namespace

TEST_F(frmGLEntryTest, LoadsEmployeesAccountsAndAnEmptyJournal) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Journal Entry"));
    EXPECT_EQ(window->Label9->text(),
              QStringLiteral("Journal Entry : [Do not post to stock/cash/AR/AP code]"));
    EXPECT_EQ(window->cmdSend->text(), QStringLiteral("POST"));
    EXPECT_EQ(window->cboEmployee->itemText(1), QStringLiteral("O'Neil, Pat"));
    EXPECT_EQ(window->hfgProducts->rows(), count(QStringLiteral("COA_T")));
    EXPECT_EQ(window->hfgProducts->model()->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("GL_Name_VC"));
    EXPECT_EQ(window->hfgProducts->cellText(0, 0), QStringLiteral("1000"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.00"));
    EXPECT_EQ(window->txtMonth->text(), QString::number(pinnedToday().month()));
    EXPECT_EQ(window->txtYear->text(), QString::number(pinnedToday().year()));
    EXPECT_TRUE(window->txtOrderID->isReadOnly());
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(frmGLEntryTest, WithoutEmployeesTheLoadSaysSo) {
    sql(QStringLiteral("DELETE FROM Temp_Employees; DELETE FROM Employees"));
    open();
    EXPECT_EQ(ui.texts(), QStringList(qtext(frmGLEntry::kText["NoEmployee"])));
    EXPECT_EQ(window->cboEmployee->count(), 0);
}

TEST_F(frmGLEntryTest, ABalancedJournalPostsAndLocksUntilNew) {
    chooseEmployee();
    line(6100, QStringLiteral("100"), QStringLiteral("rent"));
    line(2000, QStringLiteral("-100"), QStringLiteral("accrued"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.00"));
    EXPECT_EQ(cell(0, QStringLiteral("GL_Name")), QStringLiteral("Rent"));
    EXPECT_EQ(post(), postedText(1));
    EXPECT_EQ(window->txtOrderID->text(), QStringLiteral("1"));
    EXPECT_TRUE(posted());
    EXPECT_EQ(window->lines().recordCount(), 2) << "the posted lines stay on screen";
    EXPECT_EQ(balance(6100, year()), Currency::fromUnits(100));
    EXPECT_EQ(scalar(QStringLiteral("SELECT EmployeeID FROM Document_T")), QStringLiteral("1"));

    window->cmdNew->click();
    EXPECT_FALSE(posted());
    EXPECT_TRUE(window->txtOrderID->text().isEmpty());
    EXPECT_EQ(window->lines().recordCount(), 0);
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.00"));
    EXPECT_EQ(window->cboEmployee->currentText(), QStringLiteral("Tan, Mary"));
    expectBooksSound();
}

TEST_F(frmGLEntryTest, TheTotalFollowsEveryEditAndPostsWhenItIsZero) {
    chooseEmployee();
    line(6000, QStringLiteral("0.30"), QStringLiteral("a"));
    line(6100, QStringLiteral("0.30"), QStringLiteral("b"));
    line(2000, QStringLiteral("-0.60"), QStringLiteral("c"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.00"));
    EXPECT_EQ(post(), postedText(1));

    window->cmdNew->click();
    line(1500, QStringLiteral("50000"), QStringLiteral("computer"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 50000.00"));
    line(2500, QStringLiteral("-50000"), QStringLiteral("loan"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.00"));
    EXPECT_EQ(post(), postedText(2));
    expectBooksSound();
}

TEST_F(frmGLEntryTest, TheChecksStopAtTheFirstFailureWithNothingWritten) {
    ui.clear();
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(), QStringList(qtext(frmGLEntry::kText["SpecifyEmployee"])));
    EXPECT_TRUE(focusedIn(window->cboEmployee));

    chooseEmployee();
    EXPECT_EQ(post(), qtext(JournalWindow::kJournalText["NoLines"]));

    line(6100, QStringLiteral("100"), QString());
    line(2000, QStringLiteral("-99.99"), QStringLiteral("accrued"));
    EXPECT_EQ(post(), qtext(JournalWindow::kJournalText["SpecifyDescription"]));
    editCell(0, QStringLiteral("Descrip"), QStringLiteral("rent"));
    EXPECT_EQ(post(), qtext(frmGLEntry::kText["NotBalanced"]));
    EXPECT_EQ(ui.messages().size(), 1u);

    editCell(1, QStringLiteral("Amount"), QString());
    EXPECT_EQ(post(), qtext(JournalWindow::kJournalText["SpecifyAmount"]));
    expectNothingWritten();
}

TEST_F(frmGLEntryTest, ALineOfZeroWarnsAtEveryTotalYetPosts) {
    chooseEmployee();
    line(6200, QString(), QStringLiteral("nothing yet"));
    ui.clear();
    editCell(0, QStringLiteral("Amount"), QStringLiteral("0"));
    EXPECT_EQ(ui.texts(), QStringList(qtext(JournalWindow::kJournalText["AmountZero"])));
    EXPECT_EQ(post(), postedText(1));
    EXPECT_EQ(count(QStringLiteral("Ledger_T")), 0);
    expectBooksSound();
}

TEST_F(frmGLEntryTest, LinesKeepTheirDatesAndTheWindowWarnsOncePerLine) {
    const QDate today = window->dtpOrder->date();
    const QDate first = QDate(today.year(), 1, 15);
    const QDate second = QDate(today.year(), 2, 20);
    chooseEmployee();
    setDate(first);
    line(6100, QStringLiteral("100"), QStringLiteral("January rent"));
    setDate(second);
    EXPECT_EQ(window->txtMonth->text(), QStringLiteral("2"));
    line(2000, QStringLiteral("-100"), QStringLiteral("February accrual"));
    setDate(QDate(today.year(), 3, 1));
    ui.clear();
    window->Total_All();
    EXPECT_EQ(ui.texts(), QStringList({qtext(JournalWindow::kJournalText["DateMustBeSame"]),
                                       qtext(JournalWindow::kJournalText["DateMustBeSame"])}));
    ui.clear();
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(), QStringList({qtext(JournalWindow::kJournalText["DateMustBeSame"]),
                                       qtext(JournalWindow::kJournalText["DateMustBeSame"]), postedText(1)}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(date_dt || '/' || Period_TI, ' ') FROM Journal_T")),
              first.toString(Qt::ISODate) + QStringLiteral("/1 ") + second.toString(Qt::ISODate) +
                  QStringLiteral("/2"));
    expectBooksSound();
}

TEST_F(frmGLEntryTest, TheSameAccountMayBeDroppedTwice) {
    drop(6100);
    drop(6100);
    ASSERT_EQ(window->lines().recordCount(), 2);
    EXPECT_EQ(cell(1, QStringLiteral("GL_ID")), QStringLiteral("6100"));
    EXPECT_EQ(cell(1, QStringLiteral("Amount")), QStringLiteral("1"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 2.00"));
    EXPECT_EQ(ui.beeps(), 0);
    // Only the amount and the description are the clerk's to edit.
    const QAbstractItemModel* model = window->dgrOrderDetails->model();
    for (int column = 0; column < 7; ++column) {
        const bool editable = model->flags(model->index(1, column)) & Qt::ItemIsEditable;
        EXPECT_EQ(editable, column == 2 || column == 3) << column;
    }
}

TEST_F(frmGLEntryTest, TheBalanceIsTheExactSumOfTheLinesNotTheTotalBox) {
    chooseEmployee();
    line(6100, QStringLiteral("100.004"), QStringLiteral("rent"));
    line(2000, QStringLiteral("-100"), QStringLiteral("accrued"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.00"));
    EXPECT_EQ(post(), qtext(frmGLEntry::kText["NotBalanced"]));
    window->txtSubTotal->setText(QStringLiteral("0"));
    EXPECT_EQ(post(), qtext(frmGLEntry::kText["NotBalanced"]));

    line(6200, QStringLiteral("-0.004"), QStringLiteral("rounding"));
    EXPECT_EQ(post(), qtext(JournalWindow::kJournalText["WholeCents"]))
        << "fractions of a cent are refused, not rounded";
    expectNothingWritten();
}

TEST_F(frmGLEntryTest, AJournalMayNotSpanTwoYears) {
    chooseEmployee();
    setDate(QDate(year(), 12, 31));
    line(6100, QStringLiteral("100"), QStringLiteral("rent"));
    setDate(QDate(year() + 1, 1, 1));
    EXPECT_EQ(window->txtYear->text(), QString::number(year()));
    line(2000, QStringLiteral("-100"), QStringLiteral("accrued"));
    ui.clear();
    window->cmdSend->click();
    EXPECT_EQ(ui.lastText(), qtext(JournalWindow::kJournalText["OneYear"]));
    expectNothingWritten();
}

TEST_F(frmGLEntryTest, AnEmployeeNameNoEmployeeHasStopsThePost) {
    window->cboEmployee->setEditText(QStringLiteral("Nobody"));
    line(6100, QStringLiteral("100"), QStringLiteral("rent"));
    line(2000, QStringLiteral("-100"), QStringLiteral("accrued"));
    EXPECT_EQ(post(), qtext(frmGLEntry::kText["SpecifyEmployee"]));
    EXPECT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(focusedIn(window->cboEmployee));
    window->cboEmployee->setEditText(QStringLiteral("Tan, Marion"));
    EXPECT_EQ(post(), qtext(frmGLEntry::kText["SpecifyEmployee"]));
    expectNothingWritten();

    window->cboEmployee->setEditText(QStringLiteral("O'Neil, Pat"));
    EXPECT_EQ(post(), postedText(1));
    EXPECT_EQ(scalar(QStringLiteral("SELECT EmployeeID FROM Document_T")), QStringLiteral("2"));
}

TEST_F(frmGLEntryTest, ARefusedJournalStaysEditableAndTheAccountsAreReadAgain) {
    chooseEmployee();
    line(6100, QStringLiteral("100"), QStringLiteral("rent"));
    line(2000, QStringLiteral("-100"), QStringLiteral("accrued"));
    // The chart changes meanwhile: the account is set inactive.
    setAccountActive(2000, false);
    EXPECT_EQ(post(), QStringLiteral("Error Entering Journal\n"
                                     "Line 2: account 2000 is not an active account of the chart."));
    EXPECT_FALSE(posted());
    EXPECT_EQ(window->lines().recordCount(), 2);
    EXPECT_EQ(pickRow(2000), -1) << "the pick grid is read again after the post";
    expectNothingWritten();
}

TEST_F(frmGLEntryTest, AmountsAreReadAsTypedAndKeptWithinTheLineLimit) {
    chooseEmployee();
    line(6100, QStringLiteral("100"), QStringLiteral("rent"));
    // A decimal comma or a fifth decimal is refused with its reason, never
    // read as thousands or rounded away; the cell keeps what it held.
    const struct {
        const char* typed;
        const char* said;
    } refused[] = {{"12,34", "type an amount such as 1,234.50"},
                   {"1,2,3", "type an amount such as 1,234.50"},
                   {"0.99995", "type an amount with at most four decimals"},
                   {"100.000001", "type an amount with at most four decimals"}};
    for (const auto& r : refused) {
        ui.clear();
        editCell(0, QStringLiteral("Amount"), QString::fromLatin1(r.typed));
        EXPECT_EQ(cell(0, QStringLiteral("Amount")), QStringLiteral("100")) << r.typed;
        EXPECT_EQ(ui.lastText(), QStringLiteral("Line 1, Amount: ") + QLatin1String(r.said));
    }
    editCell(0, QStringLiteral("Amount"), QStringLiteral("1,234.50"));
    EXPECT_EQ(cell(0, QStringLiteral("Amount")), QStringLiteral("1234.5"));

    editCell(0, QStringLiteral("Amount"), QStringLiteral("500000000000000"));
    line(2000, QStringLiteral("-500000000000000"), QStringLiteral("accrued"));
    EXPECT_EQ(post(),
              qtext(JournalWindow::kJournalText["LineLimit"]).arg(QStringLiteral("1,000,000,000,000.00")));
    expectNothingWritten();
}

TEST_F(frmGLEntryTest, TheTotalOfAmountsNearTheEndsOfTheRangeShowsWithoutFailing) {
    chooseEmployee();
    line(6100, QStringLiteral("922337203685477.5807"), QStringLiteral("rent"));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 922337203685477.58"));
}

TEST_F(frmGLEntryTest, ARefusalNamesTheLineAndItsAccountInTheClerksWords) {
    chooseEmployee();
    line(6100, QStringLiteral("7"), QStringLiteral("rent"));
    line(2200, QStringLiteral("-7"), QStringLiteral("tax")); // the VAT codes' control account
    const QString shown = post();
    EXPECT_EQ(shown,
              QStringLiteral("Error Entering Journal\nLine 2: account 2200 belongs to a customer, supplier, "
                             "bank, VAT code or product; post to it through that record's own documents."));
    EXPECT_FALSE(shown.contains(QStringLiteral("Journal_T"))) << "no table reaches the clerk";
    EXPECT_EQ(window->lines().recordCount(), 2) << "the journal stays as typed";
    expectNothingWritten();
}

TEST(frmGLEntryTexts, TheJournalShowsTheTextsAsWritten) {
    test::expectPinnedTexts(frmGLEntry::kText,
                            {
                                {"Caption", "Journal Entry"},
                                {"Label8", "Available GL Code"},
                                {"Label9", "Journal Entry : [Do not post to stock/cash/AR/AP code]"},
                                {"SpecifyEmployee", "Specify Employee Name"},
                                {"NotBalanced", "Debit and Credit must be zero"},
                                {"NoEmployee", " No Employee Name was created yet in AR Set-Up "},
                            });
    // The texts the journal shares with the retained-earnings transfer.
    test::expectPinnedTexts(
        JournalWindow::kJournalText,
        {
            {"Label17", "Journal No :"},
            {"Label2", "Period :"},
            {"Label1", "Year :"},
            {"Label11", "Entry Date"},
            {"Label14", "Total :"},
            {"Label13", "Employee"},
            {"cmdNew", "NEW ENTRY"},
            {"cmdSend", "POST"},
            {"Posted", "Your Journal Entries has been posted. The posting number is: "},
            {"NoLines", "No items listed in Journal Entry Listbox!"},
            {"SpecifyAmount", "Specify Amount to post"},
            {"SpecifyDescription", "Specify Description for each journal entry"},
            {"DateMustBeSame", "Date must be the same"},
            {"AmountZero", "Amount must be specified for this account code"},
            {"WholeCents", "Amounts can have at most two decimals (dollars and cents)"},
            {"LineLimit", "An amount can be at most %1 either way on one line"},
            {"OneYear", "All lines of a journal must fall in one year: post each year's lines separately"},
        });
}
