// The supplier set-up window: its checks in order, the requests it sends for
// each kind of supplier, the buttons after each request, and the picks.
#include "purchases/frmAPSetup.h"
#include "support/TestBook.h"
#include "support/gui/PartyTexts.h"
#include "support/gui/PinnedTexts.h"
#include "support/gui/WindowTest.h"
#include "ui/KeyFilter.h"
#include "uicore/Controls.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace orv;

namespace {

class frmAPSetupTest : public test::WindowTest<test::TestBook, frmAPSetup> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        addAccount(2010, QStringLiteral("Harbour Supplies"));
        addAccount(2020, QStringLiteral("Pacific Traders"));
        addAccount(2030, QStringLiteral("Oceanic Lines"));
    }
    QString press(QPushButton* button) {
        ui.clear();
        button->click();
        return ui.lastText();
    }
    void fillLocal(const QString& name, int code) {
        choose(window->cboForex, qtext(PartySetupWindow::kText["Local"]));
        window->cboCompany->setEditText(name);
        window->txtAddress->setText(QStringLiteral("8 Dock Rd"));
        window->txtCity->setText(QStringLiteral("Singapore"));
        window->cboCurrency->setEditText(QStringLiteral("SGD"));
        window->txtPhone->setText(QStringLiteral("62345678"));
        window->txtCountry->setText(QStringLiteral("Singapore"));
        window->txtPostal->setText(QStringLiteral("609000"));
        window->txtRegion->setText(QStringLiteral("West"));
        window->txtCreditTerm->setText(QStringLiteral("45"));
        window->txtCreditLimit->setText(QStringLiteral("20000"));
        window->cboCOA->setEditText(QString::number(code));
        window->txtVAT_Reg->setText(QStringLiteral("  M90312345X "));
    }
    void setAccounts(const QString& a, const QString& b, const QString& c, const QString& d) {
        window->cboUnrealisedGain->setEditText(a);
        window->cboUnrealisedLoss->setEditText(b);
        window->cboRealisedGain->setEditText(c);
        window->cboRealisedLoss->setEditText(d);
    }
    std::vector<bool> buttons() const {
        return {window->cmdSend->isEnabled(), window->cmdUpdate->isEnabled(), window->cmdDelete->isEnabled()};
    }
    // The last request row sent.
    QString lastRequest(const QString& columns) {
        return scalar(
            QStringLiteral("SELECT %1 FROM Temp_Creditors ORDER BY Req_ID DESC LIMIT 1").arg(columns));
    }
};

TEST(frmAPSetupTexts, CaptionsAndMessagesAreAsWritten) {
    test::expectPinnedTexts(
        frmAPSetup::kText,
        {
            {"frmAPSetup", "Creditor Set-Up"},
            {"Frame1", "Creditor Detail"},
            {"lblCompany", "Supplier Name"},
            {"lblForex", "Cur Type"},
            {"lblCOA", "Creditor Code :"},
            {"lblVAT_Reg", "VAT Reg Number :"},
            {"NoCurType", "Specify Currency Type for this Supplier"},
            {"NoName", "Enter Supplier Name"},
            {"NoCurrency", "Enter Currency Type"},
            {"NoCode", "Select Accout Code!"},
            {"NoVatReg", "Specify VAT Registration Number for the Supplier's Country"},
            {"NothingToDelete", "Select the Supplier to delete from the Supplier Name list!"},
            {"NoSupplier", "No supplier is named \"%1\""},
        });
    test::expectPinnedTexts(PartySetupWindow::kText, test::kPartyTexts);
}

