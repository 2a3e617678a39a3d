// The bank register: requests as the database applies or refuses them, and
// the bank set-up window's checks, key filter, requests and buttons.
#include "cash/frmCashSetup.h"
#include "support/Refusal.h"
#include "support/TestBook.h"
#include "support/gui/PinnedTexts.h"
#include "support/gui/WindowTest.h"
#include "ui/RecordFields.h"
#include "uicore/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace orv;

namespace {

class frmCashSetupTest : public test::WindowTest<test::TestBook, frmCashSetup> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        addAccount(1020, QStringLiteral("OCBC Current"));
        addAccount(1030, QStringLiteral("UOB Current"));
    }
    QString press(QPushButton* button) {
        ui.clear();
        button->click();
        return ui.lastText();
    }
    void fill(const QString& name, const QString& code) {
        window->cboCompany->setEditText(name);
        window->txtBank_Add_VC->setText(QStringLiteral("65 Chulia St"));
        window->txtBank_Contact_VC->setText(QStringLiteral("63180000"));
        window->cboCOA->setEditText(code);
    }
    std::vector<bool> buttons() const {
        return {window->cmdSend->isEnabled(), window->cmdUpdate->isEnabled(), window->cmdDelete->isEnabled()};
    }
    QString lastRequest(const QString& columns) {
        return scalar(QStringLiteral("SELECT %1 FROM Temp_Bank ORDER BY Req_ID DESC LIMIT 1").arg(columns));
    }
    static Recordset bank(const QString& code, const QString& name) {
        Recordset r = buildRecord({{QStringLiteral("GL_ID"), DataType::Integer},
                                   {QStringLiteral("Bank_name"), DataType::Text, 40},
                                   {QStringLiteral("Bank_Add_VC"), DataType::Text, 60},
                                   {QStringLiteral("Bank_Contact_VC"), DataType::Text, 15}},
                                  true);
        assignText(r, QStringLiteral("GL_ID"), code);
        assignText(r, QStringLiteral("Bank_name"), name);
        return r;
    }
};

TEST(frmCashSetupTexts, CaptionsAndMessagesAreAsWritten) {
    test::expectPinnedTexts(
        frmCashSetup::kText,
        {
            {"frmCashSetup", "Cash Master"},
            {"Frame1", "Cash Detail"},
            {"Frame2", "Function"},
            {"lblCompany", "Filter By Name :"},
            {"lblBank_Add_VC", "Address :"},
            {"lblBank_Contact_VC", "Contact :"},
            {"lblCOA", "Cash Code :"},
            {"NoName", "Specify Bank Name!"},
            {"NoAddress", "Enter Address"},
            {"NoContact", "Enter Contact Number"},
            {"NoCode", "Select Accout Code!"},
            {"NumberOnly", "Number only allowed"},
            // The window's own: a delete with no bank picked, a pick
            // whose bank has gone, the code in messages.
            {"NothingToDelete", "Select the Bank to delete from the Filter By Name list!"},
            {"BankGone", "No bank is named \"%1\""},
            {"CodeWhat", "Cash Code"},
        });
}

