// The Inventory "Set Up" button opens the inventory set-up window, which
// reads its lists afresh each time it is opened.
#include "app/Orvan.h"
#include "inventory/frmIVSetup.h"
#include "inventory/frmStockReport.h"
#include "support/TestBook.h"
#include "support/gui/RecordingUiServices.h"
#include "ui/WindowRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;

namespace {

class InventoryMenuTest : public test::TestBook {
protected:
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        TestBook::TearDown();
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

TEST_F(InventoryMenuTest, ReportOpensTheOneStockReportWindow) {
    Orvan* menu = WindowRegistry::shared().show<Orvan>();
    QPushButton* report = menu->button(QStringLiteral("cmdCallStk_Report"));
    ASSERT_TRUE(report->isEnabled());
    report->click();
    frmStockReport* window = WindowRegistry::shared().find<frmStockReport>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Stock Report"));
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_FALSE(window->isModal());
    window->box(QStringLiteral("txtYear"))->setText(QStringLiteral("2011"));

    report->click(); // brought forward with what the clerk typed
    EXPECT_EQ(WindowRegistry::shared().find<frmStockReport>(), window);
    EXPECT_EQ(window->box(QStringLiteral("txtYear"))->text(), QStringLiteral("2011"));
    EXPECT_TRUE(ui.messages().empty());
}

} // namespace
