// The trial balance and a one-account transaction listing, run as the GL
// Reports window runs them (procedure, data layer, grouping), on a generated
// book of 100,000 ten-line journals (1,000,000 postings) over five years and
// 127 accounts. The book is written once, with plain inserts straight into
// Document_T, Journal_T and Ledger_T in one transaction (the posting rules
// are switched off while it is written; each journal balances and stays in
// one year, as posted ones do; the account balances are then summed from the
// postings as an upgrade does). Run:
//   build/bin/bench_gl_reports --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "db/CompanyDatabase.h"
#include "reports/gl/DE_GL_Report.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <sqlite3.h>

using orv::Variant;
using orv::db::CompanyDatabase;
using orv::reports::DE_GL_Report;

namespace {

constexpr int kJournals = 100000;
constexpr int kLastYear = 2012;
constexpr int kListedAccount = 6100;

// 100 more expense and asset accounts beside the starter chart's 27.
const char* const kAccounts = R"(
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 99)
INSERT INTO COA_T (GL_ID, GL_Name_VC, Acct_Type, BS_Category_VC, Sub_Category_VC)
SELECT 7000 + i, 'Bench account ' || i, CASE WHEN i % 2 = 0 THEN 'PL' ELSE 'BS' END,
       CASE WHEN i % 2 = 0 THEN 'EXPENSES' ELSE 'ASSETS' END,
       CASE WHEN i % 2 = 0 THEN 'OPERATING EXPENSES' ELSE 'CURRENT ASSETS' END FROM n;
CREATE TEMP TABLE bench_acct AS
SELECT row_number() OVER (ORDER BY GL_ID) - 1 AS k, GL_ID FROM COA_T
WHERE GL_ID NOT IN (SELECT GL_ID FROM v_Account_Role);
)";

// Journal i is dated evenly over 2008-2012; its lines 2m and 2m+1 carry one
// amount as debit and credit on two accounts.
const char* const kJournalsSql = R"(
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1 - 1)
INSERT INTO Document_T (DocID, EmployeeID, date_dt, Doc_Kind)
SELECT i + 1, 1, date('2008-01-01', '+' || (i * 1826 / %1) || ' days'), 'JNL' FROM n;
WITH RECURSIVE k(j) AS (SELECT 0 UNION ALL SELECT j + 1 FROM k WHERE j < 9),
     accts(c) AS (SELECT count(*) FROM bench_acct)
INSERT INTO Journal_T (Doc_No_VC, GL_ID, Amount_NU, Descrip_VC, date_dt, Period_TI, Year_SI)
SELECT CAST(d.DocID AS TEXT), a.GL_ID,
       (CASE WHEN k.j % 2 = 0 THEN 1 ELSE -1 END) * (100 + (d.DocID * 31 + (k.j / 2) * 17) % 90000) * 100,
       'Bench journal ' || d.DocID || ' line ' || k.j, d.date_dt,
       CAST(strftime('%m', d.date_dt) AS INTEGER), CAST(strftime('%Y', d.date_dt) AS INTEGER)
FROM Document_T d CROSS JOIN k CROSS JOIN accts
JOIN bench_acct a ON a.k = (d.DocID * 7 + k.j * 13) % accts.c
ORDER BY d.DocID, k.j;
INSERT INTO Ledger_T (Post_Seq, Post_No, Doc_Kind, Src_Table, Src_Row, Leg, GL_ID, Amount_NU, date_dt, Descrip_VC)
SELECT 'DOC', CAST(Doc_No_VC AS INTEGER), 'JNL', 'Journal_T', Row_ID,
       CASE WHEN GL_ID = 3100 THEN 'RE' ELSE 'ACCT' END, GL_ID, Amount_NU, date_dt, Descrip_VC
FROM Journal_T ORDER BY Row_ID;
INSERT INTO Ledger_Balance_T (GL_ID, Year_SI, Period_TI, Closing_bt, Amount_NU)
SELECT GL_ID, Year_SI, Period_TI, Closing_bt, SUM(Amount_NU) FROM Ledger_T
GROUP BY GL_ID, Year_SI, Period_TI, Closing_bt;
)";

class GeneratedBook {
public:
    GeneratedBook() {
        CompanyDatabase::setPath(m_dir.filePath(QStringLiteral("bench.sqlite")));
        CompanyDatabase::exec(
            QStringLiteral("INSERT INTO Employees (LastName, FirstName) VALUES ('Tan', 'Mary')"));
        QElapsedTimer timer;
        timer.start();
        sqlite3* db = CompanyDatabase::handle();
        sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
        CompanyDatabase::exec(QStringLiteral("BEGIN IMMEDIATE"));
        CompanyDatabase::exec(QString::fromLatin1(kAccounts));
        CompanyDatabase::exec(QString::fromLatin1(kJournalsSql).arg(kJournals));
        CompanyDatabase::exec(QStringLiteral("COMMIT"));
        sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 1, nullptr);
        // tools/bench.sh compares the same book with ledger-cli.
        const QString keep = qEnvironmentVariable("ORV_BENCH_BOOK");
        if (!keep.isEmpty()) {
            QFile::remove(keep);
            CompanyDatabase::execute(QStringLiteral("VACUUM INTO ?"), {Variant(keep)});
        }
        std::fprintf(stderr, "generated %s postings in %lld ms\n",
                     qPrintable(scalar(QStringLiteral("SELECT count(*) FROM Ledger_T"))), timer.elapsed());
    }
    ~GeneratedBook() { CompanyDatabase::closeConnection(); }

    static QString scalar(const QString& sql) {
        orv::Recordset rs = CompanyDatabase::execute(sql);
        rs.moveFirst();
        return rs.value(0).toString();
    }

private:
    QTemporaryDir m_dir;
};

// Made on first use and dropped before the program ends, while the data
// layer's statement cache it closes is still there.
std::unique_ptr<GeneratedBook> g_book;

GeneratedBook& book() {
    if (!g_book)
        g_book = std::make_unique<GeneratedBook>();
    return *g_book;
}

void BM_TrialBalance(benchmark::State& state) {
    book();
    DE_GL_Report& source = DE_GL_Report::shared();
    for (auto _ : state) {
        source.resultSet(DE_GL_Report::TB_Bal).close();
        source.run(DE_GL_Report::TB_Bal, {Variant(std::int32_t(kLastYear))});
        const auto& rows = source.resultSet(DE_GL_Report::TB_Bal).rows();
        if (rows->value(0, QStringLiteral("Debit")) != rows->value(0, QStringLiteral("Credit")) ||
            rows->children(0)->rowCount() == 0)
            state.SkipWithError("the trial balance is empty or does not balance");
        state.counters["accounts"] = rows->children(0)->rowCount();
    }
}
BENCHMARK(BM_TrialBalance)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OneAccountListing(benchmark::State& state) {
    book();
    DE_GL_Report& source = DE_GL_Report::shared();
    const std::vector<Variant> inputs{Variant::smallInt(std::int16_t(kLastYear)),
                                      Variant(std::int32_t(kListedAccount)),
                                      Variant(std::int32_t(kListedAccount))};
    for (auto _ : state) {
        source.resultSet(DE_GL_Report::cmGListing_Grouping).close();
        source.run(DE_GL_Report::cmGListing_Grouping, inputs);
        const auto& groups = source.resultSet(DE_GL_Report::cmGListing_Grouping).rows();
        if (groups->rowCount() != 1)
            state.SkipWithError("the listing has no group for the account");
        else
            state.counters["postings"] = groups->children(0)->rowCount();
    }
}
BENCHMARK(BM_OneAccountListing)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_book.reset();
    return 0;
}
