// The Inventory "Set Up" button opens the inventory set-up window, which
// reads its lists afresh each time it is opened.
#include "app/Orvan.h"
#include "inventory/frmIVSetup.h"
#include "support/MasterBook.h"
#include "ui/RecordingUiServices.h"
#include "ui/WindowRegistry.h"

#include <QComboBox>
#include <QPushButton>

using namespace orv;

namespace {

class InventoryMenuTest : public test::MasterBook {
protected:
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        MasterBook::TearDown();
    }
    RecordingUiServices ui;
};

TEST_F(InventoryMenuTest, SetUpOpensTheInventoryWindow) {
    Orvan* menu = WindowRegistry::shared().show<Orvan>();
    QPushButton* setUp = menu->button(QStringLiteral("cmdCallStk_Setup"));
    ASSERT_TRUE(setUp->isEnabled());
    setUp->click();
    frmIVSetup* window = WindowRegistry::shared().find<frmIVSetup>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->cboPdtCode->count(), 0);
    window->close();

    addItem(QStringLiteral("W-1"), QStringLiteral("Widget"));
    setUp->click();
    window = WindowRegistry::shared().find<frmIVSetup>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->cboPdtCode->itemText(0), QStringLiteral("W-1"));
}

} // namespace
