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
    EXPECT_EQ(window->txtSubTotal->text(), QStringLiteral("$0.00"));
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
// Windows of the main menu's and a task's size (each its own kind, as the
// registry keeps one window of a kind).
class MenuWindow : public Window {
    Q_OBJECT
public:
    MenuWindow() { resize(400, 300); }
};
class TaskWindow : public Window {
    Q_OBJECT
public:
    TaskWindow() { resize(300, 200); }
};

::testing::AssertionResult onScreen(const Window* window) {
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (frame == window->geometry())
        return ::testing::AssertionFailure() << "the window has no frame to test with";
    if (area.contains(frame))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "frame at " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height()
           << " on " << area.width() << "x" << area.height();
}

} // namespace

// The window system frames each window (the test platform adds a margin as
// a window manager does): every frame lies wholly on the screen, the first
// window at its corner and the others beside it or cascaded from it.
TEST_F(WindowRegistryTest, EveryFrameOpensOnTheScreenAndTheOthersBesideTheFirst) {
    MenuWindow* menu = registry.show<MenuWindow>();
    TaskWindow* task = registry.show<TaskWindow>();
    TallWindow* tall = registry.show<TallWindow>();
    QCoreApplication::processEvents();
    for (const Window* window : std::initializer_list<const Window*>{menu, task, tall})
        EXPECT_TRUE(onScreen(window)) << window->metaObject()->className();
    const QRect area = menu->screen()->availableGeometry();
    EXPECT_EQ(menu->frameGeometry().topLeft(), area.topLeft());
    EXPECT_EQ(task->frameGeometry().topLeft(), QPoint(menu->frameGeometry().right() + 1, area.top()))
        << "beside the menu where there is room";
    EXPECT_GT(tall->frameGeometry().top(), menu->frameGeometry().top())
        << "cascaded, not on the menu's corner";
    for (Window* window : std::initializer_list<Window*>{menu, task, tall})
        window->close();
    settle();
}

// Placed before the window system tells its frame, a window leaves room for
// a title bar, and is placed again at the frame position once it is known.
TEST_F(WindowRegistryTest, AWindowPlacedBeforeItsFrameIsKnownIsPlacedAgainOnceItIs) {
    TaskWindow window;
    window.placeFrameAt(QPoint(50, 0));
    EXPECT_GE(window.geometry().top(), 24) << "room for a title bar";
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(50, 0));
    EXPECT_TRUE(onScreen(&window));
    // A frame larger than the screen is shrunk to it and moved onto it.
    const QRect area(0, 0, 800, 600);
    EXPECT_EQ(Window::frameWithin(area, QRect(-10, -20, 900, 300)), QRect(0, 0, 800, 300));
    EXPECT_EQ(Window::frameWithin(area, QRect(700, 500, 200, 200)), QRect(600, 400, 200, 200));
}

#include "WindowRegistryTest.moc"
