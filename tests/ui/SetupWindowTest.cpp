#include "TestSetupWindow.h"
#include "support/gui/PinnedTexts.h"
#include "support/gui/UiTest.h"
#include "uicore/Controls.h"
#include "uicore/ScreenUnits.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace orv;
using namespace orv::test;

namespace {

class SetupWindowTest : public UiTest {
protected:
    void SetUp() override {
        TestSetupWindow::book = &book;
        window = std::make_unique<TestSetupWindow>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->load();
        window->show();
    }
    void TearDown() override { window.reset(); }

    void fill(const QString& code, const QString& name, const QString& type, const QString& status) {
        window->txtAcctCode->setText(code);
        window->txtAcctName->setText(name);
        window->cboAcctType->setEditText(type);
        window->txtStatus->setText(status);
    }
    void pick(const QString& name) {
        const int index = window->cboCompany->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        window->cboCompany->setCurrentIndex(index);
        emit window->cboCompany->activated(index);
    }
    QStringList names() const {
        QStringList out;
        for (int i = 0; i < window->cboCompany->count(); ++i) {
            out << window->cboCompany->itemText(i);
        }
        return out;
    }
    // CREATE NEW, UPDATE, DELETE enabled?
    std::vector<bool> buttons() const {
        return {window->cmdSend->isEnabled(), window->cmdUpdate->isEnabled(), window->cmdDelete->isEnabled()};
    }
    bool allEmpty() const {
        for (QWidget* f : std::vector<QWidget*>{window->cboCompany, window->txtAcctCode, window->txtAcctName,
                                                window->cboAcctType, window->txtStatus}) {
            if (!fieldText(f).isEmpty()) {
                return false;
            }
        }
        return true;
    }

    FakeSetupData book;
    std::unique_ptr<TestSetupWindow> window;
};

const std::vector<bool> kAllEnabled{true, true, true};

TEST_F(SetupWindowTest, LoadFillsTheNameListAndEnablesTheRequests) {
    EXPECT_EQ(names(),
              (QStringList{QStringLiteral("bank"), QStringLiteral("Petty cash"), QStringLiteral("Sales")}));
    EXPECT_TRUE(window->cboCompany->currentText().isEmpty());
    EXPECT_EQ(buttons(), kAllEnabled);
    EXPECT_FALSE(window->cmdNew->isVisible());
    EXPECT_EQ(window->cmdNew->text(), QStringLiteral("REFRESH"));
    EXPECT_EQ(window->cmdSend->text(), QStringLiteral("CREATE NEW"));
    EXPECT_EQ(window->cmdClear->text(), QStringLiteral("CLEAR ALL"));
    EXPECT_EQ(window->staging().recordCount(), 1);
    EXPECT_EQ(window->staging().fieldCount(), 4);
}

TEST_F(SetupWindowTest, PickLoadsTheRecordAndPressesRefresh) {
    fill(QStringLiteral("1300"), QStringLiteral("Stock"), QStringLiteral("BS"), QStringLiteral("1"));
    window->cmdSend->click();
    ASSERT_FALSE(window->cmdSend->isEnabled());
    pick(QStringLiteral("Sales"));
    EXPECT_EQ(window->txtAcctCode->text(), QStringLiteral("4000"));
    EXPECT_EQ(window->txtAcctName->text(), QStringLiteral("Sales"));
    EXPECT_EQ(window->cboAcctType->currentText(), QStringLiteral("PL"));
    EXPECT_EQ(window->txtStatus->text(), QStringLiteral("1"));
    EXPECT_EQ(buttons(), kAllEnabled);
}

TEST_F(SetupWindowTest, CreateRequestRunsTheWholeFlow) {
    fill(QStringLiteral("1300"), QStringLiteral("Stock"), QStringLiteral("BS"), QStringLiteral("1"));
    const int readsBefore = book.tableReads;
    window->cmdSend->click();
    ASSERT_EQ(book.requests.size(), 1u);
    const auto& row = book.requests[0];
    EXPECT_EQ(row.functionType, QStringLiteral("C"));
    EXPECT_EQ(row.fields.at(QStringLiteral("GL_ID")), Variant(std::int32_t(1300)));
    EXPECT_EQ(row.fields.at(QStringLiteral("Status_bt")), Variant(std::int64_t(1)));
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Account code created under : 1300")});
    EXPECT_EQ(ui.messages()[0].title, kAppTitle);
    ASSERT_EQ(ui.pointers().size(), 1u);
    EXPECT_EQ(ui.pointers()[0].pointer, Pointer::Arrow);
    EXPECT_EQ(book.tableReads, readsBefore + 1);
    EXPECT_TRUE(names().contains(QStringLiteral("Stock")));
    EXPECT_TRUE(allEmpty());
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true}));
    // The staging record keeps what was sent.
    EXPECT_EQ(window->staging().value(QStringLiteral("GL_Name_VC")).toString(), QStringLiteral("Stock"));

    // CLEAR ALL does not enable the button; the next pick does.
    window->cmdClear->click();
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true}));
    pick(QStringLiteral("Stock"));
    EXPECT_EQ(buttons(), kAllEnabled);
    EXPECT_TRUE(window->staging().value(QStringLiteral("GL_Name_VC")).isNull());
}

