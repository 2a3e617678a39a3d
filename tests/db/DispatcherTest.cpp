#include "data/Connection.h"
#include "db/CompanyDatabase.h"
#include "db/ProcedureCatalog.h"
#include "support/TestBook.h"
#include "values/DataError.h"

using namespace orv;

namespace {

class DispatcherTest : public test::TestBook {
protected:
    void SetUp() override {
        TestBook::SetUp();
        db::ProcedureCatalog::add(
            QStringLiteral("--! procedure echo_args\n"
                           "--! param Name TEXT\n"
                           "--! param Year INTEGER\n"
                           "--! result \"Co. Name\" TEXT, Year INTEGER\n"
                           "--! result Amount CURRENCY, Rate REAL\n"
                           "SELECT :Name AS \"Co. Name\", :Year AS Year, 12345 AS Amount, "
                           "0.5 AS Rate;\n"));
        conn.open();
        if (scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'Document_T'")) == "0")
            sql(QStringLiteral("CREATE TABLE Document_T (DocID INTEGER PRIMARY KEY AUTOINCREMENT)"));
    }
    Recordset call(const QString& text, const std::vector<Variant>& params = {}) {
        Recordset rs = conn.execute(text, params);
        if (rs.recordCount() > 0)
            rs.moveFirst();
        return rs;
    }
    Connection conn{kDataClassConnection};
};

} // namespace

TEST_F(DispatcherTest, ExecLiteralIsBoundNeverSpliced) {
    Recordset rs = call(QStringLiteral("EXEC echo_args 'O''Neil'"));
    EXPECT_EQ(rs.value(QStringLiteral("Co. Name")).toString(), QStringLiteral("O'Neil"));
    EXPECT_TRUE(rs.value(QStringLiteral("Year")).isNull());

    rs = call(QStringLiteral("EXEC  echo_args  '''; DROP TABLE Document_T; --'"));
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("'; DROP TABLE Document_T; --"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'Document_T'")),
              QStringLiteral("1"));

    rs =
        call(QStringLiteral("EXEC echo_args'Abc  '")); // no blank before the literal; trailing blanks dropped
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("Abc"));

    // A ? takes the value given with the text; a quoted '?' is a text.
    rs = call(QStringLiteral("EXEC  echo_args  ?, 2010"), {Variant(QStringLiteral("'; DROP TABLE x; --"))});
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("'; DROP TABLE x; --"));
    EXPECT_EQ(rs.value(1).toInt32(), 2010);
    EXPECT_EQ(call(QStringLiteral("EXEC echo_args '?'")).value(0).toString(), QStringLiteral("?"));
}

TEST_F(DispatcherTest, EveryCallFormReachesTheProcedure) {
    EXPECT_EQ(call(QStringLiteral("execute echo_args")).recordCount(), 1);
    EXPECT_EQ(call(QStringLiteral("ECHO_ARGS")).recordCount(), 1);
    Recordset rs = call(QStringLiteral("{? = CALL dbo.echo_args( ?, ?) }"),
                        {Variant(QStringLiteral("Zed")), Variant(std::int32_t(2010))});
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("Zed"));
    EXPECT_EQ(rs.value(1).toInt32(), 2010);
    rs = call(QStringLiteral("{{? = CALL dbo.echo_args( ?) }}"), {Variant(QStringLiteral("In braces"))});
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("In braces"));
    // a year that is not a whole number binds NULL: no rows match it
    rs = call(QStringLiteral("{? = CALL dbo.echo_args( ?, ?) }"),
              {Variant(QStringLiteral("x")), Variant(QStringLiteral("20x0"))});
    EXPECT_TRUE(rs.value(1).isNull());
}

TEST_F(DispatcherTest, ResultsAreTypedByTheProcedureHeader) {
    Recordset rs = call(QStringLiteral("EXEC echo_args 'a'"));
    EXPECT_EQ(rs.value(QStringLiteral("amount")).type(), DataType::Currency);
    EXPECT_EQ(rs.value(QStringLiteral("Amount")).toCurrency().toString(), QStringLiteral("1.2345"));
    EXPECT_EQ(rs.value(QStringLiteral("Rate")).toDouble(), 0.5);
}

