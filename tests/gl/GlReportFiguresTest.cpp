// The figures of the general-ledger reports over a book posted through the
// journal and year-end classes, run through DE_GL_Report as the window runs
// them: balanced trial balances, balance sheets and profit and loss worked
// out by hand, the listing's groups and a closed year's result.
#include "GlReportBook.h"

#include "reports/gl/DE_GL_Report.h"

using namespace orv;
using namespace orv::reports;

namespace {

// Each row's columns as text, joined by " | " (amounts without trailing zeros).
QStringList table(const ShapedRows::Ptr& rows, const QStringList& columns) {
    QStringList out;
    for (int r = 0; r < rows->rowCount(); ++r) {
        QStringList cells;
        for (const QString& c : columns)
            cells << rows->value(r, c).toString();
        out << cells.join(QStringLiteral(" | "));
    }
    return out;
}

const QStringList kTbColumns{"Acct Code", "Acct Name", "Debit Bal", "Credit Bal"};

class GlReportFigures : public test::GlReportBook {
protected:
    void SetUp() override {
        GlReportBook::SetUp();
        postTradingBook();
    }
    // The trial balance's one group row.
    ShapedRows::Ptr trialBalance(int y) {
        const ShapedRows::Ptr tb = run(DE_GL_Report::TB_Bal, {Variant(std::int32_t(y))});
        EXPECT_EQ(tb->rowCount(), 1);
        return tb;
    }
};

} // namespace

TEST_F(GlReportFigures, TrialBalanceCarriesEachBalanceInOneColumnAndItsTotalsAgree) {
    ShapedRows::Ptr tb = trialBalance(2010);
    // The closed year: profit and loss accounts are empty, the profit sits in retained earnings.
    EXPECT_EQ(table(tb->children(0), kTbColumns),
              (QStringList{"1000 | Cash at Bank | 11999.5 | 0", "1500 | Office Equipment | 3000 | 0",
                           "1510 | Acc Depreciation | 0 | 250.25", "2500 | Bank Loan | 0 | 3000",
                           "3000 | Share Capital | 0 | 10000", "3100 | Retained Earnings | 0 | 1749.25"}));
    EXPECT_EQ(tb->value(0, "Debit"), money("14999.50"));
    EXPECT_EQ(tb->value(0, "Credit"), money("14999.50"));
    EXPECT_EQ(tb->value(0, "Debit").type(), DataType::Currency);

    // The open year carries the balances forward and adds its own movements.
    tb = trialBalance(2011);
    EXPECT_EQ(table(tb->children(0), kTbColumns),
              (QStringList{"1000 | Cash at Bank | 12899.5 | 0", "1500 | Office Equipment | 3000 | 0",
                           "1510 | Acc Depreciation | 0 | 250.25", "2500 | Bank Loan | 0 | 3000",
                           "3000 | Share Capital | 0 | 10000", "3100 | Retained Earnings | 0 | 1749.25",
                           "4000 | Sales | 0 | 1500", "6100 | Rent | 600 | 0"}));
    EXPECT_EQ(tb->value(0, "Debit"), money("16499.50"));
    EXPECT_EQ(tb->value(0, "Credit"), tb->value(0, "Debit"));

    // A year before the first posting: one group of nothing, whose totals print blank.
    tb = trialBalance(2009);
    EXPECT_EQ(tb->children(0)->rowCount(), 0);
    EXPECT_TRUE(tb->value(0, "Debit").isBlank());
    expectBooksSound();
}

TEST_F(GlReportFigures, BalanceSheetsCumulateToTheYearEndAndNetToZero) {
    const QStringList columns{"Acct Code", "Acct Name", "$"};
    EXPECT_EQ(table(run(DE_GL_Report::cmBS, {year(2010)}), columns),
              (QStringList{"1000 | Cash at Bank | 11999.5", "1500 | Office Equipment | 3000",
                           "1510 | Acc Depreciation | -250.25", "2500 | Bank Loan | -3000",
                           "3000 | Share Capital | -10000", "3100 | Retained Earnings | -1749.25"}));
    // 2011 is not closed: its profit so far stands on one line without a code.
    const ShapedRows::Ptr bs = run(DE_GL_Report::cmBS, {year(2011)});
    EXPECT_EQ(table(bs, columns),
              (QStringList{"1000 | Cash at Bank | 12899.5", "1500 | Office Equipment | 3000",
                           "1510 | Acc Depreciation | -250.25", "2500 | Bank Loan | -3000",
                           "3000 | Share Capital | -10000", "3100 | Retained Earnings | -1749.25",
                           " | (Profit)/Loss to date | -900"}));
    Currency net;
    for (int r = 0; r < bs->rowCount(); ++r)
        net += bs->value(r, "$").toCurrency();
    EXPECT_EQ(net, Currency());

    EXPECT_EQ(
        table(run(DE_GL_Report::cmdBS_NoCode, {year(2011)}), {"Acct Name", "$"}),
        (QStringList{"CURRENT ASSETS | 12899.5", "FIXED ASSETS | 2749.75", "LONG TERM LIABILITY | -3000",
                     "CAPITAL | -10000", "RESERVES | -1749.25", "(Profit)/Loss to date | -900"}));
}

