// The account balances the postings keep: the balance-sheet and profit-and-
// loss procedures read them and must give exactly what the same queries give
// over the postings themselves; every way a leg moves keeps them in step; a
// book written before the balances existed gets them on opening; and a
// balance changed by hand is reported by the invariant check.
#include "GlReportBook.h"
#include "support/StockBook.h"

#include "db/CompanyDatabase.h"

#include <QFile>
#include <QRegularExpression>

using namespace orv;

namespace {

const char* const kBalanceReports[] = {"select_chart_of_acct",       "select_balance_sheet_YTD",
                                       "select_BS_without_acctcode", "select_profit_loss",
                                       "select_12mth_PL_YTD",        "select_retained_earnings"};

// A procedure's statement with its year written in: as the program runs it,
// or, with overPostings, as it was written before the balances were kept,
// summing Ledger_T itself (a frozen copy in oracle/).
QString reportQuery(const char* name, int year, bool overPostings) {
    QFile f((overPostings ? QStringLiteral(":/oracle/%1.sql") : QStringLiteral(":/db/procedures/%1.sql"))
                .arg(QLatin1String(name)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    QString text = QString::fromUtf8(f.readAll());
    text.remove(QRegularExpression(QStringLiteral("^--[^\n]*\n"), QRegularExpression::MultilineOption));
    text.replace(QStringLiteral(":year"), QString::number(year));
    text.replace(QStringLiteral(":Year"), QStringLiteral("'%1'").arg(year));
    if (overPostings) {
        EXPECT_FALSE(text.contains(QStringLiteral("Ledger_Balance_T"))) << name;
    }
    return text;
}

QStringList rowsOf(const QString& query) {
    Recordset rs = db::CompanyDatabase::execute(query);
    QStringList out;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList cells;
        for (int c = 0; c < rs.fieldCount(); ++c)
            cells << rs.value(c).toString();
        out << cells.join(QStringLiteral(" | "));
    }
    return out;
}

class LedgerBalance : public test::GlReportBook {
protected:
    // Broken invariant rows about the kept balances.
    QStringList balanceFaults() {
        Recordset rs = db::CompanyDatabase::execute(QStringLiteral("check_invariants"));
        QStringList out;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            if (rs.value(0).toString().startsWith(QStringLiteral("15 ")))
                out << rs.value(1).toString();
        return out;
    }

    // Several years, a closing, a reclassification and its reversal, an
    // account set inactive after it was emptied.
    void postRichBook() {
        postTradingBook();
        post({{6100, "-300", "rent reclassified", QDate(2011, 4, 30)},
              {6000, "300", "rent reclassified", QDate(2011, 4, 30)}});
        post({{6100, "300", "reclassification reversed", QDate(2011, 5, 2)},
              {6000, "-300", "reclassification reversed", QDate(2011, 5, 2)}});
        post({{6300, "40", "small tools", QDate(2011, 6, 1)},
              {1000, "-40", "small tools", QDate(2011, 6, 1)}});
        post({{6300, "-40", "small tools returned", QDate(2011, 6, 3)},
              {1000, "40", "small tools returned", QDate(2011, 6, 3)}});
        setAccountActive(6300, false);
        closeYear(2011);
        post({{1000, "725.10", "cash sales", QDate(2012, 12, 31)},
              {4000, "-725.10", "cash sales", QDate(2012, 12, 31)}});
    }
};

} // namespace

TEST_F(LedgerBalance, ReportsGiveTheRowsAndFiguresOfTheFormerQueriesOverThePostings) {
    postRichBook();
    ASSERT_NE(scalar(QStringLiteral("SELECT count(*) FROM Ledger_Balance_T")), QStringLiteral("0"));
    for (const char* name : kBalanceReports)
        for (int year = 2009; year <= 2013; ++year) {
            const QStringList kept = rowsOf(reportQuery(name, year, false));
            EXPECT_EQ(kept, rowsOf(reportQuery(name, year, true))) << name << " " << year;
            if (year == 2011 && QLatin1String(name) != QLatin1String("select_retained_earnings")) {
                EXPECT_FALSE(kept.isEmpty()) << name;
            }
        }
    expectBooksSound();
}

TEST_F(LedgerBalance, BalancesFollowEveryLegWrittenMovedOrRemoved) {
    postRichBook();
    skipBookChecks(); // the legs are changed by hand
    // Legs moved to another account, month, year and closing flag, re-valued and removed.
    sql(QStringLiteral(
        "UPDATE Ledger_T SET date_dt = '2012-02-01' WHERE Descrip_VC = 'rent' AND Amount_NU > 0"));
    sql(QStringLiteral("UPDATE Ledger_T SET GL_ID = 6000 WHERE Descrip_VC = 'rent' AND Amount_NU > 0"));
    sql(QStringLiteral("UPDATE Ledger_T SET Closing_bt = 1 - Closing_bt WHERE Descrip_VC = 'cash sales'"));
    sql(QStringLiteral("UPDATE Ledger_T SET Amount_NU = Amount_NU * 2 WHERE Descrip_VC = 'depreciation'"));
    sql(QStringLiteral("DELETE FROM Ledger_T WHERE Descrip_VC LIKE 'small tools%'"));
    EXPECT_EQ(balanceFaults(), QStringList());
}

TEST_F(LedgerBalance, ABalanceChangedOrRemovedByHandIsReported) {
    postRichBook();
    skipBookChecks();
    sql(QStringLiteral("UPDATE Ledger_Balance_T SET Amount_NU = Amount_NU + 100 "
                       "WHERE GL_ID = 4000 AND Year_SI = 2012 AND Period_TI = 12 AND Closing_bt = 0"));
    sql(QStringLiteral("DELETE FROM Ledger_Balance_T WHERE GL_ID = 1500"));
    EXPECT_EQ(balanceFaults(),
              (QStringList{"account 4000 2012/12 holds -7250900 but its postings sum to -7251000",
                           "account 1500 2010/7 has postings summing to 30000000 but no balance"}));
}

TEST_F(LedgerBalance, ABookWrittenBeforeTheBalancesGetsThemWhenOpened) {
    postRichBook();
    const QStringList before = rowsOf(QStringLiteral("SELECT * FROM Ledger_Balance_T WHERE Amount_NU <> 0"));
    const QString schema = QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY type, name");
    const QStringList freshSchema = rowsOf(schema);
    // The book as an older program left it: no balances, the former account index.
    sql(QStringLiteral(
        "DROP TRIGGER Ledger_T_balance_update; "
        "DROP TRIGGER Ledger_T_balance_delete; DROP TABLE Ledger_Balance_T; "
        "DROP INDEX Ledger_Acct; CREATE INDEX Ledger_Acct ON Ledger_T (GL_ID, Year_SI, Amount_NU); "
        "DROP TRIGGER Ledger_T_limit_update; "
        "DROP TRIGGER Ledger_T_size_update; "
        "DROP TRIGGER Ledger_T_size_delete; DROP TABLE Ledger_Size_T; "
        "PRAGMA user_version = 1"));
    db::CompanyDatabase::closeConnection();
    int ticks = 0;
    db::CompanyDatabase::setUpgradeProgress([&ticks] { ++ticks; });
    db::CompanyDatabase::handle();
    db::CompanyDatabase::setUpgradeProgress({});

    EXPECT_GT(ticks, 0) << "the upgrade never reported progress";
    EXPECT_EQ(rowsOf(schema), freshSchema) << "an upgraded book differs from a new one";
    EXPECT_EQ(rowsOf(QStringLiteral("SELECT * FROM Ledger_Balance_T WHERE Amount_NU <> 0")), before);
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA user_version")),
              QString::number(db::CompanyDatabase::kSchemaVersion));
    EXPECT_EQ(balanceFaults(), QStringList());
    // Postings after the upgrade keep the balances.
    post({{1000, "10", "cash sales", QDate(2012, 12, 31)}, {4000, "-10", "cash sales", QDate(2012, 12, 31)}});
    EXPECT_EQ(balanceFaults(), QStringList());
    expectBooksSound();
}

