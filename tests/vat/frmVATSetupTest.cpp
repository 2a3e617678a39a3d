// The VAT set-up window: its checks in order with their titles, focus and
// tint, the key filter of the code box, the picks, and the three requests
// with their sentences and buttons.
#include "vat/frmVATSetup.h"
#include "support/TestBook.h"
#include "support/VatStaging.h"
#include "support/gui/PinnedTexts.h"
#include "support/gui/WindowTest.h"
#include "uicore/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace orv;

namespace {

class frmVATSetupTest : public test::WindowTest<test::TestBook, frmVATSetup> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        addAccount(kOutput, QStringLiteral("Output VAT"));
    }
    static constexpr int kOutput = 2210;

    QString press(QPushButton* button) {
        ui.clear();
        button->click();
        return ui.lastText();
    }
    QString lastTitle() const { return ui.messages().empty() ? QString() : ui.messages().back().title; }
    void fill(const QString& name, const QString& code, const QString& rate, const QString& control) {
        window->cboCompany->setEditText(name);
        window->txtAddress->setText(QStringLiteral("Reduced-rate supplies"));
        window->txtCity->setText(QStringLiteral("VAT-000-002"));
        window->txtCreditTerm->setText(code);
        window->txtCreditLimit->setText(rate);
        window->cboCOA->setEditText(control);
    }
    std::vector<bool> buttons() const {
        return {window->cmdSend->isEnabled(), window->cmdUpdate->isEnabled(), window->cmdDelete->isEnabled()};
    }
    QString lastRequest(const QString& columns) {
        return scalar(QStringLiteral("SELECT %1 FROM Temp_VAT ORDER BY Req_ID DESC LIMIT 1").arg(columns));
    }
    std::vector<QString> fields() const {
        return {window->cboCompany->currentText(), window->txtAddress->text(),
                window->txtCity->text(),           window->txtCreditTerm->text(),
                window->txtCreditLimit->text(),    window->cboCOA->currentText(),
                window->txtGLName->text()};
    }
};

TEST(frmVATSetupTexts, CaptionsAndMessagesAreAsWritten) {
    test::expectPinnedTexts(frmVATSetup::kText,
                            {
                                {"frmVATSetup", "Value Added Tax Set-Up"},
                                {"Frame1", "VAT Master Detail"},
                                {"Frame2", "Function"},
                                {"lblCompany", "VAT Name :"},
                                {"lblAddress", "VAT Description :"},
                                {"lblCity", "VAT Registration No :"},
                                {"lblCreditTerm", "VAT Code :"},
                                {"lblCreditLimit", "VAT Rate :"},
                                {"lblCOA", "VAT Control A/C :"},
                                {"NoName", "Enter VAT Name"},
                                {"NoDescription", "Enter VAT Description"},
                                {"NoRegistration", "Enter VAT Registration Number"},
                                {"NoCode", "Enter VAT Code"},
                                {"NoRate", "Enter VAT Rate"},
                                {"NoControl", "Select VAT control Account Code!"},
                                // The window's own: what the code's record cannot hold, a
                                // pick whose code has gone, the control account in messages.
                                {"CodeRange", "VAT Code: type a whole number of 1 or more"},
                                {"RateRange", "VAT Rate must be from 0 to 100"},
                                {"VatGone", "No VAT code is named \"%1\""},
                                {"ControlWhat", "VAT Control A/C"},
                            });
}

TEST_F(frmVATSetupTest, OpensWithItsCaptionsListsAndButtons) {
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Value Added Tax Set-Up"));
    EXPECT_EQ(window->Frame1->title(), QStringLiteral("VAT Master Detail"));
    EXPECT_EQ(window->Frame2->title(), QStringLiteral("Function"));
    const std::pair<const char*, const char*> labels[] = {
        {"lblCompany", "VAT Name :"},         {"lblAddress", "VAT Description :"},
        {"lblCity", "VAT Registration No :"}, {"lblCreditTerm", "VAT Code :"},
        {"lblCreditLimit", "VAT Rate :"},     {"lblCOA", "VAT Control A/C :"},
    };
    for (const auto& [name, caption] : labels)
        EXPECT_EQ(window->findChild<QLabel*>(QString::fromLatin1(name))->text(),
                  QString::fromLatin1(caption));
    EXPECT_EQ(items(window->cboCompany), (QStringList{"Standard Rated", "Zero Rated", "Exempt"}));
    EXPECT_EQ(items(window->cboCOA).first(), QStringLiteral("1000")) << "every account, in the chart's order";
    EXPECT_TRUE(items(window->cboCOA).contains(QStringLiteral("6100")));
    EXPECT_FALSE(window->cmdNew->isVisible());
    EXPECT_FALSE(window->txtGLName->isEnabled());
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(window->cmdClear->isEnabled());
}