// The clerk types into the list itself, which hands the keys and the focus
// to its text box: a typed name of a record, ended by Enter or by leaving the
// list, loads nothing over what was typed. Only a choice from the list does.
TEST_F(SetupWindowTest, ATypedNameOfARecordLeavesWhatWasTyped) {
    fill(QStringLiteral("1300"), QStringLiteral("Stock"), QStringLiteral("BS"), QStringLiteral("1"));
    QTest::keyClicks(window->cboCompany, QStringLiteral("sales"));
    QTest::keyClick(window->cboCompany, Qt::Key_Return);
    QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(window->cboCompany, &leaving);
    EXPECT_EQ(window->cboCompany->currentText(), QStringLiteral("sales"));
    EXPECT_EQ(window->txtAcctCode->text(), QStringLiteral("1300"));
    EXPECT_EQ(window->cboAcctType->currentText(), QStringLiteral("BS"));
}

// After a create, CREATE NEW waits for the next record: a typed name that no
// record has. A name set by the program (a pick) is no such name.
TEST_F(SetupWindowTest, TypingANameNoRecordHasEnablesCreateNewAgain) {
    fill(QStringLiteral("1300"), QStringLiteral("Stock"), QStringLiteral("BS"), QStringLiteral("1"));
    window->cmdSend->click();
    ASSERT_FALSE(window->cmdSend->isEnabled());
    window->cboCompany->setEditText(QStringLiteral("Sales Returns"));
    EXPECT_FALSE(window->cmdSend->isEnabled());
    QTest::keyClicks(window->cboCompany, QStringLiteral(" Inwards"));
    EXPECT_TRUE(window->cmdSend->isEnabled());
}

TEST_F(SetupWindowTest, UpdateAndDeleteDisableOnlyTheirOwnButton) {
    pick(QStringLiteral("Sales"));
    window->txtAcctName->setText(QStringLiteral("Sales abroad"));
    window->cmdUpdate->click();
    EXPECT_EQ(buttons(), (std::vector<bool>{true, false, true}));
    ASSERT_EQ(book.requests.size(), 1u);
    EXPECT_EQ(book.requests[0].functionType, QStringLiteral("U"));
    EXPECT_EQ(book.requests[0].fields.at(QStringLiteral("GL_Name_VC")),
              Variant(QStringLiteral("Sales abroad")));
    EXPECT_EQ(ui.lastText(), QStringLiteral("Sales abroad have been updated"));

    pick(QStringLiteral("Petty cash"));
    window->cmdDelete->click();
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(book.requests.back().functionType, QStringLiteral("D"));
    EXPECT_EQ(ui.lastText(),
              QStringLiteral("Petty cash would be Deleted if there is no transaction history"));
    EXPECT_TRUE(allEmpty());
}

TEST_F(SetupWindowTest, FailureTextIsFollowedLikeASentence) {
    book.failWrites = true;
    fill(QStringLiteral("1000"), QStringLiteral("Petty cash"), QStringLiteral("BS"), QStringLiteral("1"));
    window->cmdSend->click();
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Account code already Exist, Creation Failed")});
    EXPECT_TRUE(allEmpty());
    EXPECT_EQ(buttons(), (std::vector<bool>{false, true, true}));
}

