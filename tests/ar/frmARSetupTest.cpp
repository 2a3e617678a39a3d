// The customer frame of the customer master window: its lists, its checks in
// order, and the create, update and delete requests with their sentences.
#include "ArWindowTest.h"

#include "ar/clsARSetup.h"
#include "db/CompanyDatabase.h"
#include "support/PartyStaging.h"
#include "support/gui/PartyTexts.h"
#include "support/gui/PinnedTexts.h"

#include <QGroupBox>
#include <QLabel>

using namespace orv;

namespace {

class frmARSetupTest : public test::ArWindowTest {
protected:
    // Every box of a valid LOCAL customer.
    void fillLocal(const QString& name, int code) {
        choose(window->cboForex, qtext(PartySetupWindow::kText["Local"]));
        window->cboCompany->setEditText(name);
        window->txtAddress->setText(QStringLiteral("1 Main St"));
        window->txtCity->setText(QStringLiteral("Singapore"));
        window->txtPhone->setText(QStringLiteral("65551234"));
        window->txtCountry->setText(QStringLiteral("Singapore"));
        window->txtPostal->setText(QStringLiteral("123456"));
        window->txtRegion->setText(QStringLiteral("Central"));
        window->txtCreditTerm->setText(QStringLiteral("30"));
        window->txtCreditLimit->setText(QStringLiteral("5000"));
        window->cboCOA->setEditText(QString::number(code));
        window->cboCurrency->setEditText(QStringLiteral("SGD"));
    }
    void fillForeign(const QString& name, int code) {
        fillLocal(name, code);
        choose(window->cboForex, qtext(PartySetupWindow::kText["Foreign"]));
        window->cboCurrency->setEditText(QStringLiteral("USD"));
        window->cboUnrealisedGain->setEditText(QString::number(kUnRG));
        window->cboUnrealisedLoss->setEditText(QString::number(kUnRL));
        window->cboRealisedGain->setEditText(QString::number(kRG));
        window->cboRealisedLoss->setEditText(QString::number(kRL));
    }
    std::vector<QComboBox*> accountBoxes() const {
        return {window->cboUnrealisedGain, window->cboUnrealisedLoss, window->cboRealisedGain,
                window->cboRealisedLoss};
    }
    bool accountBoxesEnabled() const {
        for (QComboBox* box : accountBoxes())
            if (!box->isEnabled())
                return false;
        return true;
    }
    QString customer(const QString& name, const QString& columns) {
        return scalar(QStringLiteral("SELECT %1 FROM Customers WHERE CompanyName = '%2'").arg(columns, name));
    }
    // A request ended: the boxes are empty.
    bool boxesEmpty() const {
        for (QWidget* box : std::initializer_list<QWidget*>{
                 window->cboCompany, window->txtAddress, window->txtCity, window->txtPhone,
                 window->txtCountry, window->txtPostal, window->txtRegion, window->txtCreditTerm,
                 window->txtCreditLimit, window->txtCustName, window->cboCOA, window->txtGLName,
                 window->cboCurrency, window->cboForex, window->cboUnrealisedGain, window->cboUnrealisedLoss,
                 window->cboRealisedGain, window->cboRealisedLoss})
            if (!fieldText(box).isEmpty())
                return false;
        return true;
    }
};

TEST(frmARSetupTexts, CaptionsAndMessagesAreAsWritten) {
    test::expectPinnedTexts(
        frmARSetup::kText,
        {
            {"frmARSetup", "Customer Master"},
            {"Frame1", "Customer Set-Up"},
            {"lblCompany", "CompanyName"},
            {"lblCustName", "CustName :"},
            {"lblForex", "Cur Type :"},
            {"lblCOA", "Customer Code :"},
            {"fraShipping", "Shipping Set-Up"},
            {"lblShipcode", "ShipCode"},
            {"lblShipphone", "Phone :"},
            {"lblShipaddr", "Shipping Address"},
            {"cmdShip", "CREATE NEW"},
            {"UpdateShip", "UPDATE"},
            {"DeleteShip", "DELETE"},
            {"Command1", "CLEAR"},
            {"fraEmployee", "Employee Set-Up"},
            {"lblLastName", "Last Name :"},
            {"lblFirstName", "First Name :"},
            {"lblHireDate", "Hire Date :"},
            {"lblBirthDate", "Birth Date :"},
            {"lblEmpAdd", "Address :"},
            {"lblEmpNo", "Contact No :"},
            {"cmdEmp", "CREATE NEW"},
            {"UpdateEmp", "UPDATE"},
            {"DeleteEmp", "DELETE"},
            {"Command2", "CLEAR"},
            {"NoCurType", "Specify Customer Currency Type (FOREIGN or LOCAL)!"},
            {"NoName", "Specify Customer Name!"},
            {"NoCode", "Specify Customer Code"},
            {"NoCurrency", "Specify Currency Type"},
            {"NothingToDelete", "Select the Customer to delete from the CompanyName list!"},
            {"NoCustomer", "No customer is named \"%1\""},
            {"NoShipName", "Specify Shipping Name!"},
            {"NoShipPhone", "Specify Shipping Contact Number!"},
            {"NoShipAddress", "Specify Shipping Address!"},
            {"NoShipper", "No shipper is named \"%1\""},
            {"NoLastName", "Specify Last Name!"},
            {"NoFirstName", "Specify First Name!"},
            {"NoEmpAddress", "Specify Employee Address!"},
            {"NoContact", "Specify Employee Contact Number!"},
            {"CommaInLastName", "Last Name must not contain a comma!"},
            {"CommaInFirstName", "First Name must not contain a comma!"},
            {"NoEmployee", "No employee has the last name \"%1\""},
        });
    test::expectPinnedTexts(PartySetupWindow::kText, test::kPartyTexts);
}

TEST_F(frmARSetupTest, LoadFillsEveryListAndBuildsTheThreeStagingRecords) {
    addLocalCustomer(kAcme, QStringLiteral("Acme Trading"));
    addForeignCustomer(kGlobex, QStringLiteral("Globex"), QStringLiteral("USD"));
    sql(QStringLiteral("INSERT INTO Forex_Master_T (Year_TI, Period_SI, Country, Cur_Type, Clsg_Rate) "
                       "VALUES (2011, 1, 'UNITED STATES', 'USD', 1.3)"));
    addShipper(QStringLiteral("Speedy"));
    addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    open();

    EXPECT_EQ(window->windowTitle(), QStringLiteral("Customer Master"));
    EXPECT_EQ(window->Frame1->title(), QStringLiteral("Customer Set-Up"));
    EXPECT_EQ(window->Frame2->title(), QStringLiteral("Function"));
    EXPECT_EQ(window->fraShipping->title(), QStringLiteral("Shipping Set-Up"));
    EXPECT_EQ(window->fraEmployee->title(), QStringLiteral("Employee Set-Up"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblCreditTerm"))->text(),
              QStringLiteral("Credit term :"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblCOA"))->text(),
              QStringLiteral("Customer Code :"));
    EXPECT_EQ(window->cmdSend->parentWidget(), window.get())
        << "CREATE NEW stands outside the Function frame";
    EXPECT_EQ(window->cmdDelete->parentWidget(), window->Frame2);

    EXPECT_EQ(items(window->cboCompany), (QStringList{"Acme Trading", "Globex"}));
    QStringList codes;
    Recordset chart = db::CompanyDatabase::execute(QStringLiteral("SELECT * FROM COA_T"));
    for (chart.moveFirst(); !chart.eof(); chart.moveNext())
        codes << chart.value(0).toString();
    EXPECT_EQ(items(window->cboCOA), codes);
    for (QComboBox* box : accountBoxes())
        EXPECT_EQ(items(box), codes);
    EXPECT_EQ(items(window->cboCurrency), (QStringList{"SGD", "USD", "EUR", "JPY", "MYR", "USD"}));
    EXPECT_EQ(items(window->cboForex), (QStringList{"FOREIGN", "LOCAL"}));
    EXPECT_EQ(items(shipping().cboShipcode), QStringList{"Speedy"});
    EXPECT_EQ(items(employees().cboEmployee), QStringList{"Tan"});

    EXPECT_TRUE(boxesEmpty());
    EXPECT_FALSE(window->txtCustName->isVisible());
    EXPECT_FALSE(window->findChild<QLabel*>(QStringLiteral("lblCustName"))->isVisible());
    EXPECT_FALSE(window->cmdNew->isVisible());
    EXPECT_FALSE(window->txtGLName->isEnabled());
    EXPECT_TRUE(accountBoxesEnabled());
    EXPECT_EQ(customerButtons(), (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(isTinted(window->cboForex));
    EXPECT_EQ(window->staging().fieldCount(), 16);
    EXPECT_EQ(window->staging().field(0).name, QStringLiteral("GL_ID"));
    EXPECT_EQ(window->staging().field(10).size, 10);
    EXPECT_EQ(window->shipping->staging().recordCount(), 1);
    EXPECT_EQ(window->employee->staging().fieldCount(), 6);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(frmARSetupTest, TheChecksRunInOrderWithTheirTitlesFocusAndTints) {
    open();
    EXPECT_EQ(press(window->cmdSend), qtext(frmARSetup::kText["NoCurType"]));
    EXPECT_TRUE(focusedIn(window->cboForex));
    EXPECT_TRUE(isTinted(window->cboForex));

    // With one account given, each missing box is reported in turn, the
    // missing accounts only after every other box has passed.
    choose(window->cboForex, qtext(PartySetupWindow::kText["Foreign"]));
    window->cboUnrealisedGain->setEditText(QString::number(kUnRG));
    const struct {
        QWidget* box;
        QString text;
        QString message;
        QString title;
        bool tinted;
    } steps[] = {
        {window->cboCompany, "Acme Trading", qtext(frmARSetup::kText["NoName"]), kAppTitle, false},
        {window->txtAddress, "1 Main St", qtext(PartySetupWindow::kText["NoAddress"]), kAppTitle, false},
        {window->txtCity, "Singapore", qtext(PartySetupWindow::kText["NoCity"]), kAppTitle, false},
        {window->txtPhone, "65551234", qtext(PartySetupWindow::kText["NoPhone"]), kTitleMissingField, false},
        {window->txtCountry, "Singapore", qtext(PartySetupWindow::kText["NoCountry"]), kAppTitle, false},
        {window->txtPostal, "123456", qtext(PartySetupWindow::kText["NoPostal"]), kTitleMissingField, false},
        {window->txtRegion, "Central", qtext(PartySetupWindow::kText["NoRegion"]), kAppTitle, false},
        {window->txtCreditTerm, "30", qtext(PartySetupWindow::kText["NoCreditTerm"]), kTitleMissingField,
         false},
        {window->txtCreditLimit, "5000", qtext(PartySetupWindow::kText["NoCreditLimit"]), kTitleMissingField,
         false},
        {window->cboCOA, "1200", qtext(frmARSetup::kText["NoCode"]), kAppTitle, false},
        {window->cboUnrealisedLoss, "6510", qtext(PartySetupWindow::kText["NoUnrealisedLoss"]), kAppTitle,
         true},
        {window->cboRealisedGain, "4200", qtext(PartySetupWindow::kText["NoRealisedGain"]), kAppTitle, true},
        {window->cboRealisedLoss, "6500", qtext(PartySetupWindow::kText["NoRealisedLoss"]), kAppTitle, true},
        {window->cboCurrency, "USD", qtext(frmARSetup::kText["NoCurrency"]), kAppTitle, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.message.toStdString());
        EXPECT_EQ(press(window->cmdSend), step.message);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].title, step.title);
        EXPECT_TRUE(focusedIn(step.box));
        EXPECT_EQ(isTinted(step.box), step.tinted);
        setFieldText(step.box, step.text);
    }
    EXPECT_EQ(count(QStringLiteral("Temp_Customers")), 0);
    EXPECT_EQ(press(window->cmdSend), QStringLiteral("Customer only created for unassigned Code 1200"));
    EXPECT_TRUE(isTinted(window->cboForex)) << "a tint stays after the request succeeds";
    EXPECT_TRUE(isTinted(window->cboRealisedLoss));
    EXPECT_FALSE(isTinted(window->cboUnrealisedGain));

    // FOREIGN without any conversion account: the four turn light blue and
    // the focus stays where it is.
    choose(window->cboCOA, QStringLiteral("1210"));
    choose(window->cboForex, qtext(PartySetupWindow::kText["Foreign"]));
    window->txtCity->setFocus();
    EXPECT_EQ(press(window->cmdSend), qtext(PartySetupWindow::kText["NoConversionAccounts"]));
    EXPECT_EQ(ui.messages().back().title, kAppTitle);
    for (QComboBox* box : accountBoxes())
        EXPECT_TRUE(isTinted(box));
    EXPECT_TRUE(focusedIn(window->txtCity));
}

TEST_F(frmARSetupTest, NumberBoxesMustHoldPositiveNumbersTheRecordCanKeep) {
    open();
    const struct {
        QLineEdit* box;
        QString text;
        QString message;
        QString title;
    } cases[] = {
        {window->txtPhone, "6555-1234", "Enter numerical and not character", kTitleInvalidInput},
        {window->txtPhone, "6555 1234", "Enter numerical and not character", kTitleInvalidInput},
        {window->txtPhone, "0", qtext(PartySetupWindow::kText["PhoneNegative"]), kAppTitle},
        {window->txtPostal, "-12", qtext(PartySetupWindow::kText["PostalNegative"]), kAppTitle},
        {window->txtPostal, "S123", "Enter numerical and not character", kTitleInvalidInput},
        {window->txtCreditTerm, "0", qtext(PartySetupWindow::kText["CreditTermNegative"]), kAppTitle},
        {window->txtCreditLimit, "0", qtext(PartySetupWindow::kText["CreditLimitNegative"]), kAppTitle},
        {window->txtCreditTerm, "1e3", qtext(PartySetupWindow::kText["CreditTermWhole"]), kAppTitle},
        {window->txtCreditLimit, "99999999999", qtext(PartySetupWindow::kText["CreditLimitWhole"]),
         kAppTitle},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        fillLocal(QStringLiteral("Acme Trading"), kAcme);
        c.box->setText(c.text);
        EXPECT_EQ(press(window->cmdSend), c.message);
        EXPECT_EQ(ui.messages().back().title, c.title);
        EXPECT_TRUE(focusedIn(c.box));
        EXPECT_EQ(c.box->selectedText(), c.text);
        EXPECT_FALSE(isTinted(c.box)) << "only the currency type and the four accounts are tinted";
    }
    EXPECT_EQ(count(QStringLiteral("Temp_Customers")), 0);
}

TEST_F(frmARSetupTest, CreditBoxesTakeDigitsAndLowerCaseLettersOnly) {
    open();
    for (const char* key : {"-", ".", "A", " "}) {
        SCOPED_TRACE(key);
        ui.clear();
        type(window->txtCreditTerm, QString::fromLatin1(key));
        EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Special Character not allowed")});
        EXPECT_TRUE(window->txtCreditTerm->text().isEmpty());
    }
    ui.clear();
    type(window->txtCreditLimit, QStringLiteral("12x"));
    EXPECT_EQ(window->txtCreditLimit->text(), QStringLiteral("12x"));
    EXPECT_TRUE(ui.messages().empty());

    fillLocal(QStringLiteral("Acme Trading"), kAcme);
    window->txtCreditTerm->clear();
    type(window->txtCreditTerm, QStringLiteral("abc"));
    EXPECT_EQ(press(window->cmdSend), QStringLiteral("Enter numerical and not character"));
    EXPECT_EQ(ui.messages().back().title, kTitleInvalidInput);
    EXPECT_EQ(window->txtCreditTerm->selectedText(), QStringLiteral("abc"));
}

TEST_F(frmARSetupTest, CreateNewSendsALocalOrForeignCustomerAndStaysDisabledUntilAPick) {
    open();
    fillLocal(QStringLiteral("Acme Trading"), kAcme);
    window->cboUnrealisedGain->setEditText(QStringLiteral("6000")); // not carried for LOCAL
    EXPECT_EQ(press(window->cmdSend), QStringLiteral("Customer only created for unassigned Code 1200"));
    EXPECT_EQ(ui.messages().back().title, kAppTitle);
    ASSERT_FALSE(ui.pointers().empty());
    EXPECT_EQ(ui.pointers().back().pointer, Pointer::Arrow);
    EXPECT_EQ(customer("Acme Trading", "UnRG || UnRL || RG || RL || ' ' || Forex || ' ' || Cur_Type"),
              QStringLiteral("1111 0 SGD"));
    EXPECT_EQ(items(window->cboCompany), QStringList{"Acme Trading"});
    EXPECT_TRUE(boxesEmpty());
    EXPECT_EQ(customerButtons(), (std::vector<bool>{false, true, true}));
    window->cmdClear->click();
    EXPECT_FALSE(window->cmdSend->isEnabled()) << "CLEAR ALL does not enable CREATE NEW";

    // A code chosen in the code list presses REFRESH.
    choose(window->cboCOA, QString::number(kInitech));
    EXPECT_EQ(window->txtGLName->text(), QStringLiteral("Initech Debtor"));
    EXPECT_TRUE(window->cmdSend->isEnabled());
    fillForeign(QStringLiteral("Initech"), kInitech);
    EXPECT_EQ(press(window->cmdSend), QStringLiteral("Customer only created for unassigned Code 70000"));
    EXPECT_EQ(customer("Initech",
                       "Forex || ' ' || UnRG || ' ' || UnRL || ' ' || RG || ' ' || RL || ' ' || Cur_Type"),
              QStringLiteral("1 4210 6510 4200 6500 USD"));
    expectBooksSound();
}

TEST_F(frmARSetupTest, ARefusedCreateSaysWhyAndKeepsWhatWasTyped) {
    addLocalCustomer(kAcme, QStringLiteral("Acme Trading"));
    open();
    const struct {
        QString name;
        int code;
        QString why;
        QWidget* focus;
    } refused[] = {{QStringLiteral("ACME TRADING"), kGlobex,
                    QStringLiteral("A customer of that name already exists."), window->cboCompany},
                   {QStringLiteral("Globex"), kAcme,
                    QStringLiteral("Account %1 is already another customer's code.").arg(kAcme),
                    window->cboCOA}};
    for (const auto& r : refused) {
        SCOPED_TRACE(r.name.toStdString());
        window->cmdNew->click();
        fillLocal(r.name, r.code);
        window->cmdSend->setFocus();
        EXPECT_EQ(press(window->cmdSend), clsARSetup::kCustomerFailed.create + QLatin1Char('\n') + r.why);
        EXPECT_EQ(window->cboCompany->currentText(), r.name);
        EXPECT_EQ(window->txtCreditLimit->text(), QStringLiteral("5000"));
        EXPECT_EQ(window->cboCOA->currentText(), QString::number(r.code));
        EXPECT_EQ(customerButtons(), (std::vector<bool>{true, true, true}));
        EXPECT_EQ(window->focusWidget(), r.focus);
    }
    // A FOREIGN customer in the books' own currency.
    window->cmdNew->click();
    fillForeign(QStringLiteral("Globex"), kGlobex);
    window->cboCurrency->setEditText(QStringLiteral("SGD"));
    EXPECT_EQ(press(window->cmdSend),
              QStringLiteral("A LOCAL customer must trade in SGD, a FOREIGN customer in another currency."));
    EXPECT_EQ(window->focusWidget(), window->cboCurrency);
    EXPECT_EQ(items(window->cboCompany), QStringList{"Acme Trading"});
    EXPECT_EQ(count(QStringLiteral("Temp_Customers")), 1);
}

TEST_F(frmARSetupTest, APickFillsEveryBoxAndSetsTheAccountBoxesByCurrencyType) {
    test::PartyValues acme = test::localParty(kAcme, QStringLiteral("Acme Trading"));
    acme.erase(QStringLiteral("Region")); // a customer saved without a region
    ASSERT_EQ(clsARSetup().Send_Order(test::partyStaging(acme)),
              QStringLiteral("Customer only created for unassigned Code 1200"));
    addForeignCustomer(kGlobex, QStringLiteral("Globex"), QStringLiteral("USD"));
    open();
    window->txtAddress->setFocus();
    type(window->txtAddress, QStringLiteral("typed"));
    press(window->cmdSend); // a failed check leaves all as it was
    choose(window->cboCompany, QStringLiteral("Globex"));
    EXPECT_EQ(window->txtAddress->text(), QStringLiteral("9 Elm St"));
    EXPECT_EQ(window->txtCity->text(), QStringLiteral("Boston"));
    EXPECT_EQ(window->txtRegion->text(), QStringLiteral("MA"));
    EXPECT_EQ(window->txtPostal->text(), QStringLiteral("02110"));
    EXPECT_EQ(window->txtCountry->text(), QStringLiteral("USA"));
    EXPECT_EQ(window->txtPhone->text(), QStringLiteral("6175550000"));
    EXPECT_EQ(window->txtCreditTerm->text(), QStringLiteral("60"));
    EXPECT_EQ(window->txtCreditLimit->text(), QStringLiteral("9000"));
    EXPECT_EQ(window->txtCustName->text(), QStringLiteral("Globex"));
    EXPECT_EQ(window->cboCOA->currentText(), QStringLiteral("1210"));
    EXPECT_EQ(window->txtGLName->text(), QStringLiteral("Globex Debtor"));
    EXPECT_EQ(window->cboCurrency->currentText(), QStringLiteral("USD"));
    EXPECT_EQ(window->cboForex->currentText(), QStringLiteral("FOREIGN"));
    EXPECT_EQ(window->cboUnrealisedGain->currentText(), QStringLiteral("4210"));
    EXPECT_EQ(window->cboRealisedLoss->currentText(), QStringLiteral("6500"));
    EXPECT_TRUE(accountBoxesEnabled());

    choose(window->cboCompany, QStringLiteral("Acme Trading"));
    EXPECT_EQ(window->cboForex->currentText(), QStringLiteral("LOCAL"));
    EXPECT_TRUE(window->txtRegion->text().isEmpty()) << "a missing region loads as an empty box";
    for (QComboBox* box : accountBoxes()) {
        EXPECT_FALSE(box->isEnabled());
        EXPECT_EQ(box->currentText(), QStringLiteral("1"));
    }
    choose(window->cboForex, qtext(PartySetupWindow::kText["Foreign"]));
    EXPECT_TRUE(accountBoxesEnabled());
    choose(window->cboForex, qtext(PartySetupWindow::kText["Local"]));
    EXPECT_FALSE(window->cboRealisedGain->isEnabled());
}

TEST_F(frmARSetupTest, UpdateSendsTheEditedBoxesAndOnesForALocalCustomer) {
    addLocalCustomer(kAcme, QStringLiteral("Acme Trading"));
    addForeignCustomer(kGlobex, QStringLiteral("Globex"), QStringLiteral("USD"));
    open();
    choose(window->cboCompany, QStringLiteral("Acme Trading"));
    window->txtAddress->setText(QStringLiteral("2 New Rd"));
    for (QComboBox* box : accountBoxes())
        box->setEditText(QString()); // empty boxes do not stop a LOCAL update
    EXPECT_EQ(
        press(window->cmdUpdate),
        QStringLiteral("Customer Acme Trading details would be updated if there is no transaction posted"));
    EXPECT_EQ(customer("Acme Trading", "Address || ' ' || UnRG || UnRL || RG || RL"),
              QStringLiteral("2 New Rd 1111"));
    EXPECT_EQ(customerButtons(), (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(boxesEmpty());

    // The currency type chosen never reaches the database on an update; the
    // accounts typed do.
    choose(window->cboCompany, QStringLiteral("Acme Trading"));
    choose(window->cboForex, qtext(PartySetupWindow::kText["Foreign"]));
    window->cboUnrealisedGain->setEditText(QString::number(kUnRG));
    window->cboUnrealisedLoss->setEditText(QString::number(kUnRL));
    window->cboRealisedGain->setEditText(QString::number(kRG));
    window->cboRealisedLoss->setEditText(QString::number(kRL));
    EXPECT_EQ(
        press(window->cmdUpdate),
        QStringLiteral("Customer Acme Trading details would be updated if there is no transaction posted"));
    EXPECT_EQ(customer("Acme Trading", "Forex || ' ' || UnRG || ' ' || UnRL || ' ' || RG || ' ' || RL"),
              QStringLiteral("0 4210 6510 4200 6500"));
    expectBooksSound();
}

TEST_F(frmARSetupTest, DeleteNamesTheCustomerLastLoaded) {
    addLocalCustomer(kAcme, QStringLiteral("Acme Trading"));
    addLocalCustomer(kGlobex, QStringLiteral("Globex"));
    open();
    choose(window->cboCompany, QStringLiteral("Acme Trading"));
    window->cboCompany->setEditText(QStringLiteral("Globex"));
    EXPECT_EQ(press(window->cmdDelete),
              QStringLiteral("Customer Acme Trading would be Deleted if there is no transaction history"));
    EXPECT_EQ(items(window->cboCompany), QStringList{"Globex"});
    EXPECT_EQ(customerButtons(), (std::vector<bool>{true, true, false}));

    // With no customer loaded there is nothing to delete.
    choose(window->cboCompany, QStringLiteral("Globex"));
    window->cmdClear->click();
    fillLocal(QStringLiteral("Globex"), kGlobex);
    EXPECT_EQ(press(window->cmdDelete), qtext(frmARSetup::kText["NothingToDelete"]));
    EXPECT_TRUE(focusedIn(window->cboCompany));
    EXPECT_TRUE(window->cmdDelete->isEnabled());

    // A customer with transaction history stays.
    postJournal(kPettyCash, kGlobex, addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary")));
    choose(window->cboCompany, QStringLiteral("Globex"));
    EXPECT_EQ(press(window->cmdDelete),
              clsARSetup::kCustomerFailed.remove +
                  QStringLiteral("\nThe customer has transactions and cannot be deleted."));
    EXPECT_EQ(items(window->cboCompany), QStringList{"Globex"});
    EXPECT_EQ(count(QStringLiteral("Temp_Customers")), 3);
    expectBooksSound();
}

TEST_F(frmARSetupTest, ACodeThatIsNoAccountOfTheChartIsReportedNotSent) {
    addDebtorAccount(40000, QStringLiteral("Big Debtor"));
    open();
    fillLocal(QStringLiteral("Acme Trading"), 1299);
    EXPECT_EQ(press(window->cmdSend), frmARSetup::kNotAnAccount.arg(QStringLiteral("Customer Code"), "1299"));
    EXPECT_TRUE(focusedIn(window->cboCOA));
    window->cboCOA->setEditText(QStringLiteral("12a"));
    EXPECT_EQ(press(window->cmdUpdate),
              frmARSetup::kNotAnAccount.arg(QStringLiteral("Customer Code"), "12a"));

    fillForeign(QStringLiteral("Acme Trading"), kAcme);
    window->cboRealisedGain->setEditText(QStringLiteral("4999"));
    EXPECT_EQ(press(window->cmdSend),
              frmARSetup::kNotAnAccount.arg(QStringLiteral("Realised Gain Account Code"), "4999"));
    EXPECT_TRUE(focusedIn(window->cboRealisedGain));
    EXPECT_EQ(count(QStringLiteral("Temp_Customers")), 0);
    EXPECT_EQ(customerButtons(), (std::vector<bool>{true, true, true}));

    // A typed code chosen in the list is looked up the same way.
    ui.clear();
    window->cboCOA->setEditText(QStringLiteral("99999"));
    emit window->cboCOA->activated(-1);
    EXPECT_EQ(ui.lastText(), frmARSetup::kNotAnAccount.arg(QStringLiteral("Customer Code"), "99999"));

    // Codes above 32767 are codes like any other.
    choose(window->cboCOA, QStringLiteral("40000"));
    EXPECT_EQ(window->txtGLName->text(), QStringLiteral("Big Debtor"));
    fillLocal(QStringLiteral("Big Customer"), 40000);
    EXPECT_EQ(press(window->cmdSend), QStringLiteral("Customer only created for unassigned Code 40000"));
}

TEST_F(frmARSetupTest, BoxesKeepToTheirColumnsAndAVanishedCustomerLoadsNothing) {
    addLocalCustomer(kAcme, QStringLiteral("Acme Trading"));
    open();
    type(window->cboCompany, QString(45, QLatin1Char('n')));
    EXPECT_EQ(window->cboCompany->currentText().size(), 40);
    type(window->txtCity, QString(20, QLatin1Char('c')));
    EXPECT_EQ(window->txtCity->text().size(), 15);
    type(window->cboCurrency, QStringLiteral("ABCDEFGHIJKL"));
    EXPECT_EQ(window->cboCurrency->currentText(), QStringLiteral("ABCDEFGHIJ"));
    window->cmdClear->click();

    fillLocal(QStringLiteral("Globex"), kGlobex);
    press(window->cmdSend);
    ASSERT_FALSE(window->cmdSend->isEnabled());
    deleteCustomer(QStringLiteral("Acme Trading"));
    EXPECT_EQ(items(window->cboCompany), (QStringList{"Acme Trading", "Globex"}));
    ui.clear();
    choose(window->cboCompany, QStringLiteral("Acme Trading"));
    EXPECT_EQ(ui.texts(),
              QStringList{qtext(frmARSetup::kText["NoCustomer"]).arg(QStringLiteral("Acme Trading"))});
    EXPECT_TRUE(window->txtAddress->text().isEmpty());
    EXPECT_FALSE(window->cmdSend->isEnabled()) << "nothing loaded, no REFRESH";
}

} // namespace

TEST_F(frmARSetupTest, TheAccountNameFollowsTheCodeAsItIsTyped) {
    open();
    choose(window->cboCOA, QStringLiteral("1000"));
    EXPECT_EQ(window->txtGLName->text(), QStringLiteral("Cash at Bank"));
    window->cboCOA->setEditText(QString());
    type(window->cboCOA, QStringLiteral("1202"));
    EXPECT_TRUE(window->txtGLName->text().isEmpty()) << "no account has that code";
    window->cboCOA->setEditText(QString());
    type(window->cboCOA, QStringLiteral("1200"));
    EXPECT_EQ(window->txtGLName->text(), QStringLiteral("Acme Debtor"));
    EXPECT_TRUE(ui.messages().empty());
}
