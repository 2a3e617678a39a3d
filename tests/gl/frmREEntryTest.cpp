// The year-end transfer window: the year's profit-and-loss accounts dragged
// in and posted as a closing, which leaves them at zero and the result in
// retained earnings.
#include "gl/frmREEntry.h"
#include "JournalWindowTest.h"
#include "gl/clsGLEntry.h"
#include "support/gui/PinnedTexts.h"

using namespace orv;

namespace {

class frmREEntryTest : public test::JournalWindowTest<frmREEntry> {
protected:
    void SetUp() override {
        JournalWindowTest::SetUp();
        emp = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    }
    // Sales of 1000, rent 300 and wages 200 in a year; and in the year
    // before, sales of 400 and rent 150.
    void trade() {
        journal({{1010, QStringLiteral("1000")}, {4000, QStringLiteral("-1000")}}, QDate(year, 1, 10));
        journal(
            {{6100, QStringLiteral("300")}, {6000, QStringLiteral("200")}, {1010, QStringLiteral("-500")}},
            QDate(year, 2, 10));
        journal({{1010, QStringLiteral("400")}, {4000, QStringLiteral("-400")}}, QDate(year - 1, 5, 1));
        journal({{6100, QStringLiteral("150")}, {1010, QStringLiteral("-150")}}, QDate(year - 1, 6, 1));
    }
    void journal(const std::vector<std::pair<int, QString>>& amounts, const QDate& date) {
        Recordset lines = journalLines();
        for (const auto& [code, amount] : amounts)
            addLine(lines, code, amount, QStringLiteral("trade"), date);
        ASSERT_TRUE(isNumericText(clsGLEntry().Send_Order(journalHeader(emp), lines)));
    }
    // Drags every offered account into the lines, each described.
    void takeAllOffered() {
        const int rows = window->hfgProducts->rows();
        for (int row = 0; row < rows; ++row) {
            drop(window->hfgProducts->cellText(row, 0).toInt());
            editCell(row, QStringLiteral("Descrip"), QStringLiteral("year end"));
        }
    }
    QString post() {
        ui.clear();
        window->cmdSend->click();
        return ui.lastText();
    }
    Currency plResult(int y) {
        return ledgerSum(QStringLiteral("Year_SI = %1 AND Closing_bt = 0 AND GL_ID IN "
                                        "(SELECT GL_ID FROM COA_T WHERE Acct_Type = 'PL')")
                             .arg(y));
    }
    void expectClosed(int y, Currency retained) {
        for (int pl : {4000, 6000, 6100})
            EXPECT_EQ(balance(pl, y).raw(), 0) << pl << " in " << y;
        EXPECT_EQ(balance(3100, y), retained) << y;
    }

    qint64 emp = 0;
    const int year = pinnedToday().year();
};

} // namespace

TEST_F(frmREEntryTest, OffersTheYearsProfitAndLossAccountsWithTheAmountsThatEmptyThem) {
    trade();
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Retained Earnings Entry"));
    EXPECT_EQ(window->Label8->text(), QStringLiteral("Amount Available to Post"));
    EXPECT_EQ(window->Label9->text(), QStringLiteral("Amount to transfer to Retained Earnings"));
    ASSERT_EQ(window->hfgProducts->rows(), 3);
    EXPECT_EQ(window->hfgProducts->cellText(0, 0), QStringLiteral("4000"));
    EXPECT_EQ(window->hfgProducts->cellText(0, 1), QStringLiteral("Sales"));
    drop(4000);
    EXPECT_EQ(cell(0, QStringLiteral("Amount")), QStringLiteral("1000"));
    EXPECT_EQ(cell(0, QStringLiteral("Year")), QString::number(year));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 1000.00"));
    drop(6100);
    EXPECT_EQ(cell(1, QStringLiteral("Amount")), QStringLiteral("-300"));
}

TEST_F(frmREEntryTest, TheTransferLeavesProfitAndLossAtZeroAndTheResultInRetainedEarnings) {
    trade();
    open();
    chooseEmployee();
    takeAllOffered();
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 500.00")) << "the lines need not add up";
    EXPECT_EQ(post(), qtext(JournalWindow::kJournalText["Posted"]) + QStringLiteral("5"));
    EXPECT_TRUE(posted());
    expectClosed(year, Currency::fromUnits(-500));
    EXPECT_EQ(plResult(year), Currency::fromUnits(-500)) << "the profit-and-loss reports still show the year";
    EXPECT_EQ(window->hfgProducts->rows(), 0) << "a closed year offers nothing";
    EXPECT_EQ(balance(4000, year - 1), Currency::fromUnits(-400)) << "the year before is untouched";
    expectBooksSound();
}

