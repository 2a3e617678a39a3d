#include "app/Orvan.h"
#include "app/Websitefrm.h"
#include "app/frmLogin.h"
#include "gl/frmGLEntry.h"
#include "support/TestBook.h"
#include "support/gui/PinnedTexts.h"
#include "support/gui/UiTest.h"
#include "ui/WindowRegistry.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace orv;

namespace {

class LoginTest : public test::UiTest {
protected:
    void SetUp() override {
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
        login = new frmLogin();
        login->load();
        login->show();
        user = login->findChild<QLineEdit*>(QStringLiteral("txtUserName"));
        password = login->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
        ok = login->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        ASSERT_TRUE(user && password && ok);
    }
    void TearDown() override {
        delete login.data();
        WindowRegistry::shared().discardAll();
    }
    void type(const QString& name, const QString& pass) {
        user->setText(name);
        password->setText(pass);
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QPointer<frmLogin> login;
    QLineEdit* user = nullptr;
    QLineEdit* password = nullptr;
    QPushButton* ok = nullptr;
};

} // namespace

TEST(ShellTexts, LoginAndWebsiteCaptionsAndMessagesAreAsWritten) {
    test::expectPinnedTexts(
        frmLogin::kText,
        {
            {"frmLogin", "Login"},
            {"lblLabels_0", "&User Name:"},
            {"lblLabels_1", "&Password:"},
            {"cmdOK", "OK"},
            {"cmdCancel", "Cancel"},
            {"UserName", "pelrin"},
            {"Password", "mossgate"},
            {"HiddenName", "lanternkeepers"},
            {"Authors", "Orvanwise was written by its founding engineers for the clerks of a "
                        "small trading company."},
            {"AuthorsTitle", "Authors"},
            {"InvalidPassword", "Invalid Password, try again!"},
            {"InvalidPasswordTitle", "Login"},
        });
    test::expectPinnedTexts(Websitefrm::kText, {
                                                   {"Websitefrm", "Website"},
                                                   {"Command1", "Orvanwise"},
                                                   {"Label1", "Visit Our Site"},
                                                   {"Command3", "Blog"},
                                                   {"Label2", "Visit Our Blog"},
                                                   {"Command2", "Place Your Website Link Here"},
                                               });
}

TEST_F(LoginTest, WrongPairsAreRefusedWithThePasswordSelectedForRetyping) {
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    for (const auto& [name, pass] : {std::pair{"pelrin", "MOSSGATE"},
                                     {"pelrin ", "mossgate"},
                                     {"Pelrin", "mossgate"},
                                     {"pelrin", " mossgate"},
                                     {"", ""}}) {
        ui.clear();
        type(QString::fromLatin1(name), QString::fromLatin1(pass));
        ok->click();
        ASSERT_EQ(ui.messages().size(), 1u) << name;
        EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Invalid Password, try again!"));
        EXPECT_EQ(ui.messages()[0].title, QStringLiteral("Login"));
        EXPECT_EQ(password->selectedText(), password->text());
        EXPECT_EQ(user->text(), QString::fromLatin1(name)); // the user name stays
        EXPECT_FALSE(login->LoginSucceeded);
        EXPECT_EQ(WindowRegistry::shared().find<Orvan>(), nullptr);
    }
}

TEST_F(LoginTest, HiddenNameShowsOnlyTheAuthorsAndKeepsTheWindow) {
    type(QStringLiteral("lanternkeepers"), QStringLiteral("mossgate"));
    ok->click();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].text, QStringLiteral("Invalid Password, try again!"));
    EXPECT_TRUE(login->isVisible());
    EXPECT_EQ(password->text(), QStringLiteral("mossgate"));
    EXPECT_EQ(WindowRegistry::shared().find<Orvan>(), nullptr);

    // and a valid pair still works afterwards
    type(QStringLiteral("pelrin"), QStringLiteral("mossgate"));
    ok->click();
    EXPECT_NE(WindowRegistry::shared().find<Orvan>(), nullptr);
}

