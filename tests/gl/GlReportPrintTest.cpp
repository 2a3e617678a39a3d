// The general-ledger layouts printed from a posted book: the trial balance's
// totals once after the last account however many pages it runs to, and each
// report exported to PDF with its title and its amounts as the clerk reads them.
#include "GlReportBook.h"
#include "support/gui/ReportPrint.h"

#include "reports/ReportFormat.h"
#include "reports/ReportLauncher.h"
#include "reports/ReportPaginator.h"
#include "reports/ReportPainter.h"
#include "reports/gl/DE_GL_Report.h"
#include "reports/gl/GlReportLayouts.h"

#include <QStandardPaths>
#include <QTemporaryDir>

using namespace orv;
using namespace orv::reports;

namespace {

const QDate kToday(2011, 2, 3);

class GlReportPrint : public test::GlReportBook {
protected:
    ReportDocument print(const ReportLayout& layout) {
        ReportPaginator::Options o;
        o.paper = QPageSize::A4;
        o.today = kToday;
        return ReportPaginator::paginate(layout, ReportLauncher::layoutRows(glReports, layout), o);
    }
    // The text of the report exported to PDF, as pdftotext reads it.
    QString pdfText(const ReportLayout& layout, const QString& mode = QStringLiteral("-layout")) {
        return test::pdfText(print(layout), dir.filePath(layout.name() + QStringLiteral(".pdf")), mode);
    }

    QTemporaryDir dir;
};

std::vector<const DisplayItem*> itemsIn(const ReportPage& page, SectionKind section) {
    std::vector<const DisplayItem*> out;
    for (const DisplayItem& item : page.items)
        if (item.section == section && item.kind == DisplayItem::Kind::Text)
            out.push_back(&item);
    return out;
}

} // namespace

TEST_F(GlReportPrint, TrialBalanceOverThreePagesPrintsItsTotalsOnceAfterTheLastAccount) {
    std::vector<Line> lines;
    for (int i = 0; i < 120; ++i) {
        addAccount(7000 + i, QStringLiteral("Account %1").arg(7000 + i), QStringLiteral("BS"),
                   QStringLiteral("ASSETS"), QStringLiteral("CURRENT ASSETS"));
        lines.push_back({7000 + i, QStringLiteral("%1.01").arg(100 + i), "opening", QDate(2010, 1, 1)});
    }
    lines.push_back({3000, "-19141.20", "opening", QDate(2010, 1, 1)}); // 120 × 100.01 + 0 + 1 + … + 119
    post(lines);
    run(DE_GL_Report::TB_Bal, {Variant(std::int32_t(2010))});

    const ReportDocument doc = print(rptCOA());
    ASSERT_EQ(doc.pages.size(), 3u);
    int accounts = 0;
    for (size_t p = 0; p < doc.pages.size(); ++p) {
        const ReportPage& page = doc.pages[p];
        accounts += int(itemsIn(page, SectionKind::Detail).size()) / 2; // code and name; a zero prints too
        EXPECT_EQ(itemsIn(page, SectionKind::ReportHeader).size(), p == 0 ? 1u : 0u);
        EXPECT_FALSE(itemsIn(page, SectionKind::PageHeader).empty());
        if (p + 1 < doc.pages.size()) {
            EXPECT_TRUE(itemsIn(page, SectionKind::GroupFooter).empty()) << "totals on page " << p + 1;
        }
    }
    EXPECT_EQ(accounts, 121 * 2); // four text boxes per account
    const ReportPage& last = doc.pages.back();
    const auto totals = itemsIn(last, SectionKind::GroupFooter);
    ASSERT_EQ(totals.size(), 2u);
    EXPECT_EQ(totals[0]->text, "19,141.20");
    EXPECT_EQ(totals[1]->text, "19,141.20");
    for (const DisplayItem* detail : itemsIn(last, SectionKind::Detail))
        EXPECT_LT(detail->rect.top(), totals[0]->rect.top());
    expectBooksSound();
}

TEST_F(GlReportPrint, EveryReportExportsItsTitleAndFormattedAmounts) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ASSERT_TRUE(dir.isValid());
    postTradingBook();
    auto& source = glReports;
    source.run(DE_GL_Report::TB_Bal, {Variant(std::int32_t(2010))});
    source.run(DE_GL_Report::cmBS, {year(2011)});
    source.run(DE_GL_Report::cmdBS_NoCode, {year(2011)});
    source.run(DE_GL_Report::cmPL, {year(2010)});
    source.run(DE_GL_Report::cm12_YTD, {year(2010)});
    source.run(DE_GL_Report::cmGListing_Grouping,
               {year(2010), Variant(std::int32_t(1000)), Variant(std::int32_t(1999))});

    struct Expected {
        const ReportLayout& layout;
        QStringList texts;
    };
    const Expected reports[] = {
        {rptCOA(), {"TRIAL BALANCE", "Acct Code:", "Cash at Bank", "11,999.50", "1,749.25", "14,999.50"}},
        {rptBS(),
         {"BALANCE SHEET", "Retained Earnings", "12,899.50", "(1,749.25)", "(Profit)/Loss to date",
          "(900.00)"}},
        {rptBS_No_Acctcode(), {"BALANCE SHEET", "FIXED ASSETS", "2,749.75", "(10,000.00)"}},
        {rptPL(),
         {"PROFIT / (LOSS) FOR THE YEAR", "4000", "(800.50)", "NET PROFIT / (LOSS)", "1,749.25",
          ReportFormat::shortDate(kToday)}},
        {rpt12_YTD(),
         {"PERIODIC PROFIT / (LOSS) FOR THE YEAR", "Period 12", "YTD", "(2,000.50)", "(250.25)"}},
        {rptGLListing(),
         {"TRANSACTION LISTING", "Account Code :", "1510", "rent and salaries", "2,000.50",
          "Balance :", "14,000.00"}},
    };
    for (const Expected& r : reports) {
        const QString text = pdfText(r.layout);
        for (const QString& t : r.texts)
            EXPECT_TRUE(text.contains(t))
                << r.layout.name().toStdString() << " lacks " << t.toStdString() << "\n"
                << text.toStdString();
        // Every word on its own, every amount whole.
        EXPECT_EQ(test::printFaults(pdfText(r.layout, QStringLiteral("-bbox"))), QStringList())
            << r.layout.name().toStdString();
    }
}