TEST_F(frmVATSetupTest, ChecksRunInOrderWithTheirTitlesFocusAndTint) {
    open();
    const struct {
        QWidget* box;
        QString message;
        const char* title;
        std::function<void()> fillIt;
    } steps[] = {
        {window->cboCompany, qtext(frmVATSetup::kText["NoName"]), "Orvanwise",
         [this] { window->cboCompany->setEditText(QStringLiteral("Reduced")); }},
        {window->txtAddress, qtext(frmVATSetup::kText["NoDescription"]), "Orvanwise",
         [this] { window->txtAddress->setText(QStringLiteral(" ")); }}, // blanks count as content
        {window->txtCity, qtext(frmVATSetup::kText["NoRegistration"]), "Orvanwise",
         [this] { window->txtCity->setText(QStringLiteral("VAT-000-002")); }},
        {window->txtCreditTerm, qtext(frmVATSetup::kText["NoCode"]), "Missing field",
         [this] { window->txtCreditTerm->setText(QStringLiteral("4")); }},
        {window->txtCreditLimit, qtext(frmVATSetup::kText["NoRate"]), "Missing field",
         [this] { window->txtCreditLimit->setText(QStringLiteral("5.5")); }},
        {window->cboCOA, qtext(frmVATSetup::kText["NoControl"]), "Orvanwise", [] {}},
    };
    // DELETE runs the same checks as CREATE NEW.
    for (const auto& step : steps) {
        SCOPED_TRACE(step.message.toStdString());
        EXPECT_FALSE(isTinted(step.box));
        EXPECT_EQ(press(window->cmdDelete), step.message);
        EXPECT_EQ(ui.messages().size(), 1u) << "only the first failing check speaks";
        EXPECT_EQ(lastTitle(), QString::fromLatin1(step.title));
        EXPECT_TRUE(focusedIn(step.box));
        EXPECT_TRUE(isTinted(step.box));
        step.fillIt();
    }
    EXPECT_EQ(count(QStringLiteral("Temp_VAT")), 0);
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, true})) << "a failed check changes no button";

    // The tints stay after the boxes are filled, a request and CLEAR ALL.
    window->cboCOA->setEditText(QString::number(kOutput));
    EXPECT_EQ(press(window->cmdSend), QStringLiteral("VAT code created under : Reduced"));
    window->cmdClear->click();
    for (QWidget* box :
         {static_cast<QWidget*>(window->cboCompany), static_cast<QWidget*>(window->txtCreditLimit),
          static_cast<QWidget*>(window->cboCOA)})
        EXPECT_TRUE(isTinted(box));
    EXPECT_EQ(fields(), (std::vector<QString>(7)));
}

