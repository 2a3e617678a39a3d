#include "ReportTestSupport.h"

#include "reports/ReportDataSource.h"
#include "reports/ShapeGrouper.h"
#include "reports/ShapeParser.h"

#include "data/Connection.h"
#include "values/DataError.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::reports;

namespace {

const QString kTrialBalance =
    " SHAPE {{? = CALL dbo.select_chart_of_acct( ?) }}  AS cmGL COMPUTE SUM(cmGL.'Debit Bal') AS Debit, "
    "SUM(cmGL.'Credit Bal') AS Credit, cmGL ";
const QString kAgeing =
    " SHAPE ( SHAPE {{? = CALL dbo.select_AR_Ageing2 }}  AS cmAgeing2 COMPUTE cmAgeing2 BY "
    "'<30dys','30dys-60dys','60dys-90dys','90dys-120dys','>120dys') AS cmAgeing2_Grouping COMPUTE "
    "SUM(cmAgeing2_Grouping.'<30dys') AS Less30DYS, SUM(cmAgeing2_Grouping.'30dys-60dys') AS More30DYS, "
    "SUM(cmAgeing2_Grouping.'60dys-90dys') AS More60DYS, SUM(cmAgeing2_Grouping.'90dys-120dys') AS "
    "More90DYS, "
    "SUM(cmAgeing2_Grouping.'>120dys') AS More120DYS, cmAgeing2_Grouping ";
const QString kStatement = " SHAPE {{? = CALL dbo.select_stmt_of_acct2( ?) }}  AS cmSOA COMPUTE cmSOA BY "
                           "'companyname','address','city','country','phone','fax','customerid','credit_term'"
                           ",'<30dys','30dys-60dys',"
                           "'60dys-90dys','90dys-120dys','>120dys','cur_type'";

Currency money(const char* text) {
    return Currency::parse(QString::fromLatin1(text));
}

ShapedRows::Ptr rowsOf(std::vector<FieldInfo> fields, std::vector<std::vector<Variant>> rows) {
    return ShapedRows::fromRecordset(Recordset::detached(std::move(fields), std::move(rows)));
}

std::vector<FieldInfo> ageingFields() {
    return {{"customerid", DataType::Integer, 0},   {"companyname", DataType::Text, 40},
            {"<30dys", DataType::Currency, 0},      {"30dys-60dys", DataType::Currency, 0},
            {"60dys-90dys", DataType::Currency, 0}, {"90dys-120dys", DataType::Currency, 0},
            {">120dys", DataType::Currency, 0}};
}

std::vector<Variant> ageingRow(std::int32_t id, const char* name, const char* a, const char* b) {
    return {Variant(id),         Variant(name),       Variant(money(a)),  Variant(money(b)),
            Variant(Currency()), Variant(Currency()), Variant(Currency())};
}

} // namespace

TEST(ShapeParser, ReadsTheStatementsOfTheReportCommands) {
    const ShapeStatement tb = ShapeParser::parse(kTrialBalance);
    EXPECT_EQ(tb.callText, "{? = CALL dbo.select_chart_of_acct( ?) }");
    EXPECT_EQ(tb.childName, "cmGL");
    ASSERT_EQ(tb.items.size(), 3u);
    EXPECT_EQ(tb.items[0].column, "Debit Bal");
    EXPECT_EQ(tb.items[0].alias, "Debit");
    EXPECT_EQ(tb.items[2].kind, ComputeItem::Kind::Child);
    EXPECT_TRUE(tb.keys.isEmpty());

    const ShapeStatement gl = ShapeParser::parse(test::sampleListingShape());
    EXPECT_EQ(gl.keys, QStringList{"GL_ID"});
    EXPECT_EQ(gl.items[0].kind, ComputeItem::Kind::Child);

    const ShapeStatement soa = ShapeParser::parse(kStatement);
    EXPECT_EQ(soa.keys.size(), 14);
    EXPECT_EQ(soa.keys[8], "<30dys");

    const ShapeStatement ageing = ShapeParser::parse(kAgeing);
    ASSERT_TRUE(ageing.inner);
    EXPECT_TRUE(ageing.callText.isEmpty());
    EXPECT_EQ(ageing.childName, "cmAgeing2_Grouping");
    EXPECT_EQ(ageing.inner->childName, "cmAgeing2");
    EXPECT_EQ(ageing.inner->keys.size(), 5);
    EXPECT_EQ(ageing.innermostCall(), "{? = CALL dbo.select_AR_Ageing2 }");
    EXPECT_EQ(ageing.items.size(), 6u);
    EXPECT_EQ(ageing.items[4].alias, "More120DYS");
}

