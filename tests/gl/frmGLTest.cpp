// The "GL Reports" window: its controls, the checks of its six buttons with
// their messages and tints, REFRESH, the conversion of what the boxes hold,
// and the previews the buttons open.
#include "gl/frmGL.h"
#include "GlReportBook.h"
#include "reports/ReportPreview.h"
#include "reports/gl/DE_GL_Report.h"
#include "support/gui/PinnedTexts.h"
#include "support/gui/RecordingUiServices.h"
#include "support/gui/UiTest.h"
#include "ui/WindowRegistry.h"
#include "uicore/Controls.h"
#include "uicore/UiServices.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace orv;
using namespace orv::reports;

namespace {

class frmGLTest : public test::GlReportBook {
protected:
    void SetUp() override {
        GlReportBook::SetUp();
        window = std::make_unique<frmGL>();
        window->load();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        window.reset();
        ReportPreview::destroyAll();
        GlReportBook::TearDown();
    }
    template <class T = QWidget> T* control(const char* name) {
        T* c = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QLineEdit* box(const char* name) { return control<QLineEdit>(name); }
    void press(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    bool tinted(const char* name) { return orv::isTinted(box(name)); }
    bool focused(const char* name) { return box(name)->hasFocus(); }
    bool resultOpen(const QString& command) { return window->dataSource().resultSet(command).isOpen(); }
    void fillListing(const char* from, const char* to) {
        box("txtAcctCode")->setText(QString::fromLatin1(from));
        box("txtAcctCode2")->setText(QString::fromLatin1(to));
    }

    RecordingUiServices ui;
    std::unique_ptr<frmGL> window;
};

const char* const kYearButtons[] = {"Command1", "Command2", "Command9", "Command3", "Command4", "Command6"};

} // namespace

TEST(frmGLTexts, CaptionsAndMessagesAreAsWritten) {
    test::expectPinnedTexts(frmGL::kText, {
                                              {"frmGL", "GL Reports"},
                                              {"Frame2", "FINANCIAL REPORTS"},
                                              {"Label4", "PRINT PREVIEW - TRIAL BALANCE"},
                                              {"Command1", "Print TB"},
                                              {"Label5", "PRINT PREVIEW - BALANCE SHEET WITH ACCT CODE"},
                                              {"Command2", "Print BS"},
                                              {"Label14", "PRINT PREVIEW - BALANCE SHEET"},
                                              {"Command9", "Print BS"},
                                              {"Label6", "PRINT PREVIEW - PROFIT/ (LOSS)"},
                                              {"Command3", "Print PL"},
                                              {"Label7", "PRINT PREVIEW - 12 MTHS PROFT/ (LOSS)"},
                                              {"Command4", "Print 12mth YTD"},
                                              {"Frame1", "TRANSACTION LISTING"},
                                              {"Label9", "PRINT PREVIEW - TRANSACTION LISTING"},
                                              {"Command6", "Print GL Listing"},
                                              {"Label10", "STARTING GL CODE"},
                                              {"Label11", "ENDING GL CODE"},
                                              {"Command8", "REFRESH"},
                                              {"Label13", "SPECIFY REPORTING YEAR :"},
                                              {"txtYear", "2010"},
                                              {"SpecifyYear", "Specify a Year"},
                                              {"SpecifyStartCode", "Specify starting GL Code"},
                                              {"SpecifyEndCode", "Specify Ending GL Code"},
                                              {"YearBoxName", "Year"},
                                              {"StartCodeBoxName", "Starting GL code"},
                                              {"EndCodeBoxName", "Ending GL code"},
                                          });
}

TEST_F(frmGLTest, OpensWithTheYear2010AndBoldFrameCaptionsOnly) {
    EXPECT_EQ(window->windowTitle(), "GL Reports");
    EXPECT_EQ(box("txtYear")->text(), "2010");
    EXPECT_EQ(box("txtAcctCode")->text(), "");
    EXPECT_EQ(box("txtAcctCode2")->text(), "");
    auto* financial = control<QGroupBox>("Frame2");
    EXPECT_EQ(financial->title(), "FINANCIAL REPORTS");
    EXPECT_TRUE(financial->font().bold());
    EXPECT_FALSE(control("Label4")->font().bold()); // only the frame's caption is bold
    EXPECT_EQ(control<QGroupBox>("Frame1")->title(), "TRANSACTION LISTING");
    EXPECT_TRUE(financial->isAncestorOf(control("Command9")));
    EXPECT_TRUE(control("Frame1")->isAncestorOf(box("txtAcctCode2")));
}

TEST_F(frmGLTest, EmptyYearStopsEveryButtonAndOnlyTheThirdRowLeavesItsColour) {
    postTradingBook();
    press("Command1");
    ASSERT_TRUE(resultOpen(DE_GL_Report::TB_Bal));
    box("txtYear")->clear();
    fillListing("1000", "1999");

    // The balance sheet without codes first, while the box has its own colour.
    press("Command9");
    EXPECT_EQ(ui.lastText(), qtext(frmGL::kText["SpecifyYear"]));
    EXPECT_TRUE(focused("txtYear"));
    EXPECT_FALSE(tinted("txtYear"));

    for (const char* button : kYearButtons) {
        ui.clear();
        box("txtAcctCode")->setFocus();
        press(button);
        ASSERT_EQ(ui.texts(), QStringList{qtext(frmGL::kText["SpecifyYear"])}) << button;
        EXPECT_EQ(ui.messages()[0].title, kAppTitle);
        EXPECT_TRUE(focused("txtYear")) << button;
    }
    EXPECT_TRUE(tinted("txtYear"));
    EXPECT_FALSE(tinted("txtAcctCode"));
    // Each press closed its command's earlier result, and nothing ran.
    EXPECT_FALSE(resultOpen(DE_GL_Report::TB_Bal));
    EXPECT_EQ(ReportPreview::find("rptBS"), nullptr);
    EXPECT_EQ(ReportPreview::find("rptGLListing"), nullptr);
}

TEST_F(frmGLTest, ListingReportsTheFirstMissingCodeAndTintsIt) {
    press("Command6");
    EXPECT_EQ(ui.texts(), QStringList{qtext(frmGL::kText["SpecifyStartCode"])});
    EXPECT_TRUE(focused("txtAcctCode"));
    EXPECT_TRUE(tinted("txtAcctCode"));
    EXPECT_FALSE(tinted("txtAcctCode2"));
    EXPECT_FALSE(tinted("txtYear"));

    ui.clear();
    box("txtAcctCode")->setText("1000");
    press("Command6");
    EXPECT_EQ(ui.texts(), QStringList{qtext(frmGL::kText["SpecifyEndCode"])});
    EXPECT_TRUE(focused("txtAcctCode2"));
    EXPECT_TRUE(tinted("txtAcctCode2"));

    // Filled in, the listing runs; the tints stay while the window is open.
    ui.clear();
    box("txtAcctCode2")->setText("1999");
    press("Command6");
    EXPECT_TRUE(ui.texts().isEmpty()) << ui.lastText().toStdString();
    EXPECT_NE(ReportPreview::find("rptGLListing"), nullptr);
    EXPECT_TRUE(tinted("txtAcctCode"));
    EXPECT_TRUE(tinted("txtAcctCode2"));
}

TEST_F(frmGLTest, RefreshEmptiesTheBoxesKeepsTheirColoursAndRunsNothing) {
    fillListing("1000", "1999");
    box("txtYear")->clear();
    press("Command2");
    ASSERT_TRUE(tinted("txtYear"));
    box("txtYear")->setText("2010");
    ui.clear();

    press("Command8");
    EXPECT_EQ(box("txtYear")->text(), "");
    EXPECT_EQ(box("txtAcctCode")->text(), "");
    EXPECT_EQ(box("txtAcctCode2")->text(), "");
    EXPECT_TRUE(tinted("txtYear"));
    EXPECT_TRUE(ui.texts().isEmpty());

    press("Command3");
    EXPECT_EQ(ui.texts(), QStringList{qtext(frmGL::kText["SpecifyYear"])});
}

TEST_F(frmGLTest, TextThatIsNotANumberInRangeIsRefusedNamingItsBox) {
    postTradingBook();
    box("txtYear")->setText("20x0");
    press("Command1");
    EXPECT_EQ(ui.lastText(), "Year: type a year such as 2010");
    EXPECT_TRUE(focused("txtYear"));
    EXPECT_EQ(ReportPreview::find("rptCOA"), nullptr);

    // A box of blanks passes the emptiness check and is refused by the conversion.
    box("txtYear")->setText("  ");
    press("Command3");
    EXPECT_EQ(ui.lastText(), "Year: type a year such as 2010");

    box("txtYear")->setText(" 2010 ");
    fillListing("1000", "3000000000");
    press("Command6");
    EXPECT_EQ(ui.lastText(), "Ending GL code: the number is too long; type one of fewer digits");
    fillListing("1000", "1x");
    press("Command6");
    EXPECT_EQ(ui.lastText(), "Ending GL code: type a whole number");
    EXPECT_TRUE(focused("txtAcctCode2"));
    EXPECT_FALSE(tinted("txtAcctCode2")); // a wrong entry is not an empty one

    // Codes above 32767 reach the listing.
    ui.clear();
    fillListing("1000", "99999");
    press("Command6");
    EXPECT_TRUE(ui.texts().isEmpty()) << ui.lastText().toStdString();
    const ShapedRows::Ptr groups = window->dataSource().resultSet(DE_GL_Report::cmGListing_Grouping).rows();
    EXPECT_EQ(groups->rowCount(), 10); // every account that moved in 2010, the closing included
}

TEST_F(frmGLTest, EachButtonShowsItsReportInItsOwnPreview) {
    postTradingBook();
    fillListing("1000", "1999");
    const std::pair<const char*, const char*> shown[] = {
        {"Command1", "rptCOA"}, {"Command2", "rptBS"},     {"Command9", "rptBS_No_Acctcode"},
        {"Command3", "rptPL"},  {"Command4", "rpt12_YTD"}, {"Command6", "rptGLListing"}};
    const QStringList captions{"Trial Balance",   "Balance Sheet", "BS Without AcctCode",
                               "PL for the Year", "PL 12 MTH YTD", "GL Listing"};
    int i = 0;
    for (const auto& [button, layout] : shown) {
        press(button);
        ReportPreview* preview = ReportPreview::find(QString::fromLatin1(layout));
        ASSERT_NE(preview, nullptr) << button;
        EXPECT_EQ(preview->windowTitle(), captions[i++]);
        EXPECT_TRUE(preview->isVisible());
        EXPECT_EQ(preview->parentWidget(), nullptr);
    }
    EXPECT_TRUE(ui.texts().isEmpty()) << ui.lastText().toStdString();

    // Pressed again for another year, the same preview shows the new figures.
    ReportPreview* tb = ReportPreview::find("rptCOA");
    box("txtYear")->setText("2009");
    press("Command1");
    EXPECT_EQ(ReportPreview::find("rptCOA"), tb);
    EXPECT_EQ(window->dataSource().resultSet(DE_GL_Report::TB_Bal).rows()->children(0)->rowCount(), 0);
}

TEST_F(frmGLTest, ReopenedWindowStartsAgainFrom2010WithoutTints) {
    window.reset();
    frmGL* first = WindowRegistry::shared().show<frmGL>();
    ASSERT_NE(first, nullptr);
    first->findChild<QLineEdit*>("txtYear")->clear();
    first->findChild<QPushButton*>("Command1")->click();
    EXPECT_TRUE(orv::isTinted(first->findChild<QLineEdit*>("txtYear")));
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    frmGL* second = WindowRegistry::shared().show<frmGL>();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->findChild<QLineEdit*>("txtYear")->text(), "2010");
    EXPECT_FALSE(orv::isTinted(second->findChild<QLineEdit*>("txtYear")));
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
