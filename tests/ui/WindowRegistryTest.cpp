#include "ui/WindowRegistry.h"
#include "TestEntryWindow.h"
#include "support/gui/UiTest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

using namespace orv;
using namespace orv::test;

namespace {

class WindowRegistryTest : public UiTest {
protected:
    void SetUp() override {
        TestEntryWindow::book = &book;
        TestEntryWindow::loads = 0;
    }
    // Lets a closed window finish going.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    FakeEntryData book;
    WindowRegistry registry;
};

TEST_F(WindowRegistryTest, SecondRequestBringsTheSameWindowForwardWithItsEntries) {
    TestEntryWindow* first = registry.show<TestEntryWindow>();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->parentWidget(), nullptr);
    EXPECT_EQ(first->windowModality(), Qt::NonModal);
    EXPECT_EQ(first->objectName(), QStringLiteral("TestEntryWindow"));
    first->cboEmployee->setCurrentIndex(1);
    first->showMinimized();

    TestEntryWindow* second = registry.show<TestEntryWindow>();
    EXPECT_EQ(second, first);
    EXPECT_EQ(TestEntryWindow::loads, 1);
    EXPECT_EQ(second->cboEmployee->currentText(), QStringLiteral("Bellweather, Tam"));
    EXPECT_FALSE(second->isMinimized());
    EXPECT_EQ(registry.find<TestEntryWindow>(), first);
    EXPECT_EQ(registry.openCount(), 1);
}

TEST_F(WindowRegistryTest, RequestAfterCloseLoadsAFreshWindow) {
    QPointer<TestEntryWindow> first = registry.show<TestEntryWindow>();
    first->cboEmployee->setCurrentIndex(1);
    first->close();
    EXPECT_EQ(registry.find<TestEntryWindow>(), nullptr);
    EXPECT_EQ(registry.openCount(), 0);

    // Asked for again before the closed one is gone: still a fresh one.
    TestEntryWindow* second = registry.show<TestEntryWindow>();
    EXPECT_NE(second, first.data());
    EXPECT_EQ(TestEntryWindow::loads, 2);
    EXPECT_EQ(second->cboEmployee->currentIndex(), -1);
    settle();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(registry.find<TestEntryWindow>(), second);
}

TEST_F(WindowRegistryTest, ModalWindowBlocksTheOthersUntilClosed) {
    TestEntryWindow* modal = registry.showModal<TestEntryWindow>();
    EXPECT_EQ(modal->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(modal->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), modal);
    modal->close();
    settle();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(WindowRegistryTest, LoadFailureIsReportedAndTheWindowStillOpens) {
    book.unreachable = true;
    TestEntryWindow* window = registry.show<TestEntryWindow>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    // One message per list that could not be read; the document is ready.
    EXPECT_EQ(ui.texts(), QStringList(2, QStringLiteral("The company file cannot be opened")));
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$ 0.00"));
    EXPECT_EQ(window->header().recordCount(), 1);
}

} // namespace

namespace {

// A window laid out larger than the screen, and placed below its bottom.
class TallWindow : public Window {
public:
    TallWindow() {
        resize(5000, 4000);
        move(100, 3000);
    }
};

} // namespace

TEST_F(WindowRegistryTest, AWindowOpensWithinTheScreensAvailableArea) {
    TallWindow* window = registry.show<TallWindow>();
    ASSERT_NE(window, nullptr);
    const QRect area = window->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->geometry()))
        << "window at " << window->geometry().x() << "," << window->geometry().y() << " "
        << window->geometry().width() << "x" << window->geometry().height() << " on " << area.width() << "x"
        << area.height();
    window->close();
    settle();
}
