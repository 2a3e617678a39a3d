#include "uicore/UiServices.h"
#include "support/gui/UiTest.h"
#include "ui/Window.h"
#include "uicore/Check.h"
#include "uicore/QtUiServices.h"
#include "uicore/ScreenUnits.h"
#include "values/DataError.h"

#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QWidget>

using namespace orv;
using namespace orv::test;

namespace {

using UiServicesTest = UiTest;

TEST_F(UiServicesTest, UnexpectedErrorsBecomeMessageBoxesWithTheApplicationTitle) {
    EXPECT_FALSE(guarded([] { throw DataError(QStringLiteral("\"x\" is not a valid integer")); }));
    EXPECT_FALSE(guarded([] { throw std::runtime_error("disk full"); }));
    EXPECT_FALSE(guarded([] { throw 42; }));
    EXPECT_TRUE(guarded([] {}));
    ASSERT_EQ(ui.messages().size(), 3u);
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("\"x\" is not a valid integer"));
    EXPECT_EQ(ui.messages()[1].text, QStringLiteral("disk full"));
    for (const auto& m : ui.messages()) {
        EXPECT_EQ(m.title, QStringLiteral("Orvanwise"));
    }
}

TEST_F(UiServicesTest, RecorderStandsInWhileInstalledOnly) {
    EXPECT_EQ(&UiServices::current(), &ui);
    {
        RecordingUiServices inner;
        UiServices::current().message(QStringLiteral("hello"), kTitleMissingField);
        EXPECT_EQ(inner.messages().at(0).title, kTitleMissingField);
    }
    EXPECT_NE(&UiServices::current(), &ui) << "a recorder going restores the program's own services";
    UiServices::install(&ui);
}

TEST_F(UiServicesTest, LineChecksKeepTheClerksPlaceUnlessALineIsRefused) {
    Recordset lines;
    lines.appendField(QStringLiteral("Amount"), DataType::Currency);
    lines.open();
    for (const char* amount : {"5", "0", "7"}) {
        lines.addNew();
        lines.setValue(0, QString::fromLatin1(amount));
    }
    lines.moveTo(2);
    const Check positive =
        Check::onLine([](const RowView& line) { return line.currency(QStringLiteral("Amount")).raw() <= 0; },
                      QStringLiteral("Amount must be more than 0"));
    const Check known =
        Check::onLine([](const RowView& line) { return line.isBlank(QStringLiteral("Amount")); },
                      QStringLiteral("No amount"));
    EXPECT_TRUE(runChecks({Check::eachLine(lines, {known})}));
    EXPECT_EQ(lines.position(), 2) << "a passing run moved the grid's current line";
    EXPECT_FALSE(runChecks({Check::eachLine(lines, {known, positive})}));
    EXPECT_EQ(lines.position(), 1) << "the refused line is the current one";
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Amount must be more than 0"));
}

TEST_F(UiServicesTest, AButtonWhoseHandlerFailsTellsTheClerkAndTheWindowGoesOn) {
    struct Failing : Window {
        QPushButton* button = new QPushButton(this);
        int clicks = 0;
        Failing() {
            onClick(button, [this] {
                ++clicks;
                throw DataError(QStringLiteral("The company file is busy"));
            });
        }
    } window;
    window.button->click();
    window.button->click();
    EXPECT_EQ(window.clicks, 2);
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("The company file is busy"));
}

TEST_F(UiServicesTest, APressWhileItsHandlerRunsIsIgnoredAndTheNextOneCounts) {
    QPushButton button;
    int runs = 0;
    // The clerk clicks again while the handler's message box waits.
    onClick(&button, [&] {
        ++runs;
        button.click();
    });
    button.click();
    EXPECT_EQ(runs, 1);
    button.click();
    EXPECT_EQ(runs, 2) << "the press after the handler ended runs it again";

    // A failed handler does not leave the button deaf.
    QPushButton failing;
    int tries = 0;
    onClick(&failing, [&] {
        ++tries;
        throw std::runtime_error("disk full");
    });
    failing.click();
    failing.click();
    EXPECT_EQ(tries, 2);
    EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("disk full"), QStringLiteral("disk full")}));
}

TEST_F(UiServicesTest, AHandlerMayDestroyItsOwnButton) {
    auto* window = new QWidget;
    auto* button = new QPushButton(window);
    bool ran = false;
    onClick(button, [&] {
        ran = true;
        delete window;
    });
    button->click();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(UiServicesTest, WhileWorkRunsKeysWaitForTheirWindowClicksGoNowhereAndEscOrCancelStopsIt) {
    QWidget window;
    auto* box = new QLineEdit(&window);
    auto* button = new QPushButton(&window);
    button->move(0, 40);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    window.show();
    box->setFocus();
    // The program's own services, showing the dialog at once; the clerk's
    // keys and clicks come as the window system sends them.
    QtUiServices services(std::chrono::milliseconds(0));
    const auto click = [](QWidget* target) {
        QTest::mouseClick(target->window()->windowHandle(), Qt::LeftButton, {},
                          target->mapTo(target->window(), target->rect().center()));
    };
    const auto visibleDialog = [&] {
        for (auto* dialog : window.findChildren<QProgressDialog*>())
            if (dialog->isVisible())
                return dialog;
        return static_cast<QProgressDialog*>(nullptr);
    };
    {
        const auto work = services.beginProgress(&window, QStringLiteral("Preparing..."), 10);
        ASSERT_TRUE(work->advance(1));
        ASSERT_TRUE(visibleDialog());
        for (char key : {'2', '0', '1', '0'})
            QTest::keyClick(window.windowHandle(), key);
        click(button);
        EXPECT_TRUE(work->advance(2));
        EXPECT_EQ(box->text(), QString()) << "the keys wait for the work";
        EXPECT_EQ(clicks, 0) << "the window takes no click while the work runs";
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(box->text(), QStringLiteral("2010")) << "the keys reached their box once the work ended";
    {
        const auto work = services.beginProgress(&window, QStringLiteral("Preparing..."), 10);
        ASSERT_TRUE(work->advance(1));
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        EXPECT_FALSE(work->advance(2)) << "Esc in the clerk's window stops the work";
    }
    const auto work = services.beginProgress(&window, QStringLiteral("Preparing..."), 10);
    ASSERT_TRUE(work->advance(1));
    QTest::mouseClick(visibleDialog()->findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_FALSE(work->advance(2)) << "the dialog's Cancel stops the work";
    EXPECT_EQ(box->text(), QStringLiteral("2010"));
}

TEST(ScreenUnits, TwipsAreFifteenToThePixelAtStandardResolution) {
    QWidget widget;
    const double scale = widget.logicalDpiX() / 96.0;
    EXPECT_EQ(twipsToPixels(1440, &widget), qRound(96 * scale));
    EXPECT_EQ(twipsToPixels(800, &widget), qRound(800 / 15.0 * scale));
    EXPECT_EQ(twipsToPixels(0, &widget), 0);
}

TEST(ScreenUnits, ColoursAreGivenBlueGreenRed) {
    EXPECT_EQ(lightBlueTint(), QColor(192, 192, 255));
    EXPECT_EQ(colorFromBgr(0x0000FF), QColor(255, 0, 0));
}

} // namespace
