// The chart-of-accounts window: its lists, checks, requests and buttons.
#include "gl/frmCOASetup.h"
#include "GlWindowTest.h"
#include "gl/clsGLEntry.h"
#include "support/gui/PinnedTexts.h"

#include <QGroupBox>
#include <QPushButton>
#include <algorithm>

using namespace orv;

namespace {

class frmCOASetupTest : public test::GlWindowTest<frmCOASetup> {
protected:
    void SetUp() override {
        test::GlWindowTest<frmCOASetup>::SetUp();
        open();
    }
    QStringList entries(QComboBox* list) const {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->itemText(i);
        return out;
    }
    // Fills the account's fields as the clerk types them.
    void fill(const QString& code, const QString& name, const QString& type, const QString& category,
              const QString& sub, const QString& status) {
        window->cmdClear->click();
        type_(window->txtAcctCode, code);
        type_(window->txtAcctName, name);
        type_(window->cboAcctType, type);
        type_(window->cboAcctCategory, category);
        type_(window->cboSubCat, sub);
        type_(window->txtStatus, status);
    }
    static void type_(QWidget* box, const QString& text) { type(box, text); }
    void pick(const QString& name) { choose(window->cboCompany, name); }
    bool buttons(bool create, bool update, bool remove) const {
        return window->cmdSend->isEnabled() == create && window->cmdUpdate->isEnabled() == update &&
               window->cmdDelete->isEnabled() == remove;
    }
};

} // namespace

TEST(frmCOASetupTexts, CaptionsAndMessagesAreAsWritten) {
    test::expectPinnedTexts(frmCOASetup::kText,
                            {
                                {"frmCOASetup", "COA Master"},
                                {"fraStep1", "STEP 1 [CREATE SUB-TYPE]"},
                                {"lblAcctCat", "Account Category : "},
                                {"cmdCreate", "CREATE"},
                                {"lblCreateSubCat", "Sub Category :"},
                                {"cmdNewSubCat", "CREATE"},
                                {"fraAccount", " [CREATE CHART OF ACCOUNTS"},
                                {"lblCompany", "Filter By Name :"},
                                {"lblAcctCode", "Account Code :"},
                                {"lblAcctName", "Account Name : "},
                                {"lblAcctType", "Account Type : "},
                                {"TypeBS", "BS"},
                                {"TypePL", "PL"},
                                {"lblAcctCategory", "Account Category : "},
                                {"lblSubCat", "Sub Category :"},
                                {"lblStatus", "Account Status :"},
                                {"lblStatusHint", "[ 1 = Active | 0 = Inactive ]"},
                                {"fraFunction", "Function"},
                                {"NoAcctCode", "Enter Account Code"},
                                {"NoAcctName", "Enter Account Name"},
                                {"NoAcctType", "Select Account Type"},
                                {"NoAcctCategory", "Select an Account Category"},
                                {"NoSubCat", "Select a Sub Category"},
                                {"NoStatus", "Enter Status"},
                                {"StatusRange", "Status : Specify 1 as ACTIVE ; 0 as INACTIVE"},
                            });
}

