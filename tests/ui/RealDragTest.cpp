#include "TestEntryWindow.h"
#include "support/gui/UiTest.h"
#include "ui/CursorPictures.h"

#include <QCursor>
#include <QDrag>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace orv;
using namespace orv::test;

namespace {

// A real drag through the windowing system, from a pick-grid row to the line
// grid. It needs a display (xvfb-run with QT_QPA_PLATFORM=xcb); elsewhere it
// is skipped. With ORV_DRAG_SHOT set (a .png path), the screen is saved there
// mid-drag over the line grid, and beside it ("-outside") while the drag is
// off the grid, with the drag cursor drawn where the pointer is.
class RealDragTest : public UiTest {
protected:
    static void grabScreen(const QString& path, QWindow* window) {
        QScreen* screen = window->screen();
        QPixmap shot = screen->grabWindow(0);
        if (const QCursor* cursor = QGuiApplication::overrideCursor(); cursor && !cursor->pixmap().isNull()) {
            QPainter painter(&shot);
            const QPoint at = QCursor::pos(screen) - screen->geometry().topLeft();
            painter.drawPixmap(at - cursor->hotSpot(), cursor->pixmap());
        }
        shot.save(path);
    }
};

TEST_F(RealDragTest, RowDraggedFromThePickGridBecomesALine) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs a display: run under xvfb-run with QT_QPA_PLATFORM=xcb";
    }
    FakeEntryData book;
    TestEntryWindow::book = &book;
    TestEntryWindow window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.load();
    window.resize(900, 600);
    window.move(40, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWindow* handle = window.windowHandle();

    PickGrid* pick = window.hfgProducts;
    LineGrid* lines = window.dgrOrderDetails;
    const QPoint from =
        pick->viewport()->mapTo(&window, pick->visualRect(pick->model()->index(2, 1)).center());
    const QPoint over = lines->viewport()->mapTo(&window, lines->viewport()->rect().center());
    const QPoint outside = window.txtSubTotal->mapTo(&window, window.txtSubTotal->rect().center());
    const QString shotPath = qEnvironmentVariable("ORV_DRAG_SHOT");

    QStringList pictures;
    ui.onDrag([&](QDrag* drag) {
        // The clerk's hand, while the drag runs: into the line grid, out of
        // it, back in, and release.
        // The pointer itself moves (the display reports the motion); the
        // button is let go by a synthetic release, which a display without
        // an input device cannot produce.
        auto step = [&](int at, const std::function<void()>& action) {
            QTimer::singleShot(at, &window, action);
        };
        auto moveTo = [&](QPoint p) { QCursor::setPos(handle->mapToGlobal(p)); };
        step(50, [&] { moveTo(from + QPoint(0, 20)); });
        step(150, [&] { moveTo(over); });
        step(250, [&] {
            moveTo(over + QPoint(5, 5));
            pictures << pick->dragPicture();
        });
        step(350, [&] { moveTo(outside); });
        step(450, [&] {
            pictures << pick->dragPicture();
            if (!shotPath.isEmpty()) {
                grabScreen(QString(shotPath).replace(QStringLiteral(".png"), QStringLiteral("-outside.png")),
                           handle);
            }
            moveTo(over);
        });
        step(550, [&] {
            moveTo(over + QPoint(3, 3));
            pictures << pick->dragPicture();
            if (!shotPath.isEmpty()) {
                grabScreen(shotPath, handle);
            }
        });
        step(700, [&] { QTest::mouseRelease(handle, Qt::LeftButton, {}, over + QPoint(3, 3)); });
        return drag->exec(Qt::CopyAction);
    });
    QCursor::setPos(handle->mapToGlobal(from));
    QTest::mousePress(pick->viewport(), Qt::LeftButton, {},
                      pick->visualRect(pick->model()->index(2, 1)).center());

    EXPECT_EQ(ui.drags(), 1);
    EXPECT_EQ(pictures, (QStringList{kDropPicture, kDragPicture, kDropPicture}));
    ASSERT_EQ(window.lines().recordCount(), 1);
    EXPECT_EQ(lines->cellText(0, 1), QStringLiteral("Glass chimney"));
    EXPECT_EQ(window.txtSubTotal->text(), QStringLiteral("$ 7.25"));
}

} // namespace