TEST_F(frmVATSetupTest, TheCodeBoxTakesDigitsAndLowerCaseAndOnlyNumbersPass) {
    open();
    type(window->txtCreditTerm, QStringLiteral("A"));
    EXPECT_EQ(window->txtCreditTerm->text(), QString());
    EXPECT_EQ(ui.lastText(), QStringLiteral("Special Character not allowed"));
    EXPECT_EQ(lastTitle(), QStringLiteral("Orvanwise"));
    ui.clear();
    type(window->txtCreditTerm, QStringLiteral("."));
    type(window->txtCreditTerm, QStringLiteral("-"));
    EXPECT_EQ(ui.messages().size(), 2u);
    type(window->txtCreditTerm, QStringLiteral("a7"));
    EXPECT_EQ(window->txtCreditTerm->text(), QStringLiteral("a7"));
    QTest::keyClick(window->txtCreditTerm, Qt::Key_Backspace);
    EXPECT_EQ(window->txtCreditTerm->text(), QStringLiteral("a"));
    type(window->txtCreditLimit, QStringLiteral("12.5")); // the rate box has no filter
    EXPECT_EQ(window->txtCreditLimit->text(), QStringLiteral("12.5"));

    // A code or rate the record cannot hold is refused before anything is sent.
    fill(QStringLiteral("Luxury"), QStringLiteral("a"), QStringLiteral("12.5"), QString::number(kOutput));
    EXPECT_EQ(press(window->cmdSend), QStringLiteral("Enter numerical and not character"));
    EXPECT_EQ(lastTitle(), QStringLiteral("Invalid Input"));
    EXPECT_TRUE(focusedIn(window->txtCreditTerm));
    EXPECT_EQ(window->txtCreditTerm->selectedText(), QStringLiteral("a"));
    EXPECT_TRUE(isTinted(window->txtCreditTerm));
    const struct {
        const char* code;
        const char* rate;
        QString message;
        QLineEdit* box;
    } cases[] = {
        {"0", "12.5", qtext(frmVATSetup::kText["CodeRange"]), window->txtCreditTerm},
        {"2147483648", "12.5", qtext(frmVATSetup::kText["CodeRange"]), window->txtCreditTerm},
        {"4", "twelve", QStringLiteral("Enter numerical and not character"), window->txtCreditLimit},
        // Number-like texts the rate field cannot take: a power of ten, too many digits.
        {"4", "1e1", qtext(frmVATSetup::kText["RateRange"]), window->txtCreditLimit},
        {"4", "99999999999999999999", qtext(frmVATSetup::kText["RateRange"]), window->txtCreditLimit},
        {"4", "100.5", qtext(frmVATSetup::kText["RateRange"]), window->txtCreditLimit},
        {"4", "-1", qtext(frmVATSetup::kText["RateRange"]), window->txtCreditLimit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        window->txtCreditTerm->setText(QString::fromLatin1(c.code));
        window->txtCreditLimit->setText(QString::fromLatin1(c.rate));
        EXPECT_EQ(press(window->cmdSend), c.message);
        EXPECT_EQ(ui.messages().size(), 1u);
        EXPECT_TRUE(focusedIn(c.box));
        EXPECT_EQ(c.box->selectedText(), c.box->text());
    }
    EXPECT_EQ(count(QStringLiteral("Temp_VAT")), 0);
    EXPECT_TRUE(window->cmdSend->isEnabled());

    // A control account the chart does not hold is named, not sent.
    fill(QStringLiteral("Luxury"), QStringLiteral("2147483647"), QStringLiteral("100"),
         QStringLiteral("99999"));
    EXPECT_EQ(press(window->cmdSend),
              SetupWindow::kNotAnAccount.arg(qtext(frmVATSetup::kText["ControlWhat"]), "99999"));
    EXPECT_TRUE(focusedIn(window->cboCOA));
    EXPECT_EQ(count(QStringLiteral("Temp_VAT")), 0);
    window->cboCOA->setEditText(QString::number(kOutput));
    EXPECT_EQ(press(window->cmdSend), QStringLiteral("VAT code created under : Luxury"));
}

TEST_F(frmVATSetupTest, PicksFillTheFieldsAndBringTheButtonsBack) {
    open();
    fill(QStringLiteral("Reduced"), QStringLiteral("4"), QStringLiteral("5.5"), QString::number(kOutput));
    EXPECT_EQ(press(window->cmdSend), QStringLiteral("VAT code created under : Reduced"));
    EXPECT_EQ(lastRequest("Function_type || VAT_Control || ' ' || vat_name || ' ' || VAT_Descrip || ' ' || "
                          "VAT_Reg || ' ' || vat_code || ' ' || vat_rate"),
              QStringLiteral("C2210 Reduced Reduced-rate supplies VAT-000-002 4 5.5"));
    EXPECT_EQ(items(window->cboCompany), (QStringList{"Standard Rated", "Zero Rated", "Exempt", "Reduced"}));
    EXPECT_EQ(fields(), (std::vector<QString>(7)));
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true}));
    window->cmdClear->click();
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, true})) << "CLEAR ALL enables CREATE NEW";

    choose(window->cboCompany, QStringLiteral("Reduced"));
    EXPECT_EQ(fields(), (std::vector<QString>{"Reduced", "Reduced-rate supplies", "VAT-000-002", "4", "5.5",
                                              "2210", "Output VAT"}));

    // After an update UPDATE stays disabled through CLEAR ALL until a pick.
    window->txtCreditLimit->setText(QStringLiteral("6"));
    EXPECT_EQ(press(window->cmdUpdate),
              QStringLiteral("VAT Reduced details would be updated if no transaction been posted"));
    EXPECT_EQ(buttons(), (std::vector<bool>{true, false, true}));
    window->cmdClear->click();
    EXPECT_FALSE(window->cmdUpdate->isEnabled());
    choose(window->cboCOA, QStringLiteral("2200"));
    EXPECT_EQ(window->txtGLName->text(), QStringLiteral("VAT Control"));
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, true})) << "a control account pick presses REFRESH";

    // A refused request shows the failure text and the reason, keeps what
    // was typed and puts the focus where the reason points.
    fill(QStringLiteral("Standard Rated"), QStringLiteral("9"), QStringLiteral("7"), QStringLiteral("2200"));
    EXPECT_EQ(press(window->cmdSend),
              clsVATSetup::kFailed.create + QStringLiteral("\nA VAT code of that name already exists."));
    EXPECT_TRUE(focusedIn(window->cboCompany));
    fill(QStringLiteral("Luxury"), QStringLiteral("1"), QStringLiteral("20"), QStringLiteral("1300"));
    EXPECT_EQ(press(window->cmdSend),
              clsVATSetup::kFailed.create + QStringLiteral("\nAnother VAT code already has the number 1."));
    EXPECT_TRUE(focusedIn(window->txtCreditTerm));
    window->txtCreditTerm->setText(QStringLiteral("9"));
    EXPECT_TRUE(press(window->cmdSend)
                    .endsWith(QStringLiteral("Account 1300 already belongs to a customer, supplier, bank, "
                                             "stock or another record; a VAT control "
                                             "account can only be shared with other VAT codes.")));
    EXPECT_TRUE(focusedIn(window->cboCOA));
    EXPECT_EQ(window->cboCompany->currentText(), QStringLiteral("Luxury"));
    EXPECT_TRUE(window->cmdSend->isEnabled());
    EXPECT_EQ(count(QStringLiteral("VAT_T")), 4);

    choose(window->cboCompany, QStringLiteral("Reduced"));
    EXPECT_EQ(window->txtCreditLimit->text(), QStringLiteral("6"));
    EXPECT_EQ(press(window->cmdDelete),
              QStringLiteral("VAT Details Reduced would be Deleted if there is no transaction history"));
    EXPECT_EQ(lastRequest("Function_type || VAT_Control || ' ' || vat_code"), QStringLiteral("D2210 4"))
        << "a delete carries all six fields";
    EXPECT_EQ(items(window->cboCompany), (QStringList{"Standard Rated", "Zero Rated", "Exempt"}));
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, false}));
    expectBooksSound();
}

