#include "ReportTestSupport.h"
#include "support/TestBook.h"
#include "support/gui/RecordingUiServices.h"

#include "reports/ReportDataSource.h"
#include "reports/ReportLauncher.h"
#include "reports/ReportPreview.h"

#include "data/Connection.h"
#include "db/ProcedureCatalog.h"
#include "uicore/QtUiServices.h"
#include "values/DataError.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWindow>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::reports;

namespace {

// A report procedure of the tests' own: two accounts with balances for 2010.
const char* kBalances = R"(--! procedure test_report_balances
--! param year INTEGER
--! result "Acct Code" INTEGER, "Debit Bal" CURRENCY, "Credit Bal" CURRENCY
SELECT 1000 AS "Acct Code", 1234500 AS "Debit Bal", NULL AS "Credit Bal" WHERE :year = 2010
UNION ALL SELECT 2000, NULL, 1000100 WHERE :year = 2010
UNION ALL SELECT 3000, 100, 234400 WHERE :year = 2010
)";

// A procedure that runs long enough to report its progress.
const char* kCounting = R"(--! procedure test_report_counting
--! param n INTEGER
--! result "Total" INTEGER
WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < :n) SELECT count(*) AS "Total" FROM k
)";

using ReportDatabase = orv::test::TestBook;

// A report of the counting procedure, launched as its button launches it.
struct CountingReport {
    CountingReport() {
        db::ProcedureCatalog::add(QString::fromLatin1(kCounting));
        source.addCommand(ReportCommand("cmCounting", "test_report_counting", "RETURN_VALUE",
                                        {{"n", ParameterType::Integer, 0}}));
        layout.setDataMember("cmCounting");
        button.dataSource = [this]() -> ReportDataSource& { return source; };
        button.command = "cmCounting";
        button.inputs = {{nullptr, {}, [] { return Variant(std::int32_t(200000)); }}};
        button.layout = [this]() -> const ReportLayout& { return layout; };
    }
    ReportDataSource source{"DE_Test_Report", "conTest", kShapeReportConnection};
    ReportLayout layout{"rptCounting", "Counting"};
    ReportButton button;
};

} // namespace

TEST_F(ReportDatabase, GroupedCommandRunsThroughTheProcedureDispatcher) {
    db::ProcedureCatalog::add(QString::fromLatin1(kBalances));
    ReportDataSource source("DE_GL_Report", "conGL", kShapeReportConnection);
    source.addCommand(
        ReportCommand("TB_Bal", "test_report_balances", "RETURN_VALUE", {{"year", ParameterType::Integer, 0}},
                      " SHAPE {{? = CALL dbo.test_report_balances( ?) }}  AS cmGL COMPUTE "
                      "SUM(cmGL.'Debit Bal') AS Debit, SUM(cmGL.'Credit Bal') AS Credit, cmGL "));
    source.run("TB_Bal", {Variant(std::int32_t(2010))});
    const ShapedRows::Ptr rows = source.resultSet("TB_Bal").rows();
    ASSERT_EQ(rows->rowCount(), 1);
    EXPECT_EQ(rows->children(0)->rowCount(), 3);
    EXPECT_EQ(rows->value(0, "Debit"), Variant(Currency::parse("123.46")));
    EXPECT_EQ(rows->value(0, "Credit"), Variant(Currency::parse("123.45")));

    source.run("TB_Bal", {Variant(std::int32_t(2011))});
    EXPECT_EQ(source.resultSet("TB_Bal").rows()->children(0)->rowCount(), 0);
}

TEST_F(ReportDatabase, UnknownProcedureIsAnErrorNamingIt) {
    ReportDataSource source("DE_AR", "conAR", kShapeReportConnection);
    source.addCommand(ReportCommand("cmMissing", "select_no_such_report", "@RETURN_VALUE", {}));
    try {
        source.run("cmMissing", {});
        FAIL() << "ran a procedure that does not exist";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.message().contains("select_no_such_report")) << e.message().toStdString();
    }
    EXPECT_FALSE(source.resultSet("cmMissing").isOpen());
}

TEST_F(ReportDatabase, TheProcedureRunsUnderTheProgressAndCancelStopsIt) {
    orv::reports::test::ApplicationGuard app;
    RecordingUiServices ui;
    CountingReport report;
    ReportDataSource& source = report.source;
    const ReportButton& button = report.button;

    ui.cancelProgressAt(0);
    EXPECT_FALSE(ReportLauncher::launch(button));
    ASSERT_EQ(ui.followedWork().size(), 1u);
    EXPECT_EQ(ui.followedWork()[0].label, "Preparing Counting...");
    EXPECT_EQ(ui.followedWork()[0].steps, std::vector<int>{0}) << "Cancel stops the procedure itself";
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_FALSE(source.resultSet("cmCounting").isOpen());

    ui.clear();
    ui.cancelProgressAt(-1);
    EXPECT_TRUE(ReportLauncher::launch(button));
    ASSERT_EQ(ui.followedWork().size(), 1u) << "one progress from the procedure to the preview";
    EXPECT_GT(ui.followedWork()[0].steps.size(), 1u);
    EXPECT_EQ(source.resultSet("cmCounting").rows()->value(0, "Total"), Variant(std::int64_t(200000)));
    ReportPreview::destroyAll();
}

TEST_F(ReportDatabase, KeysTypedWhileTheProcedureRunsReachTheirBoxOnceTheReportIsShown) {
    orv::reports::test::ApplicationGuard app;
    // The program's own services, their progress dialog shown at once.
    QtUiServices services(std::chrono::milliseconds(0));
    UiServices::install(&services);
    QLineEdit window;
    window.show();
    window.setFocus();
    CountingReport report;
    // The clerk types on while the procedure runs: the keys wait in the
    // window system's queue for the program.
    for (const char* key : {"2", "0", "1", "1"}) {
        const int code = Qt::Key_0 + (key[0] - '0');
        QCoreApplication::postEvent(window.windowHandle(), new QKeyEvent(QEvent::KeyPress, code, {}, key));
        QCoreApplication::postEvent(window.windowHandle(), new QKeyEvent(QEvent::KeyRelease, code, {}, key));
    }
    const bool shown = ReportLauncher::launch(report.button);
    QCoreApplication::processEvents();
    UiServices::install(nullptr);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(ReportPreview::find(QStringLiteral("rptCounting")));
    EXPECT_EQ(window.text(), QStringLiteral("2011"));
    ReportPreview::destroyAll();
}