namespace {

class LedgerBalanceWithStock : public test::StockBook {};

} // namespace

TEST_F(LedgerBalanceWithStock, GoodsReceivedAndCountsGiveTheFiguresOfTheFormerQueries) {
    // Notes on a FIFO and an average-cost set, a count down, a count up and
    // one left as it was.
    ASSERT_EQ(receive({{"A100", 10, "10.5"}, {"B200", 2, "3"}}), QStringLiteral("1"));
    ASSERT_EQ(receive({{"A100", 5, "20"}, {"P300", 3, "1.005"}}), QStringLiteral("2"));
    ASSERT_EQ(adjust({{"2/1", "A100", "1", "20"}, {"1/2", "B200", "4", "3"}, {"1/1", "A100", "10", "10.5"}}),
              QStringLiteral("3"));
    ASSERT_EQ(adjust({{"2/2", "P300", "1", "0"}}, kAvegStock), QStringLiteral("4"));
    ASSERT_NE(scalar(QStringLiteral("SELECT count(*) FROM Ledger_T")), QStringLiteral("0"));
    for (const char* name : kBalanceReports)
        for (int year = 2009; year <= 2011; ++year)
            EXPECT_EQ(rowsOf(reportQuery(name, year, false)), rowsOf(reportQuery(name, year, true)))
                << name << " " << year;
}