TEST_F(frmCOASetupTest, LoadsItsListsAndButtons) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("COA Master"));
    EXPECT_EQ(window->fraStep1->title(), QStringLiteral("STEP 1 [CREATE SUB-TYPE]"));
    EXPECT_EQ(window->fraAccount->title(), QStringLiteral(" [CREATE CHART OF ACCOUNTS"));
    const QStringList categories = {QStringLiteral("ASSETS"),        QStringLiteral("LIABILITIES"),
                                    QStringLiteral("EQUITY"),        QStringLiteral("INCOME"),
                                    QStringLiteral("COST OF SALES"), QStringLiteral("EXPENSES")};
    EXPECT_EQ(entries(window->cboAcctCat), categories);
    EXPECT_EQ(entries(window->cboAcctCategory), categories);
    EXPECT_EQ(window->cboSubCat->count(), 13);
    EXPECT_EQ(window->cboCreateSubCat->itemText(0), QStringLiteral("CURRENT ASSETS"));
    EXPECT_EQ(entries(window->cboAcctType), QStringList({QStringLiteral("BS"), QStringLiteral("PL")}));
    EXPECT_EQ(window->cboCompany->count(), 25);
    EXPECT_EQ(window->cboCompany->itemText(0), QStringLiteral("Acc Depreciation"));
    EXPECT_EQ(window->cboCompany->itemText(24), QStringLiteral("VAT Control"));
    EXPECT_FALSE(window->cmdCreate->isEnabled());
    EXPECT_FALSE(window->cmdNewSubCat->isEnabled());
    EXPECT_FALSE(window->cmdNew->isVisible());
    EXPECT_TRUE(buttons(true, true, true));
    EXPECT_EQ(window->staging().recordCount(), 1);
}

TEST_F(frmCOASetupTest, ChecksRunInOrderAndStopAtTheFirstFailure) {
    struct Step {
        QWidget* box;
        QString text;
        QString message;
        QString title;
    };
    const QString app = QStringLiteral("Orvanwise");
    const std::vector<Step> steps = {
        {window->txtAcctCode, QStringLiteral("6600"), QStringLiteral("Enter Account Code"), app},
        {window->txtAcctName, QStringLiteral("Travel"), QStringLiteral("Enter Account Name"), app},
        {window->cboAcctType, QStringLiteral("PL"), QStringLiteral("Select Account Type"), app},
        {window->cboAcctCategory, QStringLiteral("EXPENSES"), QStringLiteral("Select an Account Category"),
         app},
        {window->cboSubCat, QStringLiteral("OPERATING EXPENSES"), QStringLiteral("Select a Sub Category"),
         app},
        {window->txtStatus, QStringLiteral("abc"), QStringLiteral("Enter Status"),
         QStringLiteral("Missing field")},
    };
    window->cmdClear->click();
    for (const Step& s : steps) {
        ui.clear();
        window->cmdUpdate->click();
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.lastText(), s.message);
        EXPECT_EQ(ui.messages().back().title, s.title);
        EXPECT_TRUE(focusedIn(s.box)) << s.message.toStdString();
        type(s.box, s.text);
    }
    // Lower-case letters pass the key filter and fail the number check.
    ui.clear();
    window->cmdUpdate->click();
    EXPECT_EQ(ui.lastText(), QStringLiteral("Enter numerical and not character"));
    EXPECT_EQ(ui.messages().back().title, QStringLiteral("Invalid Input"));
    EXPECT_EQ(window->txtStatus->selectedText(), QStringLiteral("abc"));
    EXPECT_EQ(window->focusWidget(), window->txtStatus);

    window->txtStatus->setText(QStringLiteral("2"));
    ui.clear();
    window->cmdDelete->click();
    EXPECT_EQ(ui.lastText(), qtext(frmCOASetup::kText["StatusRange"]));
    EXPECT_EQ(window->txtStatus->selectedText(), QStringLiteral("2"));

    // The minus sign and the point never reach the box.
    window->txtStatus->clear();
    ui.clear();
    type(window->txtStatus, QStringLiteral("-1."));
    EXPECT_EQ(window->txtStatus->text(), QStringLiteral("1"));
    EXPECT_EQ(ui.texts(), QStringList({QStringLiteral("Special Character not allowed"),
                                       QStringLiteral("Special Character not allowed")}));

    EXPECT_EQ(count(QStringLiteral("Temp_COA")), 0);
    EXPECT_TRUE(buttons(true, true, true)) << "a failed check changes no button";
    EXPECT_EQ(window->txtAcctName->text(), QStringLiteral("Travel"));
}