TEST(ShapeParser, RefusesAStatementOutsideTheGrammarNamingThePosition) {
    auto errorOf = [](const QString& text) {
        try {
            ShapeParser::parse(text);
        } catch (const DataError& e) {
            return e.message();
        }
        return QStringLiteral("no error");
    };
    const QString noAs = " SHAPE {{? = CALL dbo.x( ?) }}  COMPUTE cmX";
    EXPECT_EQ(
        errorOf(noAs),
        QStringLiteral("Grouping statement: expected AS at position %1").arg(noAs.indexOf("COMPUTE") + 1));
    const QString wrongChild = " SHAPE {{? = CALL dbo.x }}  AS cmX COMPUTE SUM(cmY.'a') AS b, cmX";
    EXPECT_TRUE(
        errorOf(wrongChild)
            .endsWith(
                QStringLiteral("not the child \"cmX\" at position %1").arg(wrongChild.indexOf("cmY") + 1)));
    EXPECT_TRUE(errorOf(" SHAPE {{? = CALL dbo.x }}  AS cmX COMPUTE cmX BY 'GL_ID").contains("unterminated"));
    EXPECT_TRUE(
        errorOf(" SHAPE {{SELECT * FROM COA_T}}  AS cmX COMPUTE cmX").contains("is not a procedure call"));
    EXPECT_TRUE(errorOf(" SHAPE ( SHAPE {{? = CALL dbo.x }}  AS a COMPUTE a AS b COMPUTE b")
                    .contains("expected \")\""));
    EXPECT_TRUE(errorOf(kTrialBalance + "BY 'x' extra").contains("unexpected text \"extra\" at position"));
    EXPECT_TRUE(errorOf("").contains("expected SHAPE at position 1"));
}

TEST(ShapeGrouper, KeylessStatementFormsOneGroupWithSumsExactToTheCent) {
    std::vector<std::vector<Variant>> rows;
    for (int i = 0; i < 1000; ++i)
        rows.push_back({Variant(std::int32_t(i)), Variant(money("0.10")), Variant(money("0.20"))});
    const auto child = rowsOf({{"Acct Code", DataType::Integer, 0},
                               {"Debit Bal", DataType::Currency, 0},
                               {"Credit Bal", DataType::Currency, 0}},
                              std::move(rows));
    const auto groups = ShapeGrouper::group(ShapeParser::parse(kTrialBalance), child);
    ASSERT_EQ(groups->rowCount(), 1);
    EXPECT_EQ(groups->value(0, "Debit"), Variant(money("100.00")));
    EXPECT_EQ(groups->value(0, "Credit"), Variant(money("200.00")));
    EXPECT_EQ(groups->childName(), "cmGL");
    EXPECT_EQ(groups->children(0)->rowCount(), 1000);

    // No rows at all: still one group, whose sums are blank.
    const auto empty = ShapeGrouper::group(
        ShapeParser::parse(kTrialBalance),
        rowsOf({{"Debit Bal", DataType::Currency, 0}, {"Credit Bal", DataType::Currency, 0}}, {}));
    ASSERT_EQ(empty->rowCount(), 1);
    EXPECT_TRUE(empty->value(0, "Debit").isNull());
    EXPECT_EQ(empty->children(0)->rowCount(), 0);
}

TEST(ShapeGrouper, KeyedStatementGroupsInOrderOfFirstAppearance) {
    std::vector<std::vector<Variant>> rows;
    const int accounts[] = {4000, 1000, 4000, 2000, 1000, 4000};
    const char* dr[] = {"10.01", "0.99", "20.02", "5.00", "-1.00", "30.03"};
    for (int i = 0; i < 6; ++i)
        rows.push_back({Variant(std::int32_t(accounts[i])), Variant(money(dr[i])), Variant::null()});
    const auto child = rowsOf({{"GL_ID", DataType::Integer, 0},
                               {"Period Dr", DataType::Currency, 0},
                               {"Period Cr", DataType::Currency, 0}},
                              std::move(rows));
    const auto groups = ShapeGrouper::group(ShapeParser::parse(test::sampleListingShape()), child);
    ASSERT_EQ(groups->rowCount(), 3);
    EXPECT_EQ(groups->fields()[0].name, "GL_ID");
    EXPECT_EQ(groups->value(0, "GL_ID"), Variant(std::int32_t(4000)));
    EXPECT_EQ(groups->value(1, "GL_ID"), Variant(std::int32_t(1000)));
    EXPECT_EQ(groups->value(2, "GL_ID"), Variant(std::int32_t(2000)));
    EXPECT_EQ(groups->value(0, "SumDr"), Variant(money("60.06")));
    EXPECT_EQ(groups->value(1, "SumDr"), Variant(money("-0.01")));
    EXPECT_TRUE(groups->value(0, "SumCr").isNull()); // only blanks to add
    EXPECT_EQ(groups->children(0)->rowCount(), 3);
    EXPECT_EQ(groups->children(1)->value(1, "Period Dr"), Variant(money("-1.00")));
}