TEST_F(frmVATSetupTest, ANameWithAQuoteLoadsAndAVanishedNameChangesNothing) {
    addVatCode(4, QStringLiteral("Hawker's Rate"), QStringLiteral("3"), kOutput);
    open();
    choose(window->cboCompany, QStringLiteral("Hawker's Rate"));
    EXPECT_EQ(fields(), (std::vector<QString>{"Hawker's Rate", "Hawker's Rate supplies", "VAT-000-001", "4",
                                              "3", "2210", "Output VAT"}));

    // Removed by another window since the list was read.
    clsVATSetup other;
    EXPECT_EQ(
        other.Delete_Order(test::vatStaging(test::vatCode(4, "Hawker's Rate", "3", kOutput))),
        QStringLiteral("VAT Details Hawker's Rate would be Deleted if there is no transaction history"));
    window->cmdClear->click();
    window->cmdUpdate->setEnabled(false);
    choose(window->cboCompany, QStringLiteral("Hawker's Rate"));
    EXPECT_EQ(ui.lastText(), qtext(frmVATSetup::kText["VatGone"]).arg(QStringLiteral("Hawker's Rate")));
    EXPECT_EQ(window->txtAddress->text(), QString());
    EXPECT_FALSE(window->cmdUpdate->isEnabled());
    expectBooksSound();
}

TEST_F(frmVATSetupTest, ACodesRateChangesWhileAnItemCarriesIt) {
    addVatCode(4, QStringLiteral("Reduced"), QStringLiteral("5"), kOutput);
    addItem(QStringLiteral("W-100"), QStringLiteral("Widget"), QStringLiteral("GEN"),
            QStringLiteral("STANDARD"), 4);
    open();
    choose(window->cboCompany, QStringLiteral("Reduced"));
    window->txtCreditLimit->setText(QStringLiteral("9"));
    EXPECT_EQ(press(window->cmdUpdate),
              QStringLiteral("VAT Reduced details would be updated if no transaction been posted"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT VAT_Rate FROM VAT_T WHERE VAT_Code = 4")), QStringLiteral("9"));
    choose(window->cboCompany, QStringLiteral("Reduced"));
    EXPECT_EQ(press(window->cmdDelete),
              clsVATSetup::kFailed.remove +
                  QStringLiteral("\nItems carry this VAT code: move them to another code "
                                 "before changing its number or deleting it."));
    EXPECT_TRUE(focusedIn(window->txtCreditTerm));
    EXPECT_EQ(items(window->cboCompany).last(), QStringLiteral("Reduced"));
    expectBooksSound();
}

} // namespace
