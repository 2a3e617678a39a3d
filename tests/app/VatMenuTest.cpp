// The VAT "Set Up" button opens the VAT code window; a code created there is
// listed when the window opens again.
#include "app/Orvan.h"
#include "support/TestBook.h"
#include "support/gui/RecordingUiServices.h"
#include "ui/WindowRegistry.h"
#include "vat/frmVATSetup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;

namespace {

class VatMenuTest : public test::TestBook {
protected:
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        TestBook::TearDown();
    }
    RecordingUiServices ui;
};

TEST_F(VatMenuTest, SetUpOpensTheVatWindowAndReloadsItAfterClose) {
    Orvan* menu = WindowRegistry::shared().show<Orvan>();
    QPushButton* setUp = menu->button(QStringLiteral("cmdVAT"));
    ASSERT_TRUE(setUp->isEnabled());
    setUp->click();
    frmVATSetup* vat = WindowRegistry::shared().find<frmVATSetup>();
    ASSERT_NE(vat, nullptr);
    EXPECT_EQ(vat->parentWidget(), nullptr);
    vat->cboCompany->setEditText(QStringLiteral("Reduced"));
    vat->txtAddress->setText(QStringLiteral("Reduced-rate supplies"));
    vat->txtCity->setText(QStringLiteral("VAT-000-001"));
    vat->txtCreditTerm->setText(QStringLiteral("4"));
    vat->txtCreditLimit->setText(QStringLiteral("5"));
    vat->cboCOA->setEditText(QStringLiteral("2200"));
    vat->cmdSend->click();
    EXPECT_EQ(ui.lastText(), QStringLiteral("VAT code created under : Reduced"));
    setUp->click();
    EXPECT_EQ(WindowRegistry::shared().find<frmVATSetup>(), vat) << "one shared window";
    vat->close();
    setUp->click();
    vat = WindowRegistry::shared().find<frmVATSetup>();
    ASSERT_NE(vat, nullptr);
    EXPECT_EQ(vat->cboCompany->findText(QStringLiteral("Reduced")), 3);
    EXPECT_TRUE(vat->cmdSend->isEnabled());
    expectBooksSound();
}

} // namespace