TEST_F(frmAPSetupTest, OpensWithItsCaptionsListsAndAnEmptyStagingRecord) {
    addLocalSupplier(2010, QStringLiteral("O'Brien Supplies"));
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Creditor Set-Up"));
    EXPECT_EQ(window->Frame1->title(), QStringLiteral("Creditor Detail"));
    EXPECT_EQ(window->Frame2->title(), QStringLiteral("Function"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblCompany"))->text(),
              QStringLiteral("Supplier Name"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblCOA"))->text(),
              QStringLiteral("Creditor Code :"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblVAT_Reg"))->text(),
              QStringLiteral("VAT Reg Number :"));
    EXPECT_EQ(items(window->cboCompany), QStringList{"O'Brien Supplies"});
    EXPECT_EQ(items(window->cboForex), (QStringList{"LOCAL", "FOREIGN"}));
    EXPECT_TRUE(items(window->cboCurrency).contains(QStringLiteral("USD")));
    EXPECT_TRUE(items(window->cboRealisedLoss).contains(QStringLiteral("6500")));
    EXPECT_FALSE(window->txtCustName->isVisible());
    EXPECT_FALSE(window->cmdNew->isVisible());
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(window->staging().fieldCount(), 17);
    EXPECT_EQ(window->staging().field(16).name, QStringLiteral("VAT_Reg"));
    // Twenty characters, however many UTF-16 units they take.
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    window->txtVAT_Reg->setText(smile.repeated(12));
    EXPECT_EQ(window->txtVAT_Reg->text(), smile.repeated(12));
    window->txtVAT_Reg->clear();
    window->txtVAT_Reg->insert(QStringLiteral("9").repeated(21));
    EXPECT_EQ(window->txtVAT_Reg->text(), QString()) << "refused whole, never cut";

    // A name with a quote loads, and the pick fills every box.
    choose(window->cboCompany, QStringLiteral("O'Brien Supplies"));
    EXPECT_EQ(window->txtCustName->text(), QStringLiteral("O'Brien Supplies"));
    EXPECT_EQ(window->txtGLName->text(), QStringLiteral("Harbour Supplies"));
    EXPECT_EQ(window->cboForex->currentText(), qtext(PartySetupWindow::kText["Local"]));
    EXPECT_EQ(window->txtVAT_Reg->text(), QStringLiteral("M90312345X"));
    EXPECT_FALSE(window->cboRealisedGain->isEnabled()) << "a LOCAL supplier's accounts are disabled";
    choose(window->cboForex, qtext(PartySetupWindow::kText["Foreign"]));
    EXPECT_TRUE(window->cboRealisedGain->isEnabled());
}

TEST_F(frmAPSetupTest, TheChecksRunInOrderWithTheirTitlesFocusAndTints) {
    open();
    EXPECT_EQ(press(window->cmdSend), qtext(frmAPSetup::kText["NoCurType"]));
    EXPECT_TRUE(focusedIn(window->cboForex));
    EXPECT_TRUE(isTinted(window->cboForex));

    // FOREIGN with none of the four accounts: the four turn light blue and
    // the focus stays where it is.
    choose(window->cboForex, qtext(PartySetupWindow::kText["Foreign"]));
    window->txtCity->setFocus();
    EXPECT_EQ(press(window->cmdSend), qtext(PartySetupWindow::kText["NoConversionAccounts"]));
    for (QComboBox* box : {window->cboUnrealisedGain, window->cboUnrealisedLoss, window->cboRealisedGain,
                           window->cboRealisedLoss})
        EXPECT_TRUE(isTinted(box));
    EXPECT_TRUE(focusedIn(window->txtCity));

    window->cboUnrealisedGain->setEditText(QStringLiteral("4210"));
    const struct {
        QWidget* box;
        QString text;
        QString message;
        QString title;
    } steps[] = {
        {window->cboCompany, "Harbour", qtext(frmAPSetup::kText["NoName"]), kAppTitle},
        {window->txtAddress, "8 Dock Rd", qtext(PartySetupWindow::kText["NoAddress"]), kAppTitle},
        {window->txtCity, "Singapore", qtext(PartySetupWindow::kText["NoCity"]), kAppTitle},
        {window->cboCurrency, "USD", qtext(frmAPSetup::kText["NoCurrency"]), kAppTitle},
        {window->txtPhone, "62345678", qtext(PartySetupWindow::kText["NoPhone"]), kTitleMissingField},
        {window->txtCountry, "Singapore", qtext(PartySetupWindow::kText["NoCountry"]), kAppTitle},
        {window->txtPostal, "609000", qtext(PartySetupWindow::kText["NoPostal"]), kTitleMissingField},
        {window->txtRegion, "West", qtext(PartySetupWindow::kText["NoRegion"]), kAppTitle},
        {window->txtCreditTerm, "45", qtext(PartySetupWindow::kText["NoCreditTerm"]), kTitleMissingField},
        {window->txtCreditLimit, "20000", qtext(PartySetupWindow::kText["NoCreditLimit"]),
         kTitleMissingField},
        {window->cboCOA, "2010", qtext(frmAPSetup::kText["NoCode"]), kAppTitle},
        {window->cboUnrealisedLoss, "6510", qtext(PartySetupWindow::kText["NoUnrealisedLoss"]), kAppTitle},
        {window->cboRealisedGain, "4200", qtext(PartySetupWindow::kText["NoRealisedGain"]), kAppTitle},
        {window->cboRealisedLoss, "6500", qtext(PartySetupWindow::kText["NoRealisedLoss"]), kAppTitle},
        {window->txtVAT_Reg, "   ", qtext(frmAPSetup::kText["NoVatReg"]), kAppTitle},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.message.toStdString());
        EXPECT_EQ(press(window->cmdSend), step.message);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].title, step.title);
        EXPECT_TRUE(focusedIn(step.box));
        EXPECT_TRUE(isTinted(step.box));
        setFieldText(step.box, step.text);
    }
    // A VAT number of blanks is no number.
    EXPECT_EQ(press(window->cmdSend), qtext(frmAPSetup::kText["NoVatReg"]));
    window->txtVAT_Reg->setText(QStringLiteral("US-4471"));
    EXPECT_EQ(count(QStringLiteral("Temp_Creditors")), 0);
    EXPECT_EQ(press(window->cmdSend),
              QStringLiteral("Creditor would be created for 2010 if this code has not been assigned yet"));
    EXPECT_TRUE(isTinted(window->cboForex)) << "a tint stays after the request succeeds";
    expectBooksSound();
}