TEST_F(frmCOASetupTest, WhatTheChartCannotHoldIsRefusedBeforeAnyRequest) {
    const QString code = QStringLiteral("Account Code: type a whole number");
    const struct {
        QString code, name, type, category;
        QString message;
    } cases[] = {
        {QStringLiteral("66.5"), QStringLiteral("Travel"), QStringLiteral("PL"), QStringLiteral("EXPENSES"),
         code},
        {QStringLiteral("abc"), QStringLiteral("Travel"), QStringLiteral("PL"), QStringLiteral("EXPENSES"),
         code},
        {QStringLiteral("2147483648"), QStringLiteral("Travel"), QStringLiteral("PL"),
         QStringLiteral("EXPENSES"),
         QStringLiteral("Account Code: the number is too long; type one of fewer digits")},
        {QStringLiteral("6600"), QStringLiteral("Travel and Entertainment"), QStringLiteral("PL"),
         QStringLiteral("EXPENSES"), QStringLiteral("Account Name must not be longer than 20 characters")},
        {QStringLiteral("6600"), QStringLiteral("Travel"), QStringLiteral("PROFITANDLOSS"),
         QStringLiteral("EXPENSES"), QStringLiteral("Account Type must not be longer than 10 characters")},
        {QStringLiteral("6600"), QStringLiteral("Travel"), QStringLiteral("PL"),
         QStringLiteral("OPERATING EXPENSES AND MORE"),
         QStringLiteral("Account Category must not be longer than 20 characters")},
    };
    for (const auto& c : cases) {
        fill(c.code, c.name, c.type, c.category, QStringLiteral("OPERATING EXPENSES"), QStringLiteral("1"));
        ui.clear();
        window->cmdSend->click();
        EXPECT_EQ(ui.texts(), QStringList(c.message)) << c.code.toStdString() << " " << c.name.toStdString();
    }
    // A status pasted as a fraction is no status either.
    fill(QStringLiteral("6600"), QStringLiteral("Travel"), QStringLiteral("PL"), QStringLiteral("EXPENSES"),
         QStringLiteral("OPERATING EXPENSES"), QString());
    window->txtStatus->setText(QStringLiteral("0.5"));
    ui.clear();
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(), QStringList(qtext(frmCOASetup::kText["StatusRange"])));
    EXPECT_EQ(count(QStringLiteral("Temp_COA")), 0);
    EXPECT_TRUE(window->cmdSend->isEnabled());
}

TEST_F(frmCOASetupTest, AnAccountNameOfTwentyCharactersIsTakenWhateverTheyAre) {
    // Twelve emoji are twelve characters (twenty-four UTF-16 units).
    const QString name = QString::fromUtf8("\xF0\x9F\x92\xB0").repeated(12);
    fill(QStringLiteral("6600"), QStringLiteral("Gold"), QStringLiteral("PL"), QStringLiteral("EXPENSES"),
         QStringLiteral("OPERATING EXPENSES"), QStringLiteral("1"));
    window->txtAcctName->setText(name); // pasted: the key presses of an emoji cannot be typed here
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("Account code created under : 6600")));
    pick(name);
    EXPECT_EQ(window->txtAcctCode->text(), QStringLiteral("6600"));
    EXPECT_EQ(window->txtAcctName->text(), name);
    expectBooksSound();
}