TEST_F(SetupWindowTest, ValidateRunsInOrderAndStopsAtTheFirstFailure) {
    struct Case {
        QString code, name, type, status;
        QString message, title;
        QWidget* focus;
        bool selected;
    };
    const std::vector<Case> cases{
        {"", "", "", "", "Enter Account Code", kAppTitle, window->txtAcctCode, false},
        {"1", "", "", "", "Enter Account Name", kAppTitle, window->txtAcctName, false},
        {"1", " ", "", "", "Select Account Type", kAppTitle, window->cboAcctType, false},
        {"1", "x", "BS", "", "Enter Status", kTitleMissingField, window->txtStatus, false},
        {"1", "x", "BS", "abc", "Enter numerical and not character", kTitleInvalidInput, window->txtStatus,
         true},
        {"1", "x", "BS", "-1", TestSetupWindow::kStatusRange, kAppTitle, window->txtStatus, true},
        {"1", "x", "BS", "2", TestSetupWindow::kStatusRange, kAppTitle, window->txtStatus, true},
    };
    for (const Case& c : cases) {
        ui.clear();
        window->txtStatus->deselect();
        fill(c.code, c.name, c.type, c.status);
        EXPECT_FALSE(window->Validate());
        ASSERT_EQ(ui.messages().size(), 1u) << c.message.toStdString();
        EXPECT_EQ(ui.messages()[0].text, c.message);
        EXPECT_EQ(ui.messages()[0].title, c.title) << c.message.toStdString();
        EXPECT_EQ(window->focusWidget(), c.focus) << c.message.toStdString();
        if (c.selected) {
            EXPECT_EQ(window->txtStatus->selectedText(), c.status);
            EXPECT_EQ(window->txtStatus->selectionStart(), 0);
        }
    }
    ui.clear();
    fill(QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("BS"), QStringLiteral("0"));
    EXPECT_TRUE(window->Validate());
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(SetupWindowTest, FailedCheckChangesNothing) {
    pick(QStringLiteral("Sales"));
    window->cmdUpdate->click(); // disables UPDATE
    pick(QStringLiteral("Sales"));
    window->cmdSend->click(); // CREATE NEW of the picked values: fine, disables it
    fill(QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("BS"), QStringLiteral("7"));
    const auto before = buttons();
    const int requests = static_cast<int>(book.requests.size());
    const QStringList list = names();
    window->cmdDelete->click();
    EXPECT_EQ(buttons(), before);
    EXPECT_EQ(static_cast<int>(book.requests.size()), requests);
    EXPECT_EQ(names(), list);
    EXPECT_EQ(window->txtStatus->text(), QStringLiteral("7"));
    EXPECT_EQ(ui.lastText(), TestSetupWindow::kStatusRange);
}

TEST_F(SetupWindowTest, TintStaysAfterTheFieldIsCorrectedAndTheRequestSucceeds) {
    EXPECT_FALSE(isTinted(window->txtAcctName));
    fill(QStringLiteral("1300"), QString(), QStringLiteral("BS"), QStringLiteral("1"));
    window->cmdSend->click();
    EXPECT_TRUE(isTinted(window->txtAcctName));
    EXPECT_EQ(window->txtAcctName->palette().color(QPalette::Base), QColor(192, 192, 255));
    EXPECT_FALSE(isTinted(window->txtAcctCode));
    window->txtAcctName->setText(QStringLiteral("Stock"));
    window->cmdSend->click();
    EXPECT_EQ(book.requests.size(), 1u);
    EXPECT_TRUE(isTinted(window->txtAcctName));
    window->cmdClear->click();
    EXPECT_TRUE(isTinted(window->txtAcctName));
}

TEST_F(SetupWindowTest, KeyFilterLetsDigitsLowerCaseAndBackspaceThrough) {
    QLineEdit* status = window->txtStatus;
    QTest::keyClicks(status, QStringLiteral("1a"));
    EXPECT_EQ(status->text(), QStringLiteral("1a"));
    QTest::keyClick(status, Qt::Key_Backspace);
    EXPECT_EQ(status->text(), QStringLiteral("1"));
    EXPECT_TRUE(ui.messages().empty());
    for (const QString& refused :
         {QStringLiteral("-"), QStringLiteral("."), QStringLiteral("A"), QStringLiteral(" ")}) {
        QTest::keyClicks(status, refused);
    }
    QTest::keyClick(status, Qt::Key_Return);
    EXPECT_EQ(status->text(), QStringLiteral("1"));
    EXPECT_EQ(ui.texts(), QStringList(5, QStringLiteral("Special Character not allowed")));
    // Keys that type nothing still move the cursor.
    QTest::keyClick(status, Qt::Key_Home);
    EXPECT_EQ(status->cursorPosition(), 0);
    EXPECT_EQ(ui.messages().size(), 5u);
}

TEST_F(SetupWindowTest, TextTheStagingFieldCannotHoldStopsTheRequest) {
    fill(QStringLiteral("1300"), QStringLiteral("A name far longer than twenty"), QStringLiteral("BS"),
         QStringLiteral("1"));
    window->cmdSend->click();
    EXPECT_TRUE(book.requests.empty());
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.lastText().contains(QStringLiteral("GL_Name_VC")));
    EXPECT_EQ(buttons(), kAllEnabled);
    EXPECT_EQ(window->txtAcctName->text(), QStringLiteral("A name far longer than twenty"));
}

TEST(SetupWindowTexts, TheFramesButtonsAreCaptionedAsWritten) {
    test::expectPinnedTexts(SetupWindow::kText, {{"cmdSend", "CREATE NEW"},
                                                 {"cmdUpdate", "UPDATE"},
                                                 {"cmdDelete", "DELETE"},
                                                 {"cmdClear", "CLEAR ALL"},
                                                 {"cmdNew", "REFRESH"}});
}

TEST_F(SetupWindowTest, PickOfANameWithoutARecordIsReportedNotFatal) {
    // Created and listed, then gone from the books before the pick.
    fill(QStringLiteral("1300"), QStringLiteral("Ghost"), QStringLiteral("BS"), QStringLiteral("1"));
    window->cmdSend->click();
    book.accounts.pop_back();
    ui.clear();
    pick(QStringLiteral("Ghost"));
    EXPECT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(window->txtAcctCode->text().isEmpty());
}

} // namespace