TEST_F(LoginTest, EnterPressesOkAndSuccessSwapsLoginForTheMainMenu) {
    type(QStringLiteral("pelrin"), QStringLiteral("wrong"));
    QTest::keyClick(user, Qt::Key_Return);
    EXPECT_EQ(ui.lastText(), QStringLiteral("Invalid Password, try again!"));

    password->setText(QStringLiteral("mossgate"));
    QTest::keyClick(password, Qt::Key_Enter);
    EXPECT_TRUE(login->LoginSucceeded);
    Orvan* menu = WindowRegistry::shared().find<Orvan>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->parentWidget(), nullptr);
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Orvan"));
    settle();
    EXPECT_TRUE(login.isNull()); // unloaded
}

TEST_F(LoginTest, EscCancelsAndTheProgramEnds) {
    QTest::keyClick(user, Qt::Key_Escape);
    EXPECT_FALSE(login->isVisible());
    EXPECT_FALSE(login->LoginSucceeded);
    EXPECT_EQ(ui.endings(), 1);
    EXPECT_TRUE(ui.messages().empty());
}

namespace {

// The menu opens windows that read the book: each test gets its own.
class MainMenuTest : public test::TestBook {
protected:
    void SetUp() override {
        TestBook::SetUp();
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
        menu = WindowRegistry::shared().show<Orvan>();
    }
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        TestBook::TearDown();
    }
    QPushButton* button(const char* name) { return menu->button(QString::fromLatin1(name)); }
    RecordingUiServices ui;
    Orvan* menu = nullptr;
};

} // namespace

// The main menu's buttons under their names, with their captions.
constexpr PinnedText kMenuButtons[] = {
    {"cmdCallStk_Setup", "Set Up"},
    {"cmd_Stk_Adj", "Adjust"},
    {"cmdCallStk_Report", "Report"},
    {"cmdVAT", "Set Up"},
    {"Command3", "Adjust"},
    {"Command5", "Recon"},
    {"Command4", "Report"},
    {"Command6", "Website"},
    {"cmdCallAP_Setup", "Set Up"},
    {"cmdCallAP_Report", "Report"},
    {"cmdCall_GRN", "GRN"},
    {"cmdCallPur_Inv", "INV"},
    {"cmdPur_CN", "CN"},
    {"cmdPurInv_Adj", "JE"},
    {"Command2", "FOREX Reversal"},
    {"cmdAP_Adjust", "ADJUST"},
    {"cmdForex", "FOREX Translation"},
    {"cmdCallAR_Setup", "Set Up"},
    {"cmdCallAR_Report", "Report"},
    {"cmdCallDO_Entry", "DO"},
    {"cmdCallSales_Entry", "INV"},
    {"cmdCallSales_CN", "CN"},
    {"cmdSales_Adj", "JE"},
    {"cmdFX_AR", "FOREX Reversal"},
    {"cmdAR_Adjust", "ADJUST"},
    {"cmdAR_UnRG", "FOREX Translation"},
    {"cmdCallBank_Setup", "Set Up"},
    {"cmdCallBank_Report", "Report"},
    {"cmdCall_Receipt", "Collection"},
    {"cmdCall_Pymnt", "Payment"},
    {"cmdCash_Adj", "Adjustment"},
    {"cmdCallGL_Setup", "Set Up"},
    {"Command1", "Forex"},
    {"cmdCallGL_Entry", "Journal"},
    {"cmdGL_Report", "Report"},
    {"cmdRE_Entry", "Close A/C"},
    {"cmdExit_Main", "EXIT"},
};

TEST(ShellTexts, MainMenuCaptionsAndHelpAreAsWritten) {
    std::vector<PinnedText> expected{
        {"Orvan", "Orvan"},
        {"fraInventory", "Inventory"},
        {"fraStkSetUp", "Set Up"},
        {"fraStkReport", "Report"},
        {"fraVAT", "VAT"},
        {"Label1", "Help"},
        {"fraAP", "Accounts Payable"},
        {"fraAPEntry", "Data Entry"},
        {"fraAR", "Accounts Receivable"},
        {"fraAREntry", "Data Entry"},
        {"fraBank", "Bank"},
        {"fraBankEntry", "Data Entry"},
        {"fraGL", "General Ledger"},
        {"HelpTitle", "About "},
        {"HelpMajor", " v"},
        {"HelpMinor", ".2"},
        {"Help",
         "Orvanwise keeps the books of a small trading company: the chart of accounts, customers and "
         "suppliers, stock, VAT, cash and bank, and the documents and reports that go with them. Every "
         "document is posted whole or not at all, and the books always balance."},
    };
    expected.insert(expected.end(), std::begin(kMenuButtons), std::end(kMenuButtons));
    test::expectPinnedTexts(Orvan::kText, std::span<const PinnedText>(expected));
}

