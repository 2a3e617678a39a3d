// The "Set Up" buttons of Accounts Payable and Bank open the supplier and
// bank windows; what is created there is listed by name when they reopen.
#include "app/Orvan.h"
#include "cash/frmCashSetup.h"
#include "purchases/frmAPSetup.h"
#include "support/TestBook.h"
#include "support/gui/RecordingUiServices.h"
#include "ui/WindowRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;

namespace {

class SupplierBankMenuTest : public test::TestBook {
protected:
    void SetUp() override {
        TestBook::SetUp();
        addAccount(1020, QStringLiteral("OCBC Current"));
        menu = WindowRegistry::shared().show<Orvan>();
    }
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        TestBook::TearDown();
    }
    QStringList names(const QComboBox* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->itemText(i);
        return out;
    }
    RecordingUiServices ui;
    Orvan* menu = nullptr;
};

TEST_F(SupplierBankMenuTest, SetUpButtonsOpenTheSupplierAndBankWindows) {
    addLocalSupplier(1000, QStringLiteral("Harbour"));
    QPushButton* suppliers = menu->button(QStringLiteral("cmdCallAP_Setup"));
    QPushButton* banks = menu->button(QStringLiteral("cmdCallBank_Setup"));
    ASSERT_TRUE(suppliers->isEnabled());
    ASSERT_TRUE(banks->isEnabled());

    suppliers->click();
    frmAPSetup* ap = WindowRegistry::shared().find<frmAPSetup>();
    ASSERT_NE(ap, nullptr);
    EXPECT_EQ(names(ap->cboCompany), QStringList{"Harbour"});

    banks->click();
    frmCashSetup* bank = WindowRegistry::shared().find<frmCashSetup>();
    ASSERT_NE(bank, nullptr);
    bank->cboCompany->setEditText(QStringLiteral("DBS"));
    bank->txtBank_Add_VC->setText(QStringLiteral("12 Marina Blvd"));
    bank->txtBank_Contact_VC->setText(QStringLiteral("63272265"));
    bank->cboCOA->setEditText(QStringLiteral("1020"));
    bank->cmdSend->click();
    EXPECT_EQ(ui.lastText(),
              QStringLiteral("Bank Details would be created under : 1020 for unassigned code"));
    bank->close();
    banks->click();
    bank = WindowRegistry::shared().find<frmCashSetup>();
    ASSERT_NE(bank, nullptr);
    EXPECT_EQ(names(bank->cboCompany), QStringList{"DBS"});
    expectBooksSound();
}

} // namespace