TEST_F(frmCashSetupTest, BankRequestsFollowTheRegisterRules) {
    addBank(1020, QStringLiteral("OCBC"));
    postJournal(1030); // 1030 now has postings
    clsCashSetup data;
    const struct {
        QString code;
        QString name;
        const char* reason;
    } cases[] = {
        {"1000", "ocbc", "bank name exists"},
        {"1000", " ", "bank name blank"},
        {"", "DBS", "bank code missing"},
        {"1020", "DBS", "account of another record"},
        {"2200", "DBS", "account of another record"}, // the VAT control account
        {"6100", "DBS", "not an active balance sheet account"},
        {"1999", "DBS", "not an active balance sheet account"},
        {"1030", "DBS", "bank code has postings"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        test::expectRefused(data, data.Send_Order(bank(c.code, c.name)), clsCashSetup::kFailed.create,
                            QLatin1String(c.reason));
    }
    test::expectRefused(data, data.Update_Order(bank("", "Nobody")), clsCashSetup::kFailed.update,
                        QStringLiteral("no bank of that name"));
    EXPECT_EQ(data.Delete_Order(bank("", "Nobody")), clsCashSetup::kFailed.remove);
    EXPECT_EQ(count(QStringLiteral("Bank_T")), 1);
    EXPECT_EQ(count(QStringLiteral("Temp_Bank")), 1) << "a refused request leaves no row";
    EXPECT_EQ(scalar(QStringLiteral("SELECT Role FROM v_Account_Role WHERE GL_ID = 1020")),
              QStringLiteral("BANK"));
    Recordset picked = data.Get_Cash_Details(QStringLiteral("OCBC"));
    ASSERT_EQ(picked.recordCount(), 1);
    EXPECT_EQ(picked.value(QStringLiteral("GL_Name_VC")).toString(), QStringLiteral("OCBC Current"));
    expectBooksSound();
}

TEST_F(frmCashSetupTest, OpensWithItsCaptionsAndChecksTheFourBoxesInOrder) {
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Cash Master"));
    EXPECT_EQ(window->Frame1->title(), QStringLiteral("Cash Detail"));
    EXPECT_EQ(window->Frame2->title(), QStringLiteral("Function"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblCompany"))->text(),
              QStringLiteral("Filter By Name :"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblCOA"))->text(), QStringLiteral("Cash Code :"));
    EXPECT_TRUE(items(window->cboCOA).contains(QStringLiteral("1020")));
    EXPECT_FALSE(window->txtCustName->isVisible());
    EXPECT_FALSE(window->txtGLName->isEnabled());

    EXPECT_EQ(press(window->cmdSend), qtext(frmCashSetup::kText["NoName"]));
    EXPECT_EQ(ui.messages().size(), 1u) << "only the first failing check speaks";
    EXPECT_TRUE(focusedIn(window->cboCompany));
    window->cboCompany->setEditText(QStringLiteral("DBS"));
    EXPECT_EQ(press(window->cmdSend), qtext(frmCashSetup::kText["NoAddress"]));
    EXPECT_TRUE(focusedIn(window->txtBank_Add_VC));
    window->txtBank_Add_VC->setText(QStringLiteral(" "));
    EXPECT_EQ(press(window->cmdUpdate), qtext(frmCashSetup::kText["NoContact"]))
        << "a text of blanks is not empty";
    window->txtBank_Contact_VC->setText(QStringLiteral("6"));
    EXPECT_EQ(press(window->cmdDelete), qtext(frmCashSetup::kText["NoCode"]));
    EXPECT_TRUE(focusedIn(window->cboCOA));
    EXPECT_EQ(count(QStringLiteral("Temp_Bank")), 0);

    // The contact box takes digits and Backspace only.
    window->txtBank_Contact_VC->clear();
    type(window->txtBank_Contact_VC, QStringLiteral("63a 1-2+"));
    EXPECT_EQ(window->txtBank_Contact_VC->text(), QStringLiteral("6312"));
    EXPECT_EQ(ui.lastText(), qtext(frmCashSetup::kText["NumberOnly"]));
}

TEST_F(frmCashSetupTest, CreateUpdateAndDeleteWithTheirSentencesAndButtons) {
    open();
    fill(QStringLiteral("DBS"), QStringLiteral("1020"));
    EXPECT_EQ(press(window->cmdSend),
              QStringLiteral("Bank Details would be created under : 1020 for unassigned code"));
    EXPECT_EQ(
        lastRequest("Function_type || ' ' || Bank_Code_VC || ' ' || Bank_name || ' ' || Bank_Contact_VC"),
        QStringLiteral("C 1020 DBS 63180000"));
    EXPECT_EQ(items(window->cboCompany), QStringList{"DBS"});
    EXPECT_TRUE(window->cboCompany->currentText().isEmpty());
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true}));

    // Pick A, type B: UPDATE sends B without a code, DELETE sends A.
    fill(QStringLiteral("UOB"), QStringLiteral("1030"));
    EXPECT_EQ(press(window->cmdSend), QString()) << "CREATE NEW stays disabled until a pick";
    choose(window->cboCOA, QStringLiteral("1030"));
    EXPECT_EQ(window->txtGLName->text(), QStringLiteral("UOB Current"));
    EXPECT_EQ(press(window->cmdSend),
              QStringLiteral("Bank Details would be created under : 1030 for unassigned code"));
    choose(window->cboCompany, QStringLiteral("DBS"));
    EXPECT_EQ(window->txtGLName->text(), QStringLiteral("OCBC Current"));
    EXPECT_EQ(window->txtBank_Contact_VC->text(), QStringLiteral("63180000"));
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, true}));
    window->cboCompany->setEditText(QStringLiteral("UOB"));
    window->txtBank_Contact_VC->setText(QStringLiteral("67777777"));
    EXPECT_EQ(press(window->cmdUpdate), QStringLiteral("UOB have been updated"));
    EXPECT_EQ(lastRequest("COALESCE(Bank_Code_VC, 'none') || ' ' || Bank_name"), QStringLiteral("none UOB"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Bank_Contact_VC FROM Bank_T WHERE Bank_name = 'UOB'")),
              QStringLiteral("67777777"));
    EXPECT_EQ(buttons(), (std::vector<bool>{true, false, true}));
    window->cboCompany->setEditText(QStringLiteral("Standard Chartered"));
    window->txtBank_Add_VC->setText(QStringLiteral("1 Marina Blvd"));
    window->txtBank_Contact_VC->setText(QStringLiteral("1"));
    window->cboCOA->setEditText(QStringLiteral("1020"));
    choose(window->cboCOA, QStringLiteral("1020"));
    EXPECT_EQ(press(window->cmdUpdate),
              clsCashSetup::kFailed.update +
                  QStringLiteral("\nThere is no bank of that name; choose the bank from the list."));
    EXPECT_EQ(window->focusWidget(), window->cboCompany);

    choose(window->cboCompany, QStringLiteral("DBS"));
    window->cboCompany->setEditText(QStringLiteral("UOB"));
    EXPECT_EQ(press(window->cmdDelete),
              QStringLiteral("DBS would be Deleted if there is no transaction history"));
    EXPECT_EQ(items(window->cboCompany), QStringList{"UOB"});
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, false}));

    // Nothing picked: nothing to delete; a code not in the chart: named.
    choose(window->cboCOA, QStringLiteral("1030"));
    fill(QStringLiteral("UOB"), QStringLiteral("1030"));
    EXPECT_EQ(press(window->cmdDelete), qtext(frmCashSetup::kText["NothingToDelete"]));
    EXPECT_EQ(count(QStringLiteral("Bank_T")), 1);
    fill(QStringLiteral("UOB"), QStringLiteral("1999"));
    EXPECT_EQ(press(window->cmdSend), frmCashSetup::kNotAnAccount.arg(QStringLiteral("Cash Code"), "1999"));
    expectBooksSound();
}

} // namespace
