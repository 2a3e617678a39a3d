// The limits that keep every sum of the books inside 64 bits: a line beyond
// its limit and a ledger grown to its limit are refused with the limit named,
// and every report and check still runs on a book at the limit.
#include "GlReportBook.h"

#include "db/CompanyDatabase.h"
#include "gl/clsGLEntry.h"
#include "reports/gl/DE_GL_Report.h"
#include "values/Money.h"

using namespace orv;
using namespace orv::reports;

namespace {

class BookLimits : public test::GlReportBook {
protected:
    // Posts a journal and answers the database's reason when it is refused.
    QString refusal(const std::vector<Line>& lines) {
        Recordset rs = journalLines();
        for (const Line& l : lines)
            addLine(rs, l.glId, l.amount, l.descrip, l.date);
        const QString answer = journal.Send_Order(journalHeader(employee), rs);
        return isNumericText(answer) ? QString() : journal.lastFailureReason();
    }
    static std::vector<Line> pair(const QString& amount) {
        return {{1000, amount, QStringLiteral("in"), QDate(2010, 3, 1)},
                {3000, QLatin1Char('-') + amount, QStringLiteral("out"), QDate(2010, 3, 1)}};
    }
    clsGLEntry journal;
    // The ledger's size in money units.
    QString ledgerSize() { return scalar(QStringLiteral("SELECT Amount_NU FROM Ledger_Size_T")); }
};

const QString kLine = QStringLiteral("1000000000000");

} // namespace

TEST_F(BookLimits, ALineBeyondItsLimitIsRefusedWithTheLimitNamed) {
    EXPECT_EQ(money::lineLimitText(), QStringLiteral("1,000,000,000,000.00"));
    // Two journals of this size used to make every sum of the ledger overflow.
    EXPECT_TRUE(refusal(pair(QStringLiteral("500000000000000"))).contains(money::lineLimitText()));
    EXPECT_TRUE(refusal(pair(QStringLiteral("1000000000000.01"))).contains(QLatin1String("per line")));
    EXPECT_EQ(count(QStringLiteral("Ledger_T")), 0);
    EXPECT_EQ(refusal(pair(kLine)), QString()) << "a line at its limit posts";
    EXPECT_EQ(ledgerSize(), QStringLiteral("2000000000000"));
}

TEST_F(BookLimits, TheLedgerStopsAtItsLimitAndEveryReportStillRuns) {
    // Ten journals of ten lines at the line limit fill the ledger exactly.
    std::vector<Line> lines;
    for (int k = 0; k < 5; ++k) {
        const std::vector<Line> p = pair(kLine);
        lines.insert(lines.end(), p.begin(), p.end());
    }
    for (int j = 0; j < 10; ++j)
        ASSERT_EQ(refusal(lines), QString()) << "journal " << j;
    EXPECT_EQ(ledgerSize(), Currency::fromRaw(money::kLedgerLimitRaw).toString());
    const QString reason = refusal(pair(QStringLiteral("0.01")));
    EXPECT_TRUE(reason.contains(money::ledgerLimitText())) << reason.toStdString();
    EXPECT_EQ(count(QStringLiteral("Document_T")), 10);

    const ShapedRows::Ptr tb = run(DE_GL_Report::TB_Bal, {Variant(std::int32_t(2010))});
    ASSERT_EQ(tb->rowCount(), 1);
    EXPECT_EQ(tb->value(0, "Debit"), money("50000000000000"));
    EXPECT_EQ(tb->value(0, "Credit"), money("50000000000000"));
    for (const QString& command :
         {DE_GL_Report::cmBS, DE_GL_Report::cmdBS_NoCode, DE_GL_Report::cmPL, DE_GL_Report::cm12_YTD})
        EXPECT_NO_THROW(run(command, {year(2010)})) << command.toStdString();
    EXPECT_NO_THROW(run(DE_GL_Report::cmGListing_Grouping,
                        {year(2010), Variant(std::int32_t(1000)), Variant(std::int32_t(3999))}));
    expectBooksSound();
}

TEST_F(BookLimits, ADocumentTooLargeToSumIsRefusedForTheBooksLimit) {
    // 940 lines at the line limit: their sizes together are beyond what 64 bits hold.
    std::vector<Line> lines;
    for (int k = 0; k < 470; ++k) {
        const std::vector<Line> p = pair(kLine);
        lines.insert(lines.end(), p.begin(), p.end());
    }
    const QString reason = refusal(lines);
    EXPECT_TRUE(reason.contains(money::ledgerLimitText())) << reason.toStdString();
    EXPECT_EQ(count(QStringLiteral("Ledger_T")), 0);
}

TEST_F(BookLimits, ABookFromBeforeTheLimitsGetsItsLedgerSizeWhenOpened) {
    post({{1000, "10.50", "in", QDate(2010, 3, 1)}, {3000, "-10.50", "out", QDate(2010, 3, 1)}});
    const QString schema = QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY type, name");
    const QStringList fresh = [&] {
        QStringList rows;
        auto rs = db::CompanyDatabase::execute(schema);
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            rows << rs.value(1).toString() + rs.value(2).toString();
        return rows;
    }();
    sql(QStringLiteral(
        "DROP TRIGGER Ledger_T_limit_update; "
        "DROP TRIGGER Ledger_T_size_update; "
        "DROP TRIGGER Ledger_T_size_delete; DROP TABLE Ledger_Size_T; PRAGMA user_version = 3"));
    db::CompanyDatabase::closeConnection();
    QStringList upgraded;
    auto rs = db::CompanyDatabase::execute(schema);
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        upgraded << rs.value(1).toString() + rs.value(2).toString();
    EXPECT_EQ(upgraded, fresh) << "an upgraded book differs from a new one";
    EXPECT_EQ(ledgerSize(), QStringLiteral("21"));
    EXPECT_TRUE(refusal(pair(QStringLiteral("2000000000000"))).contains(money::lineLimitText()));
}
