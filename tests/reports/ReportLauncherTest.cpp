#include "ReportTestSupport.h"

#include "reports/ReportLauncher.h"
#include "reports/ReportPreview.h"
#include "support/gui/RecordingUiServices.h"
#include "uicore/Controls.h"

#include "data/Connection.h"
#include "values/DataError.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::reports;

namespace {

// A window with the transaction listing's three boxes and a button that runs
// the sample listing.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureApplication();
        source.addCommand(ReportCommand("cmGListing_Grouping", "select_general_ledger_listing",
                                        "RETURN_VALUE",
                                        {{"year", ParameterType::SmallInt, 0},
                                         {"acctcode1", ParameterType::SmallInt, 0},
                                         {"acctcode2", ParameterType::SmallInt, 0}},
                                        test::sampleListingShape()));
        source.setRunner([this](const QString&, const QString&, const std::vector<Variant>& inputs) {
            calls.push_back(inputs);
            if (!failure.isEmpty())
                throw DataError(failure);
            return test::ledgerRows(rowsToReturn, 5);
        });
        auto* box = new QVBoxLayout(&window);
        for (QLineEdit* e : {&txtYear, &txtAcctCode, &txtAcctCode2})
            box->addWidget(e);
        txtYear.setObjectName("txtYear");
        txtAcctCode.setObjectName("txtAcctCode");
        txtAcctCode2.setObjectName("txtAcctCode2");
        txtYear.setText("2010");
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

        button.dataSource = [this]() -> ReportDataSource& { return source; };
        button.command = "cmGListing_Grouping";
        button.checks = {Check::empty(&txtYear, "Specify a Year").tinted(),
                         Check::empty(&txtAcctCode, "Specify starting GL Code").tinted(),
                         Check::empty(&txtAcctCode2, "Specify Ending GL Code").tinted()};
        button.inputs = {
            {&txtYear, "the reporting year", {}}, {&txtAcctCode, {}, {}}, {&txtAcctCode2, {}, {}}};
        button.layout = [this]() -> const ReportLayout& { return layout; };
    }
    void TearDown() override { ReportPreview::destroyAll(); }
    bool press() { return ReportLauncher::launch(button); }
    bool resultOpen() { return source.resultSet("cmGListing_Grouping").isOpen(); }

    test::ApplicationGuard app;
    ReportDataSource source{"DE_GL_Report", "conGL", kShapeReportConnection};
    ReportLayout layout = test::sampleListing();
    QWidget window;
    QLineEdit txtYear, txtAcctCode, txtAcctCode2;
    ReportButton button;
    RecordingUiServices ui;
    std::vector<std::vector<Variant>> calls;
    int rowsToReturn = 20;
    QString failure;
};

} // namespace

TEST_F(LauncherTest, ClosesTheEarlierResultBeforeItChecksTheBoxes) {
    txtAcctCode.setText("1000");
    txtAcctCode2.setText("1999");
    ASSERT_TRUE(press());
    EXPECT_TRUE(resultOpen());
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], (std::vector<Variant>{Variant::smallInt(2010), Variant::smallInt(1000),
                                              Variant::smallInt(1999)}));

    txtYear.clear();
    txtAcctCode.clear();
    EXPECT_FALSE(press());
    EXPECT_FALSE(resultOpen()); // closed although nothing ran
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(ui.texts(), QStringList{"Specify a Year"}); // the first failing box only
    EXPECT_TRUE(txtYear.hasFocus());
    EXPECT_TRUE(isTinted(&txtYear));
    EXPECT_FALSE(isTinted(&txtAcctCode));
}

TEST_F(LauncherTest, TintStaysAfterTheBoxIsFilledAndTheReportRuns) {
    EXPECT_FALSE(press());
    EXPECT_EQ(ui.texts(), QStringList{"Specify starting GL Code"});
    EXPECT_TRUE(txtAcctCode.hasFocus());
    EXPECT_TRUE(isTinted(&txtAcctCode));
    EXPECT_FALSE(isTinted(&txtAcctCode2)); // not reached

    txtAcctCode.setText("1000");
    txtAcctCode2.setText("1999");
    EXPECT_TRUE(press());
    EXPECT_TRUE(isTinted(&txtAcctCode));
    EXPECT_EQ(txtAcctCode.palette().color(QPalette::Base), QColor(192, 192, 255));

    // A button whose check does not tint leaves the colour as it is.
    button.checks[0] = Check::empty(&txtYear, "Specify a Year");
    txtYear.clear();
    EXPECT_FALSE(press());
    EXPECT_FALSE(isTinted(&txtYear));
}