TEST_F(MainMenuTest, EveryButtonIsThereWithItsCaption) {
    for (const auto& [name, caption] : kMenuButtons) {
        QPushButton* b = menu->button(qtext(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), qtext(caption)) << name;
    }
    EXPECT_TRUE(button("Command6")->isEnabled());
    EXPECT_TRUE(button("cmdExit_Main")->isEnabled());
}

TEST_F(MainMenuTest, ButtonsShowOneSharedWindowAndLoadItAfreshAfterClose) {
    button("Command6")->click();
    Websitefrm* first = WindowRegistry::shared().find<Websitefrm>();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->parentWidget(), nullptr);
    button("Command6")->click();
    EXPECT_EQ(WindowRegistry::shared().find<Websitefrm>(), first);
    first->close();
    EXPECT_EQ(WindowRegistry::shared().find<Websitefrm>(), nullptr);
    button("Command6")->click();
    EXPECT_NE(WindowRegistry::shared().find<Websitefrm>(), nullptr);
}

TEST_F(MainMenuTest, JournalButtonBringsItsWindowForwardAndReloadsItAfterClose) {
    addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    for (const char* name : {"cmdCallGL_Setup", "cmdCallGL_Entry", "cmdRE_Entry"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    button("cmdCallGL_Entry")->click();
    frmGLEntry* journal = WindowRegistry::shared().find<frmGLEntry>();
    ASSERT_NE(journal, nullptr);
    auto* date = journal->findChild<QDateEdit*>(QStringLiteral("dtpOrder"));
    ASSERT_NE(date, nullptr);
    const QDate entered(2010, 1, 5);
    date->setDate(entered);
    button("cmdCallGL_Entry")->click();
    EXPECT_EQ(WindowRegistry::shared().find<frmGLEntry>(), journal);
    EXPECT_EQ(date->date(), entered); // brought forward as it stood
    journal->close();
    button("cmdCallGL_Entry")->click();
    frmGLEntry* fresh = WindowRegistry::shared().find<frmGLEntry>();
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, journal);
    EXPECT_EQ(fresh->findChild<QDateEdit*>(QStringLiteral("dtpOrder"))->date(), pinnedToday());
    EXPECT_TRUE(ui.messages().empty()) << ui.lastText().toStdString();
}

TEST_F(MainMenuTest, HelpShowsTheVersionedTitleAndExitEndsAtOnce) {
    QTest::mouseClick(menu->findChild<QWidget*>(QStringLiteral("Label1")), Qt::LeftButton);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("About Orvanwise v1.20"));
    EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Information);
    button("cmdExit_Main")->click();
    EXPECT_EQ(ui.endings(), 1);
}

TEST_F(MainMenuTest, WebsiteButtonsOpenTheirAddressAndUnloadTheWindow) {
    const std::pair<const char*, QString> cases[] = {{"Command1", Websitefrm::kSiteAddress},
                                                     {"Command2", Websitefrm::kSiteAddress},
                                                     {"Command3", Websitefrm::kBlogAddress}};
    for (const auto& [name, address] : cases) {
        button("Command6")->click();
        Websitefrm* site = WindowRegistry::shared().find<Websitefrm>();
        ASSERT_NE(site, nullptr);
        site->findChild<QPushButton*>(QString::fromLatin1(name))->click();
        EXPECT_EQ(ui.addresses().last(), address) << name;
        EXPECT_EQ(WindowRegistry::shared().find<Websitefrm>(), nullptr) << name;
    }
    EXPECT_NE(Websitefrm::kSiteAddress, Websitefrm::kBlogAddress);
}
