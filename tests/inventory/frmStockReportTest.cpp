// The "Stock Report" window over stock received and counted through the
// documents' own data classes: its three buttons, the year check of the
// movements, and each report printed as the clerk reads it.
#include "inventory/frmStockReport.h"
#include "reports/ReportFormat.h"
#include "reports/ReportLauncher.h"
#include "reports/ReportPaginator.h"
#include "reports/ReportPreview.h"
#include "reports/inventory/DE_Stk_Report.h"
#include "reports/inventory/StockReportLayouts.h"
#include "support/StockBook.h"
#include "support/gui/PinnedTexts.h"
#include "support/gui/ReportPrint.h"
#include "support/gui/WindowTest.h"
#include "uicore/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace orv;
using namespace orv::reports;

namespace {

class frmStockReportTest : public test::WindowTest<test::StockBook, frmStockReport> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_EQ(receive({{"A100", 2, "10", QDate(2010, 6, 1)}, {"B200", 3, "4", QDate(2010, 6, 1)}}),
                  QStringLiteral("1"));
        ASSERT_EQ(receive({{"A100", 4, "2.5", QDate(2010, 1, 2)}}), QStringLiteral("2"));
        ASSERT_EQ(receive({{"P300", 3, "1", QDate(2010, 5, 1)}}), QStringLiteral("3"));
        ASSERT_EQ(receive({{"B200", 1, "7", QDate(2009, 12, 30)}}), QStringLiteral("4"));
        // The January layer of A100 counted down from 4 to 1.
        ASSERT_EQ(adjust({{"2/1", "A100", "1", "2.5"}}), QStringLiteral("5"));
        open();
    }
    void TearDown() override {
        ReportPreview::destroyAll();
        WindowTest::TearDown();
    }
    QLineEdit* year() { return window->box(QStringLiteral("txtYear")); }
    void press(const char* button) {
        ui.clear();
        window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }
    ShapedRows::Ptr rowsOf(const QString& command) { return window->dataSource().resultSet(command).rows(); }
    // Every row of a command's last result, its columns joined by "|".
    QStringList lines(const QString& command) {
        const ShapedRows::Ptr rows = rowsOf(command);
        QStringList out;
        for (int r = 0; r < rows->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rows->columnCount(); ++c)
                cells << rows->value(r, c).toString();
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    bool resultOpen(const QString& command) { return window->dataSource().resultSet(command).isOpen(); }
};

} // namespace

TEST(frmStockReportTexts, CaptionsAndMessagesAreAsWritten) {
    test::expectPinnedTexts(frmStockReport::kText, {
                                                       {"frmStockReport", "Stock Report"},
                                                       {"Label1", "Specify a YEAR"},
                                                       {"txtYear", "2010"},
                                                       {"cmdStock_Mvmt", "Stock Movement"},
                                                       {"cmdStock_Age", "Stock Ageing"},
                                                       {"cmdStock_Balance", "Stock Balance"},
                                                       {"SpecifyYear", "Please Specify YEAR"},
                                                       {"YearBoxName", "Year"},
                                                   });
}

TEST_F(frmStockReportTest, OpensWithTheYear2010AboveItsThreeButtons) {
    EXPECT_EQ(window->windowTitle(), "Stock Report");
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), "Specify a YEAR");
    EXPECT_EQ(year()->text(), "2010");
    const std::pair<const char*, const char*> buttons[] = {{"cmdStock_Mvmt", "Stock Movement"},
                                                           {"cmdStock_Age", "Stock Ageing"},
                                                           {"cmdStock_Balance", "Stock Balance"}};
    int left = -1;
    for (const auto& [name, caption] : buttons) {
        auto* b = window->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), caption);
        EXPECT_GT(b->geometry().left(), left) << name << " stands left to right";
        EXPECT_GT(b->geometry().top(), year()->geometry().top()) << name << " stands below the year";
        left = b->geometry().left();
    }
}