TEST_F(frmCOASetupTest, PickingAnAccountFillsItsSixFieldsAndEnablesTheRequests) {
    window->cmdSend->setEnabled(false);
    window->cmdDelete->setEnabled(false);
    pick(QStringLiteral("Rent"));
    EXPECT_EQ(window->txtAcctName->text(), QStringLiteral("Rent"));
    EXPECT_EQ(window->txtAcctCode->text(), QStringLiteral("6100"));
    EXPECT_EQ(window->cboAcctType->currentText(), QStringLiteral("PL"));
    EXPECT_EQ(window->cboAcctCategory->currentText(), QStringLiteral("EXPENSES"));
    EXPECT_EQ(window->cboSubCat->currentText(), QStringLiteral("OPERATING EXPENSES"));
    EXPECT_EQ(window->txtStatus->text(), QStringLiteral("1"));
    EXPECT_TRUE(buttons(true, true, true));
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(frmCOASetupTest, CreateAnswersWithTheCodeAndReloadsTheListAlphabetically) {
    fill(QStringLiteral("6600"), QStringLiteral("Bonuses"), QStringLiteral("PL"), QStringLiteral("EXPENSES"),
         QStringLiteral("OPERATING EXPENSES"), QStringLiteral("1"));
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("Account code created under : 6600")));
    const QStringList names = entries(window->cboCompany);
    EXPECT_EQ(names.size(), 26);
    EXPECT_TRUE(names.contains(QStringLiteral("Bonuses")));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    }));
    EXPECT_TRUE(window->txtAcctCode->text().isEmpty());
    EXPECT_TRUE(window->cboAcctType->currentText().isEmpty());
    EXPECT_TRUE(buttons(false, true, true));
    window->cmdClear->click();
    EXPECT_FALSE(window->cmdSend->isEnabled()) << "CLEAR ALL enables nothing";

    // A click into the code box starts the next account.
    QTest::mouseClick(window->txtAcctCode, Qt::LeftButton);
    EXPECT_TRUE(buttons(true, true, true));

    // The same code again: the failure text and why; what was typed stays.
    fill(QStringLiteral("6600"), QStringLiteral("Overtime"), QStringLiteral("PL"), QStringLiteral("EXPENSES"),
         QStringLiteral("OPERATING EXPENSES"), QStringLiteral("1"));
    ui.clear();
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("Account code already Exist, Creation Failed\n"
                                                     "Account code 6600 is already in the chart.")));
    EXPECT_EQ(window->txtAcctName->text(), QStringLiteral("Overtime"));
    EXPECT_TRUE(window->cmdSend->isEnabled());
    EXPECT_EQ(window->focusWidget(), window->txtAcctCode);
    EXPECT_EQ(count(QStringLiteral("COA_T")), 26);
    expectBooksSound();
}

TEST_F(frmCOASetupTest, ARefusedCreateSaysWhichBoxIsWrongAndKeepsTheRest) {
    const QString failed = QStringLiteral("Account code already Exist, Creation Failed\n");
    fill(QStringLiteral("6600"), QStringLiteral("Overtime"), QStringLiteral("XX"), QStringLiteral("EXPENSES"),
         QStringLiteral("OPERATING EXPENSES"), QStringLiteral("1"));
    window->cmdUpdate->setEnabled(false); // as after an update
    ui.clear();
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("The account type must be BS or PL.")))
        << "the reason alone: the failure text would say the code exists";
    EXPECT_EQ(window->focusWidget(), window->cboAcctType);
    EXPECT_EQ(window->txtAcctCode->text(), QStringLiteral("6600"));
    EXPECT_EQ(window->cboSubCat->currentText(), QStringLiteral("OPERATING EXPENSES"));
    EXPECT_TRUE(buttons(true, false, true)) << "the buttons stay as they were";

    // A name already in the chart, under a new code.
    window->cboAcctType->setEditText(QStringLiteral("PL"));
    window->txtAcctName->setText(QStringLiteral("Rent"));
    ui.clear();
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(),
              QStringList(failed + QStringLiteral("An account named \"Rent\" is already in the chart.")));
    EXPECT_EQ(window->focusWidget(), window->txtAcctName);

    // Corrected, the same boxes create the account.
    window->txtAcctName->setText(QStringLiteral("Overtime"));
    ui.clear();
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("Account code created under : 6600")));
    EXPECT_TRUE(window->txtAcctCode->text().isEmpty());
}

