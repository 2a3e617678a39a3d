// "DO" and "INV" of Accounts Receivable open the delivery order and the sales
// invoice, each the one modeless window of its kind.
#include "app/Orvan.h"
#include "sales/frmDO_Entry.h"
#include "sales/frmSale_Entry.h"
#include "support/TestBook.h"
#include "support/gui/RecordingUiServices.h"
#include "ui/WindowRegistry.h"

#include <QPushButton>

using namespace orv;

namespace {

class SalesMenuTest : public test::TestBook {
protected:
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        TestBook::TearDown();
    }
    template <class W> void expectOpens(const char* button, const char* caption) {
        QPushButton* b = WindowRegistry::shared().show<Orvan>()->button(QString::fromLatin1(button));
        ASSERT_TRUE(b->isEnabled()) << button;
        EXPECT_EQ(b->text(), QString::fromLatin1(caption));
        b->click();
        W* window = WindowRegistry::shared().find<W>();
        ASSERT_NE(window, nullptr) << button;
        EXPECT_EQ(window->windowModality(), Qt::NonModal);
        b->click();
        EXPECT_EQ(WindowRegistry::shared().find<W>(), window) << "the same window again";
    }
    RecordingUiServices ui;
};

} // namespace

TEST_F(SalesMenuTest, DoAndInvOpenTheirWindowsModeless) {
    expectOpens<frmDO_Entry>("cmdCallDO_Entry", "DO");
    expectOpens<frmSale_Entry>("cmdCallSales_Entry", "INV");
}