TEST(ShapeGrouper, NestedStatementAddsALevel) {
    const auto child = rowsOf(
        ageingFields(), {ageingRow(1, "Acme", "100.00", "0.00"), ageingRow(2, "Brill", "50.25", "10.00"),
                         ageingRow(3, "Corde", "100.00", "0.00"), ageingRow(4, "Dune", "0.01", "0.00")});
    const auto top = ShapeGrouper::group(ShapeParser::parse(kAgeing), child);
    ASSERT_EQ(top->rowCount(), 1);
    const auto middle = top->children(0);
    ASSERT_EQ(middle->rowCount(), 3); // Acme and Corde share their amounts
    EXPECT_EQ(middle->childName(), "cmAgeing2");
    EXPECT_EQ(middle->children(0)->rowCount(), 2);
    EXPECT_EQ(middle->children(0)->value(1, "companyname"), Variant("Corde"));
    // The top sums add the middle rows' values, once per distinct combination.
    EXPECT_EQ(top->value(0, "Less30DYS"), Variant(money("150.26")));
    EXPECT_EQ(top->value(0, "More30DYS"), Variant(money("10.00")));

    // A layout bound to the middle level reads it through the child name.
    const auto flat = top->flattenChild("cmAgeing2_Grouping");
    EXPECT_EQ(flat->rowCount(), 3);
    EXPECT_EQ(flat->children(2)->value(0, "customerid"), Variant(std::int32_t(4)));
}

TEST(ShapeGrouper, RefusesAMissingOrTextColumn) {
    const auto child = rowsOf({{"GL_ID", DataType::Integer, 0}, {"Period Dr", DataType::Text, 10}},
                              {{Variant(std::int32_t(1)), Variant("abc")}});
    EXPECT_THROW(ShapeGrouper::group(ShapeParser::parse(test::sampleListingShape()), child), DataError);
    const auto noKey =
        rowsOf({{"Period Dr", DataType::Currency, 0}, {"Period Cr", DataType::Currency, 0}}, {});
    try {
        ShapeGrouper::group(ShapeParser::parse(test::sampleListingShape()), noKey);
        FAIL() << "grouped by a missing column";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.message().contains("\"GL_ID\""));
    }
}

TEST(ReportDataSource, RunsTheCallWithTypedInputsAndKeepsTheResultOpen) {
    ReportDataSource ds("DE_GL_Report", "conGL", kShapeReportConnection);
    ds.addCommand(ReportCommand("cmGListing_Grouping", "select_general_ledger_listing", "RETURN_VALUE",
                                {{"year", ParameterType::SmallInt, 0},
                                 {"acctcode1", ParameterType::SmallInt, 0},
                                 {"acctcode2", ParameterType::SmallInt, 0}},
                                test::sampleListingShape()));
    ds.addCommand(ReportCommand("cmPaid", "select_paid_ar", "@RETURN_VALUE", {}));
    QString seenConnection, seenCall;
    std::vector<Variant> seenInputs;
    ds.setRunner([&](const QString& con, const QString& call, const std::vector<Variant>& inputs) {
        seenConnection = con;
        seenCall = call;
        seenInputs = inputs;
        return test::ledgerRows(10, 4);
    });
    EXPECT_EQ(ds.command("cmPaid").callText(), "{? = CALL dbo.select_paid_ar }");
    ReportResultSet& rs = ds.resultSet("cmGListing_Grouping");
    EXPECT_EQ(rs.name(), "rscmGListing_Grouping");
    EXPECT_FALSE(rs.isOpen());

    ds.run("cmGListing_Grouping",
           {Variant::smallInt(2010), Variant::smallInt(1000), Variant::smallInt(1999)});
    EXPECT_EQ(seenConnection, kShapeReportConnection);
    EXPECT_EQ(seenCall, "{? = CALL dbo.select_general_ledger_listing( ?, ?, ?) }");
    ASSERT_EQ(seenInputs.size(), 3u);
    EXPECT_EQ(seenInputs[0], Variant::smallInt(2010));
    ASSERT_TRUE(rs.isOpen());
    EXPECT_EQ(rs.rows()->rowCount(), 3);
    rs.close();
    EXPECT_FALSE(rs.isOpen());
    EXPECT_THROW(rs.rows(), DataError);

    EXPECT_THROW(ds.run("cmGListing_Grouping", {Variant::smallInt(2010)}), DataError);
    // A failing procedure leaves the result as it was.
    ds.setRunner([](const QString&, const QString&, const std::vector<Variant>&) -> Recordset {
        throw DataError("unknown procedure select_general_ledger_listing");
    });
    EXPECT_THROW(
        ds.run("cmGListing_Grouping", {Variant::smallInt(1), Variant::smallInt(2), Variant::smallInt(3)}),
        DataError);
    EXPECT_FALSE(rs.isOpen());
}

TEST(ReportDataSource, GroupedCommandMustCallItsOwnProcedureOverTheGroupingConnection) {
    EXPECT_THROW(ReportCommand("TB_Bal", "select_profit_loss", "RETURN_VALUE",
                               {{"year", ParameterType::Integer, 0}}, kTrialBalance),
                 DataError);
    ReportDataSource stock("DE_Stk_Report", "conStock", kReportConnection);
    EXPECT_THROW(stock.addCommand(ReportCommand("TB_Bal", "select_chart_of_acct", "RETURN_VALUE",
                                                {{"year", ParameterType::Integer, 0}}, kTrialBalance)),
                 DataError);
}