TEST_F(frmCOASetupTest, UpdateSendsTheEditedFieldsOfTheAccountNamed) {
    pick(QStringLiteral("Petty Cash"));
    window->txtAcctCode->setText(QStringLiteral("9999")); // not sent
    window->cboSubCat->setEditText(QStringLiteral("CASH"));
    window->txtStatus->setText(QStringLiteral("0"));
    window->cmdUpdate->click();
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("Petty Cash have been updated")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT GL_ID || Sub_Category_VC || Status_bt FROM COA_T "
                                    "WHERE GL_Name_VC = 'Petty Cash'")),
              QStringLiteral("1010CASH0"));
    EXPECT_TRUE(buttons(true, false, true));

    // The name finds the account: an edited name finds none.
    pick(QStringLiteral("Rent"));
    window->txtAcctName->setText(QStringLiteral("Rental"));
    ui.clear();
    window->cmdUpdate->click();
    EXPECT_EQ(ui.texts(),
              QStringList(QStringLiteral("Account Update Failed\nThere is no account named \"Rental\"; "
                                         "choose the account from the list.")));
}

TEST_F(frmCOASetupTest, DeleteNeedsEveryFieldAndRefusesAnAccountWithPostings) {
    pick(QStringLiteral("Freight"));
    window->txtStatus->clear();
    window->cmdDelete->click();
    EXPECT_EQ(ui.texts(), QStringList(QStringLiteral("Enter Status")));
    window->txtStatus->setText(QStringLiteral("2"));
    ui.clear();
    window->cmdDelete->click();
    EXPECT_EQ(ui.texts(), QStringList(qtext(frmCOASetup::kText["StatusRange"])));

    window->txtStatus->setText(QStringLiteral("1"));
    ui.clear();
    window->cmdDelete->click();
    EXPECT_EQ(ui.texts(),
              QStringList(QStringLiteral("Freight would be Deleted if there is no transaction history")));
    EXPECT_EQ(window->cboCompany->findText(QStringLiteral("Freight")), -1);
    EXPECT_TRUE(buttons(true, true, false));

    // Rent with a posting stays.
    const qint64 emp = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    Recordset lines = journalLines();
    addLine(lines, 6100, QStringLiteral("10"), QStringLiteral("rent"), QDate(2010, 6, 1));
    addLine(lines, 2000, QStringLiteral("-10"), QStringLiteral("rent"), QDate(2010, 6, 1));
    ASSERT_EQ(clsGLEntry().Send_Order(journalHeader(emp), lines), QStringLiteral("1"));
    pick(QStringLiteral("Rent"));
    ui.clear();
    window->cmdDelete->click();
    EXPECT_EQ(ui.texts(),
              QStringList(QStringLiteral("Account Delete Failed\n"
                                         "The account has postings or journal lines and cannot be "
                                         "deleted.")));
    EXPECT_GE(window->cboCompany->findText(QStringLiteral("Rent")), 0);
    expectBooksSound();
}

TEST_F(frmCOASetupTest, ACategoryChoiceRefreshesAndTheStripReadsItsCategoriesAgain) {
    window->cmdSend->setEnabled(false);
    choose(window->cboAcctCategory, QStringLiteral("INCOME"));
    EXPECT_TRUE(window->cmdSend->isEnabled());
    window->cmdUpdate->setEnabled(false);
    choose(window->cboSubCat, QStringLiteral("SALES"));
    EXPECT_TRUE(window->cmdUpdate->isEnabled());

    sql(QStringLiteral("INSERT INTO Category_T (Category_VC) VALUES ('CONTRA')"));
    window->cmdDelete->setEnabled(false);
    choose(window->cboAcctCat, QStringLiteral("EQUITY"));
    EXPECT_TRUE(window->cmdDelete->isEnabled());
    EXPECT_EQ(window->cboAcctCat->count(), 7);
    EXPECT_EQ(window->cboAcctCat->currentText(), QStringLiteral("EQUITY"));
    EXPECT_EQ(window->cboAcctCategory->count(), 6) << "the account's list is filled at load only";
}