TEST_F(frmREEntryTest, AWindowSetBackAYearOffersThatYearsAccounts) {
    trade();
    open();
    chooseEmployee();
    ASSERT_EQ(window->hfgProducts->rows(), 3);
    setDate(QDate(year - 1, 12, 31));
    EXPECT_EQ(window->txtYear->text(), QString::number(year - 1));
    ASSERT_EQ(window->hfgProducts->rows(), 2) << "the list follows the year the window shows";
    EXPECT_EQ(window->hfgProducts->cellText(0, 2), QStringLiteral("400"));

    takeAllOffered();
    EXPECT_EQ(post(), qtext(JournalWindow::kJournalText["Posted"]) + QStringLiteral("5"));
    expectClosed(year - 1, Currency::fromUnits(-250));
    EXPECT_EQ(scalar(QStringLiteral("SELECT date_dt FROM Journal_T WHERE GL_ID = 3100")),
              QDate(year - 1, 12, 31).toString(Qt::ISODate));

    open(); // afresh: this year again
    chooseEmployee();
    ASSERT_EQ(window->hfgProducts->rows(), 3);
    takeAllOffered();
    EXPECT_EQ(post(), qtext(JournalWindow::kJournalText["Posted"]) + QStringLiteral("6"));
    expectClosed(year, Currency::fromUnits(-500));
    EXPECT_EQ(plResult(year - 1), Currency::fromUnits(-250));
    expectBooksSound();
}

TEST_F(frmREEntryTest, OneAccountMayBeTransferredAloneButOnlyWhollyAndInOneYear) {
    trade();
    open();
    chooseEmployee();
    drop(6000);
    editCell(0, QStringLiteral("Descrip"), QStringLiteral("wages"));
    editCell(0, QStringLiteral("Amount"), QStringLiteral("-150"));
    EXPECT_EQ(post(),
              QStringLiteral("Error Entering Journal\nThe closing must bring every profit-and-loss account "
                             "of the year to zero and leave the difference in retained earnings."))
        << "wages would not end the year at zero";
    EXPECT_FALSE(posted());
    editCell(0, QStringLiteral("Amount"), QStringLiteral("-200"));
    EXPECT_EQ(post(), qtext(JournalWindow::kJournalText["Posted"]) + QStringLiteral("5"));
    EXPECT_EQ(balance(6000, year).raw(), 0);
    EXPECT_EQ(balance(3100, year), Currency::fromUnits(200));

    window->cmdNew->click();
    drop(4000);
    editCell(0, QStringLiteral("Descrip"), QStringLiteral("sales"));
    setDate(QDate(year - 1, 12, 31));
    drop(6100);
    editCell(1, QStringLiteral("Descrip"), QStringLiteral("rent"));
    ui.clear();
    window->cmdSend->click();
    EXPECT_EQ(ui.lastText(), qtext(JournalWindow::kJournalText["OneYear"]));
    EXPECT_EQ(count(QStringLiteral("Document_T")), 5);
    expectBooksSound();
}

TEST_F(frmREEntryTest, ThePostNeedsAnEmployeeWhoExistsAndDescribedLines) {
    trade();
    open();
    drop(4000);
    EXPECT_EQ(post(), qtext(frmREEntry::kText["SpecifyEmployee"]));
    EXPECT_TRUE(focusedIn(window->cboEmployee));
    window->cboEmployee->setEditText(QStringLiteral("Mary Tan"));
    EXPECT_EQ(post(), qtext(frmREEntry::kText["SpecifyEmployee"]));
    EXPECT_TRUE(focusedIn(window->cboEmployee));
    chooseEmployee();
    EXPECT_EQ(post(), qtext(JournalWindow::kJournalText["SpecifyDescription"]));
    EXPECT_EQ(count(QStringLiteral("Document_T")), 4);
}

TEST_F(frmREEntryTest, WithoutEmployeesTheLoadSaysSo) {
    open();
    sql(QStringLiteral("DELETE FROM Temp_Employees; DELETE FROM Employees"));
    ui.clear();
    open();
    EXPECT_EQ(ui.texts(), QStringList(qtext(frmREEntry::kText["NoEmployee"])));
    EXPECT_EQ(window->hfgProducts->rows(), 0);
}

TEST(frmREEntryTexts, TheTransferShowsTheTextsAsWritten) {
    test::expectPinnedTexts(frmREEntry::kText,
                            {
                                {"Caption", "Retained Earnings Entry"},
                                {"Label8", "Amount Available to Post"},
                                {"Label9", "Amount to transfer to Retained Earnings"},
                                {"SpecifyEmployee", " Specify Employee Name "},
                                {"NoEmployee", " No records was found in Employees Table "},
                            });
}