// A result shares the texts and dates it repeats; each still reads as written,
// whether a column repeats a few texts, many, or none, short or long.
TEST_F(DispatcherTest, ALongResultReadsEveryTextAndDateAsWritten) {
    db::ProcedureCatalog::add(
        QStringLiteral("--! procedure many_texts\n"
                       "--! result Code TEXT, Described TEXT, Own TEXT, Filling TEXT, Day DATE\n"
                       "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 19999)\n"
                       "SELECT CASE WHEN i % 5 = 0 THEN NULL ELSE 'I' || (i % 300) END,\n"
                       "       'a description longer than sixteen bytes ' || (i % 50), 'row ' || i,\n"
                       "       'k' || CASE WHEN i < 9000 THEN i % 100 ELSE i END,\n"
                       "       CASE WHEN i % 1000 = 999 THEN 'not a date'\n"
                       "            ELSE date('2010-01-01', '+' || (i / 7) || ' days') END\n"
                       "FROM n;\n"));
    const Recordset rs = call(QStringLiteral("EXEC many_texts"));
    ASSERT_EQ(rs.recordCount(), 20000);
    for (int i = 0; i < 20000; ++i) {
        const Variant code = rs.valueAt(i, 0);
        if (i % 5 == 0)
            ASSERT_TRUE(code.isNull()) << i;
        else
            ASSERT_EQ(code.toString(), QStringLiteral("I%1").arg(i % 300)) << i;
        ASSERT_EQ(rs.valueAt(i, 1).toString(),
                  QStringLiteral("a description longer than sixteen bytes %1").arg(i % 50))
            << i;
        ASSERT_EQ(rs.valueAt(i, 2).toString(), QStringLiteral("row %1").arg(i)) << i;
        ASSERT_EQ(rs.valueAt(i, 3).toString(), QStringLiteral("k%1").arg(i < 9000 ? i % 100 : i)) << i;
        const Variant day = rs.valueAt(i, 4);
        if (i % 1000 == 999)
            ASSERT_TRUE(day == Variant(QStringLiteral("not a date"))) << i;
        else
            ASSERT_TRUE(day == Variant(QDate(2010, 1, 1).addDays(i / 7))) << i;
    }
}

TEST_F(DispatcherTest, UnknownProceduresAndSurplusArgumentsAreClearErrors) {
    try {
        call(QStringLiteral("EXEC no_such_proc 'x'"));
        FAIL() << "an unknown procedure ran";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("unknown procedure no_such_proc"))) << e.what();
    }
    EXPECT_THROW(call(QStringLiteral("{? = CALL dbo.nothing_here( ?) }"), {Variant(1)}), DataError);
    EXPECT_THROW(call(QStringLiteral("EXEC echo_args 'a', '1', 'extra'")), DataError);
    EXPECT_THROW(call(QStringLiteral("EXEC echo_args 'unclosed")), DataError);
    EXPECT_THROW(call(QStringLiteral("EXEC echo_args ?, ?")), DataError);
    EXPECT_THROW(call(QStringLiteral("EXEC echo_args 'a'"), {Variant(1)}), DataError);
    // plain SQL runs as written
    EXPECT_EQ(call(QStringLiteral("SELECT 6 * 7")).value(0).toInt32(), 42);
}

TEST_F(DispatcherTest, MoneyFunctionsRoundHalfAwayFromZeroToCents) {
    auto q = [&](const char* expr) { return scalar(QStringLiteral("SELECT ") + QString::fromLatin1(expr)); };
    EXPECT_EQ(q("money_round(12350)"), QStringLiteral("12400"));
    EXPECT_EQ(q("money_round(-12350)"), QStringLiteral("-12400"));
    EXPECT_EQ(q("money_round(12349)"), QStringLiteral("12300"));
    EXPECT_EQ(q("money_mul(1000000, 1.3333)"), QStringLiteral("1333300")); // 100.00 x 1.3333 = 133.33
    EXPECT_EQ(q("money_pct(1000500, 7)"), QStringLiteral("70000"));        // 7% of 100.05 = 7.0035 -> 7.00
    EXPECT_EQ(q("money_pct(-1000700, 7.5)"), QStringLiteral("-75100"));    // -7.50525 -> -7.51
    EXPECT_EQ(q("money_prop(1000000, 1, 3)"), QStringLiteral("333300"));
    EXPECT_EQ(q("money_unit(1000000, 3)"), QStringLiteral("333333"));
    EXPECT_EQ(q("money_round(NULL) IS NULL"), QStringLiteral("1"));
    EXPECT_THROW(q("money_prop(1, 1, 0)"), DataError);
    EXPECT_EQ(q("db_today()"), QStringLiteral("2010-06-15"));
    try {
        q("db_fail('Account code already Exist')");
        FAIL();
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Account code already Exist"));
    }
}