TEST_F(frmStockReportTest, AgeingAndBalancesRunWhateverTheYearBoxHolds) {
    year()->clear();
    press("cmdStock_Age");
    press("cmdStock_Balance");
    EXPECT_TRUE(ui.texts().isEmpty()) << ui.lastText().toStdString();
    EXPECT_FALSE(isTinted(year()));

    ReportPreview* ageing = ReportPreview::find("rptStock_Age");
    ASSERT_NE(ageing, nullptr);
    EXPECT_EQ(ageing->windowTitle(), "Stock Ageing Report");
    ASSERT_NE(ReportPreview::find("rptStock_Bal"), nullptr);
    EXPECT_EQ(ReportPreview::find("rptStock_Bal")->windowTitle(), "Stock Balance");

    // Today is 15 June 2010: what is left of the January layer is over 90 days old.
    EXPECT_EQ(lines(DE_Stk_Report::cmStock_Age),
              (QStringList{"2010-01-02|A100|1|2.5|0|0|0|2.5", "2010-06-01|A100|2|10|20|0|0|0",
                           "2009-12-30|B200|1|7|0|0|0|7", "2010-06-01|B200|3|4|12|0|0|0",
                           "2010-05-01|P300|3|1|0|3|0|0"}));
    EXPECT_EQ(lines(DE_Stk_Report::cmStock_Bal), (QStringList{"A100|3", "B200|4", "P300|3"}));
}

TEST_F(frmStockReportTest, MovementsWantAYearThatIsNotBlankAndAWholeNumber) {
    press("cmdStock_Mvmt");
    ASSERT_TRUE(resultOpen(DE_Stk_Report::cmStock_Movement));

    // A year of blanks is missing: the earlier result is closed and nothing runs.
    year()->setText("   ");
    press("cmdStock_Mvmt");
    ASSERT_EQ(ui.texts(), QStringList{qtext(frmStockReport::kText["SpecifyYear"])});
    EXPECT_EQ(ui.messages()[0].title, kAppTitle);
    EXPECT_TRUE(year()->hasFocus());
    EXPECT_TRUE(isTinted(year()));
    EXPECT_FALSE(resultOpen(DE_Stk_Report::cmStock_Movement));

    year()->setText("20x0");
    press("cmdStock_Mvmt");
    EXPECT_EQ(ui.texts(), QStringList{"Year: type a year such as 2010"});
    EXPECT_TRUE(year()->hasFocus());
    EXPECT_FALSE(resultOpen(DE_Stk_Report::cmStock_Movement));

    // Blanks around the digits pass; the tint stays after the report runs.
    year()->setText(" 2009 ");
    press("cmdStock_Mvmt");
    EXPECT_TRUE(ui.texts().isEmpty()) << ui.lastText().toStdString();
    EXPECT_EQ(lines(DE_Stk_Report::cmStock_Movement),
              QStringList{"2009-12-30|B200|GRN|4|received B200|1|7|SGD|1|7|0"});
    EXPECT_TRUE(isTinted(year()));
    ReportPreview* movements = ReportPreview::find("rptStock_Mvmt");
    ASSERT_NE(movements, nullptr);
    EXPECT_EQ(movements->windowTitle(), "Stock_Movement");
}

TEST_F(frmStockReportTest, EachReportPrintsItsTitleAndItsFiguresWhole) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* button : {"cmdStock_Age", "cmdStock_Balance", "cmdStock_Mvmt"})
        press(button);
    ASSERT_TRUE(ui.texts().isEmpty()) << ui.lastText().toStdString();

    struct Expected {
        const ReportLayout& layout;
        QStringList texts;
    };
    const Expected reports[] = {
        {rptStock_Age(),
         {"STOCK AGEING", "0 - 30 DYS", "> 90 DYS", "A100", "20.00", "12.00", "3.00", "2.50", "7.00",
          ReportFormat::shortDate(pinnedToday())}},
        {rptStock_Bal(), {"STOCK BALANCE", "Qty Balance", "B200", "P300"}},
        {rptStock_Mvmt(),
         {"STOCK MOVEMENT", "Transaction Date", "02-01-2010", "01-06-2010", "received A100", "GRN", "ADJ",
          "SGD", "20.00", "7.50", "stock count"}},
    };
    for (const Expected& r : reports) {
        ReportPaginator::Options o;
        o.paper = QPageSize::A4;
        o.today = pinnedToday();
        const ReportDocument doc = ReportPaginator::paginate(
            r.layout, ReportLauncher::layoutRows(window->dataSource(), r.layout), o);
        const QString file = dir.filePath(r.layout.name() + QStringLiteral(".pdf"));
        const QString text = test::pdfText(doc, file);
        for (const QString& t : r.texts)
            EXPECT_TRUE(text.contains(t))
                << r.layout.name().toStdString() << " lacks " << t.toStdString() << "\n"
                << text.toStdString();
        EXPECT_EQ(test::printFaults(test::pdfText(doc, file, QStringLiteral("-bbox"))), QStringList())
            << r.layout.name().toStdString();
    }
}