TEST_F(frmAPSetupTest, NumberBoxesAndTheirKeyFilter) {
    open();
    fillLocal(QStringLiteral("Harbour"), 2010);
    const struct {
        QLineEdit* box;
        QString text;
        QString message;
    } cases[] = {
        {window->txtPhone, "0", qtext(PartySetupWindow::kText["PhoneNegative"])},
        {window->txtPhone, "6234a678", QStringLiteral("Enter numerical and not character")},
        {window->txtPhone, "6234 5678", QStringLiteral("Enter numerical and not character")},
        {window->txtPostal, "-5", qtext(PartySetupWindow::kText["PostalNegative"])},
        {window->txtCreditTerm, "x", QStringLiteral("Enter numerical and not character")},
        {window->txtCreditLimit, "0", qtext(PartySetupWindow::kText["CreditLimitNegative"])},
        {window->txtCreditLimit, "-1", qtext(PartySetupWindow::kText["CreditLimitNegative"])},
        {window->txtCreditTerm, "4.5", qtext(PartySetupWindow::kText["CreditTermWhole"])},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const QString good = c.box->text();
        c.box->setText(c.text);
        EXPECT_EQ(press(window->cmdSend), c.message);
        EXPECT_TRUE(focusedIn(c.box));
        c.box->setText(good);
    }
    // The credit boxes let digits and lower-case letters through; anything
    // else is stopped at the keyboard.
    window->txtCreditTerm->clear();
    ui.clear();
    type(window->txtCreditTerm, QStringLiteral("3a"));
    EXPECT_EQ(window->txtCreditTerm->text(), QStringLiteral("3a"));
    EXPECT_TRUE(ui.messages().empty());
    type(window->txtCreditTerm, QStringLiteral("A"));
    EXPECT_EQ(window->txtCreditTerm->text(), QStringLiteral("3a"));
    EXPECT_EQ(ui.lastText(), KeyFilter::kSpecialCharacter);
    EXPECT_EQ(press(window->cmdSend), QStringLiteral("Enter numerical and not character"));
    EXPECT_EQ(count(QStringLiteral("Temp_Creditors")), 0);
}

