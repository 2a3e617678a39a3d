// The goods received note opens modal from "GRN" of Accounts Payable, the
// stock adjustment from "Adjust" of Inventory.
#include "app/Orvan.h"
#include "inventory/frmStkAdj.h"
#include "purchases/frmGRN.h"
#include "purchases/frmPurInv.h"
#include "support/TestBook.h"
#include "support/gui/RecordingUiServices.h"
#include "ui/WindowRegistry.h"

#include <QPushButton>

using namespace orv;

namespace {

class StockMenuTest : public test::TestBook {
protected:
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        TestBook::TearDown();
    }
    RecordingUiServices ui;
};

TEST_F(StockMenuTest, GrnOpensTheNoteModalInvThePurchaseInvoiceAndAdjustTheStockAdjustment) {
    Orvan* menu = WindowRegistry::shared().show<Orvan>();
    QPushButton* grn = menu->button(QStringLiteral("cmdCall_GRN"));
    ASSERT_TRUE(grn->isEnabled());
    grn->click();
    frmGRN* note = WindowRegistry::shared().find<frmGRN>();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->windowModality(), Qt::ApplicationModal);
    note->close();

    // The purchase invoice that bills what came in, modeless.
    QPushButton* invoice = menu->button(QStringLiteral("cmdCallPur_Inv"));
    ASSERT_TRUE(invoice->isEnabled());
    invoice->click();
    frmPurInv* billing = WindowRegistry::shared().find<frmPurInv>();
    ASSERT_NE(billing, nullptr);
    EXPECT_EQ(billing->windowModality(), Qt::NonModal);

    QPushButton* adjust = menu->button(QStringLiteral("cmd_Stk_Adj"));
    ASSERT_TRUE(adjust->isEnabled());
    adjust->click();
    frmStkAdj* journal = WindowRegistry::shared().find<frmStkAdj>();
    ASSERT_NE(journal, nullptr);
    EXPECT_EQ(journal->windowModality(), Qt::NonModal);
}

} // namespace