TEST_F(LauncherTest, BoxThatIsNotAWholeNumberInRangeIsRefusedByName) {
    txtAcctCode.setText("1000");
    txtAcctCode2.setText("1999");
    for (const QString bad : {"20x0", "2010.6", "40000", "   "}) {
        ui.clear();
        txtYear.setText(bad);
        EXPECT_FALSE(press()) << bad.toStdString();
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].text, "the reporting year: type a year such as 2010");
        EXPECT_TRUE(txtYear.hasFocus());
    }
    EXPECT_TRUE(calls.empty());

    txtYear.setText(" 2011 "); // blanks around a number pass the check and the conversion
    txtAcctCode2.setText("99999");
    ui.clear();
    EXPECT_FALSE(press());
    EXPECT_EQ(ui.texts(), QStringList{"This box: the number is too long; type one of fewer digits"})
        << "a box without a caption is never named by its control's name";
    txtAcctCode2.setText("-32768");
    EXPECT_TRUE(press());
    EXPECT_EQ(calls.back()[0], Variant::smallInt(2011));
    EXPECT_EQ(calls.back()[2], Variant::smallInt(-32768));
}

TEST_F(LauncherTest, FailingProcedureIsShownAndTheWindowStaysUsable) {
    txtAcctCode.setText("1000");
    txtAcctCode2.setText("1999");
    failure = "unknown procedure select_general_ledger_listing";
    EXPECT_FALSE(press());
    EXPECT_EQ(ui.texts(), QStringList{failure});
    EXPECT_FALSE(resultOpen());
    EXPECT_EQ(ReportPreview::find("rptSample"), nullptr);

    failure.clear();
    EXPECT_TRUE(press());
    EXPECT_NE(ReportPreview::find("rptSample"), nullptr);
}

TEST_F(LauncherTest, PressingAgainShowsTheNewRowsInTheSamePreview) {
    txtAcctCode.setText("1000");
    txtAcctCode2.setText("1999");
    rowsToReturn = 5;
    ASSERT_TRUE(press());
    ReportPreview* preview = ReportPreview::find("rptSample");
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), "Sample Listing");
    EXPECT_EQ(preview->parentWidget(), nullptr);
    EXPECT_EQ(preview->pageCount(), 1);

    preview->close();
    rowsToReturn = 200;
    ASSERT_TRUE(press());
    EXPECT_EQ(ReportPreview::find("rptSample"), preview);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_GT(preview->pageCount(), 4);

    auto* next = preview->findChild<QPushButton*>("cmdNextPage");
    QTest::mouseClick(preview->findChild<QPushButton*>("cmdLastPage"), Qt::LeftButton);
    EXPECT_EQ(preview->currentPage(), preview->pageCount() - 1);
    EXPECT_FALSE(next->isEnabled());
    QTest::mouseClick(preview->findChild<QPushButton*>("cmdPreviousPage"), Qt::LeftButton);
    EXPECT_EQ(preview->currentPage(), preview->pageCount() - 2);
    EXPECT_TRUE(next->isEnabled());
    preview->setZoom(200);
    EXPECT_EQ(preview->zoom(), 200);
}

TEST_F(LauncherTest, PickerAndCheckBoxGiveTheirOwnValues) {
    source.addCommand(ReportCommand("cmdVAT", "select_vat_listing", "RETURN_VALUE",
                                    {{"vat_status", ParameterType::Boolean, 0},
                                     {"date_start", ParameterType::DateTime, 0},
                                     {"date_end", ParameterType::DateTime, 0}}));
    QCheckBox chkvatbox;
    chkvatbox.setChecked(true);
    QDateEdit dtpStart(QDate(2010, 11, 1)), dtpEnd(QDate(2010, 11, 30));
    ReportLayout plain("rptPlain", "Plain");
    plain.setDataMember("cmdVAT");
    button.command = "cmdVAT";
    button.checks = {Check::empty(&dtpStart, "Specify a starting date"),
                     Check::empty(&dtpEnd, "Specify an ending date")};
    button.inputs = {{nullptr, {}, [&] { return Variant(!chkvatbox.isChecked()); }},
                     {&dtpStart, {}, {}},
                     {&dtpEnd, {}, {}}};
    button.layout = [&]() -> const ReportLayout& { return plain; };
    ASSERT_TRUE(press());
    EXPECT_EQ(calls.back(), (std::vector<Variant>{Variant(false), Variant(QDate(2010, 11, 1)),
                                                  Variant(QDate(2010, 11, 30))}));
}

TEST_F(LauncherTest, TheProgressBeginsBeforeTheProcedureRunsAndGoesOnThroughTheLayout) {
    txtAcctCode.setText("1000");
    txtAcctCode2.setText("1999");
    std::size_t followedWhileRunning = 0;
    source.setRunner([&](const QString&, const QString&, const std::vector<Variant>&) {
        followedWhileRunning = ui.followedWork().size();
        return test::ledgerRows(300, 5);
    });
    ASSERT_TRUE(press());
    EXPECT_EQ(followedWhileRunning, 1u) << "the busy pointer is up while the procedure runs";
    ASSERT_EQ(ui.followedWork().size(), 1u);
    EXPECT_EQ(ui.followedWork()[0].total, 300) << "the laying out counts in the same progress";
}