TEST_F(frmAPSetupTest, RequestsCarryWhatEachKindOfSupplierNeeds) {
    open();
    // LOCAL: 1 in each conversion account whatever the lists show, and Forex 0.
    fillLocal(QStringLiteral("Harbour"), 2010);
    setAccounts("4210", "6510", "4200", "6500");
    EXPECT_EQ(press(window->cmdSend),
              QStringLiteral("Creditor would be created for 2010 if this code has not been assigned yet"));
    EXPECT_EQ(
        lastRequest("UnRG || UnRL || RG || RL || ' ' || Forex || ' ' || VAT_Reg || ' ' || Function_type"),
        QStringLiteral("1111 0 M90312345X C"));
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true}));
    EXPECT_TRUE(window->cboCompany->currentText().isEmpty());
    EXPECT_EQ(items(window->cboCompany), QStringList{"Harbour"});

    // A kind typed in lower case is not FOREIGN: Forex 0 and the four texts.
    window->cmdClear->click();
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, true})) << "CLEAR ALL makes CREATE NEW available";
    fillLocal(QStringLiteral("Pacific"), 2020);
    window->cboForex->setEditText(QStringLiteral("foreign"));
    setAccounts("4210", "6510", "4200", "6500");
    EXPECT_EQ(press(window->cmdSend),
              QStringLiteral("Creditor would be created for 2020 if this code has not been assigned yet"));
    EXPECT_EQ(lastRequest("UnRG || ' ' || RL || ' ' || Forex"), QStringLiteral("4210 6500 0"));
    // In a foreign currency the database refuses such a supplier.
    window->cmdClear->click();
    fillLocal(QStringLiteral("Oceanic"), 2030);
    window->cboForex->setEditText(QStringLiteral("foreign"));
    window->cboCurrency->setEditText(QStringLiteral("USD"));
    setAccounts("4210", "6510", "4200", "6500");
    EXPECT_EQ(press(window->cmdSend),
              QStringLiteral("A LOCAL supplier must trade in SGD, a FOREIGN supplier in another currency."));
    EXPECT_EQ(count(QStringLiteral("Creditors")), 2);

    // UPDATE leaves Forex unset, also when the kind has changed.
    choose(window->cboCompany, QStringLiteral("Harbour"));
    window->txtCity->setText(QStringLiteral("Tuas"));
    choose(window->cboForex, qtext(PartySetupWindow::kText["Foreign"]));
    window->cboForex->setEditText(qtext(PartySetupWindow::kText["Local"]));
    EXPECT_EQ(press(window->cmdUpdate),
              QStringLiteral("Creditor Harbour details would be updated if no transaction been posted"));
    EXPECT_EQ(lastRequest("COALESCE(Forex, 'unset') || ' ' || UnRG || ' ' || City"),
              QStringLiteral("unset 1 Tuas"));
    EXPECT_EQ(buttons(), (std::vector<bool>{true, false, true}));

    // DELETE names the supplier picked, whatever the name box says now.
    choose(window->cboCompany, QStringLiteral("Harbour"));
    window->cboCompany->setEditText(QStringLiteral("Someone Else"));
    EXPECT_EQ(press(window->cmdDelete),
              QStringLiteral("Creditor Harbour would be Deleted if there is no transaction history"));
    EXPECT_EQ(count(QStringLiteral("Creditors")), 1) << "Pacific stays";
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, false}));
    expectBooksSound();
}