TEST_F(GlReportFigures, ProfitAndLossOfAClosedYearStillShowsItsResult) {
    const QStringList columns{"Acct Code", "Acct Name", "$"};
    EXPECT_EQ(table(run(DE_GL_Report::cmPL, {year(2010)}), columns),
              (QStringList{"4000 | Sales | 4000", "6000 | Salaries | -800.5", "6100 | Rent | -1200",
                           "6300 | Depreciation | -250.25", " | NET PROFIT / (LOSS) | 1749.25"}));
    EXPECT_EQ(table(run(DE_GL_Report::cmPL, {year(2011)}), columns),
              (QStringList{"4000 | Sales | 1500", "6100 | Rent | -600", " | NET PROFIT / (LOSS) | 900"}));
    // A year without postings still has its result line.
    EXPECT_EQ(table(run(DE_GL_Report::cmPL, {year(2012)}), columns),
              QStringList{" | NET PROFIT / (LOSS) | 0"});
}

TEST_F(GlReportFigures, TwelveMonthsSplitTheYearAndAgreeWithTheProfitAndLoss) {
    const ShapedRows::Ptr m = run(DE_GL_Report::cm12_YTD, {year(2010)});
    EXPECT_EQ(table(m, {"Acct Code", "Period 02", "Period 03", "Period 12", "Year to Date"}),
              (QStringList{"4000 | 4000 | 0 | 0 | 4000", "6000 | 0 | -800.5 | 0 | -800.5",
                           "6100 | 0 | -1200 | 0 | -1200", "6300 | 0 | 0 | -250.25 | -250.25",
                           " | 4000 | -2000.5 | -250.25 | 1749.25"}));
    // December holds the closing too; the monthly report leaves it out, like the profit and loss.
    for (int r = 0; r < m->rowCount(); ++r) {
        Currency months;
        for (int p = 1; p <= 12; ++p)
            months += m->value(r, QStringLiteral("Period %1").arg(p, 2, 10, QLatin1Char('0'))).toCurrency();
        EXPECT_EQ(months, m->value(r, "Year to Date").toCurrency()) << r;
    }
}

TEST_F(GlReportFigures, ListingGroupsTheYearsPostingsByAccountWithTheirSums) {
    const ShapedRows::Ptr groups =
        run(DE_GL_Report::cmGListing_Grouping,
            {year(2010), Variant(std::int32_t(1000)), Variant(std::int32_t(1999))});
    // Petty cash (1010) has no posting and so no group.
    EXPECT_EQ(table(groups, {"GL_ID", "SumDr", "SumCr"}),
              (QStringList{"1000 | 14000 | 2000.5", "1500 | 3000 | 0", "1510 | 0 | 250.25"}));
    EXPECT_EQ(table(groups->children(0), {"Date", "GL_Name_VC", "Descrip_VC", "Period Dr", "Period Cr"}),
              (QStringList{"2010-01-05 | Cash at Bank | capital paid in | 10000 | 0",
                           "2010-02-10 | Cash at Bank | cash sales | 4000 | 0",
                           "2010-03-15 | Cash at Bank | rent and salaries | 0 | 2000.5"}));
    EXPECT_EQ(groups->children(0)->value(0, "Date").type(), DataType::Date);

    // The closing shows on the listing of the year it closes.
    const ShapedRows::Ptr re = run(DE_GL_Report::cmGListing_Grouping,
                                   {year(2010), Variant(std::int32_t(3100)), Variant(std::int32_t(3100))});
    EXPECT_EQ(table(re, {"GL_ID", "SumDr", "SumCr"}), QStringList{"3100 | 0 | 1749.25"});

    // A range given backwards lists nothing.
    EXPECT_EQ(run(DE_GL_Report::cmGListing_Grouping,
                  {year(2010), Variant(std::int32_t(1999)), Variant(std::int32_t(1000))})
                  ->rowCount(),
              0);
}

TEST_F(GlReportFigures, ListingReachesAccountCodesAbove32767) {
    addAccount(40000, QStringLiteral("Deposits Held"), QStringLiteral("BS"), QStringLiteral("ASSETS"),
               QStringLiteral("CURRENT ASSETS"));
    post({{40000, "75.10", "deposit", QDate(2011, 5, 2)}, {1000, "-75.10", "deposit", QDate(2011, 5, 2)}});
    const ShapedRows::Ptr groups =
        run(DE_GL_Report::cmGListing_Grouping,
            {year(2011), Variant(std::int32_t(32767)), Variant(std::int32_t(99999))});
    EXPECT_EQ(table(groups, {"GL_ID", "SumDr", "SumCr"}), QStringList{"40000 | 75.1 | 0"});
    EXPECT_EQ(glReports.command(DE_GL_Report::cmGListing_Grouping).inputs()[2].type, ParameterType::Integer);
    const ShapedRows::Ptr tb = run(DE_GL_Report::TB_Bal, {Variant(std::int32_t(2011))});
    EXPECT_EQ(tb->value(0, "Debit"), tb->value(0, "Credit"));
    expectBooksSound();
}