TEST_F(frmAPSetupTest, RefusalsShowTheFailureTextAndNothingIsWritten) {
    addLocalSupplier(2010, QStringLiteral("Harbour"));
    postJournal(2020); // the account now has postings
    open();
    fillLocal(QStringLiteral("harbour"), 2020);
    const QString failed = clsAPSetup::kFailed.create + QLatin1Char('\n');
    EXPECT_EQ(press(window->cmdSend), failed + QStringLiteral("A supplier of that name already exists."));
    EXPECT_TRUE(window->cmdSend->isEnabled()) << "a refusal leaves the buttons as they were";
    EXPECT_EQ(window->focusWidget(), window->cboCompany);
    window->cmdClear->click();
    fillLocal(QStringLiteral("Pacific"), 2010);
    EXPECT_EQ(press(window->cmdSend),
              failed + QStringLiteral("Account 2010 is already another supplier's code."));
    EXPECT_EQ(window->focusWidget(), window->cboCOA);
    window->cmdClear->click();
    fillLocal(QStringLiteral("Pacific"), 2020);
    EXPECT_EQ(press(window->cmdSend),
              QStringLiteral("Account 2020 already has postings; a supplier needs an account without any."))
        << "the reason alone: the failure text would say the name exists";
    // A code that is not in the chart is named before anything is sent.
    window->cmdClear->click();
    fillLocal(QStringLiteral("Pacific"), 2999);
    EXPECT_EQ(press(window->cmdSend), frmAPSetup::kNotAnAccount.arg(QStringLiteral("Creditor Code"), "2999"));
    // With no supplier picked there is nothing to delete.
    fillLocal(QStringLiteral("Harbour"), 2010);
    EXPECT_EQ(press(window->cmdDelete), qtext(frmAPSetup::kText["NothingToDelete"]));
    EXPECT_EQ(count(QStringLiteral("Temp_Creditors")), 1);
    EXPECT_EQ(count(QStringLiteral("Creditors")), 1);
    expectBooksSound();
}

} // namespace

TEST_F(frmAPSetupTest, ANameTypedIsNotAPickUntilItIsChosenFromTheList) {
    addLocalSupplier(2010, QStringLiteral("Harbour"));
    open();
    QApplication::setActiveWindow(window.get());
    window->cboCompany->setFocus();
    type(window->cboCompany, QStringLiteral("Harbour"));
    QTest::keyClick(window->cboCompany->lineEdit(), Qt::Key_Return);
    window->txtAddress->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->txtCustName->text().isEmpty()) << "nothing loaded";
    EXPECT_TRUE(window->txtAddress->text().isEmpty());
    type(window->txtAddress, QStringLiteral("9 Quay"));
    EXPECT_EQ(window->txtAddress->text(), QStringLiteral("9 Quay")) << "what is typed stays as typed";

    choose(window->cboCompany, QStringLiteral("Harbour"));
    EXPECT_EQ(window->txtCustName->text(), QStringLiteral("Harbour"));
    EXPECT_EQ(window->txtAddress->text(), QStringLiteral("8 Dock Rd"));
}

namespace {

// An account created elsewhere (the chart's window) while the window is open
// is in its code lists once the clerk comes back to it; what was typed stays.
TEST_F(frmAPSetupTest, ListsAreReadAgainWhenTheWindowIsActivatedAfterTheBooksChanged) {
    open();
    window->cboCOA->setEditText(QStringLiteral("20"));
    addAccount(2040, QStringLiteral("Bay Freight"));
    EXPECT_FALSE(items(window->cboCOA).contains(QStringLiteral("2040")));
    QEvent activated(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window.get(), &activated);
    EXPECT_TRUE(items(window->cboCOA).contains(QStringLiteral("2040")));
    EXPECT_TRUE(items(window->cboRealisedGain).contains(QStringLiteral("2040")));
    EXPECT_EQ(window->cboCOA->currentText(), QStringLiteral("20"));
}

} // namespace
