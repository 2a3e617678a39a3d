// The stock reports' procedures over stock received and counted through the
// documents' own data classes, with today pinned at 15 June 2010.
#include "db/CompanyDatabase.h"
#include "support/StockBook.h"
#include <QRegularExpression>

using namespace orv;

namespace {

class StockReportProceduresTest : public test::StockBook {
protected:
    void SetUp() override {
        StockBook::SetUp();
        ASSERT_EQ(receive({{"A100", 2, "10", QDate(2010, 6, 1)}, {"B200", 3, "4", QDate(2010, 6, 1)}}),
                  QStringLiteral("1"));
        ASSERT_EQ(receive({{"A100", 4, "2.5", QDate(2010, 1, 2)}}), QStringLiteral("2"));
        ASSERT_EQ(receive({{"P300", 3, "1", QDate(2010, 5, 1)}}), QStringLiteral("3"));
        ASSERT_EQ(receive({{"P300", 1, "3", QDate(2010, 4, 1)}}), QStringLiteral("4"));
        ASSERT_EQ(receive({{"B200", 1, "7", QDate(2009, 12, 30)}}), QStringLiteral("5"));
    }
    // Every row of a report command, its columns joined by "|".
    QStringList rows(const QString& command) {
        Recordset rs = db::CompanyDatabase::execute(command);
        QStringList out;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            QStringList cells;
            for (int c = 0; c < rs.fieldCount(); ++c)
                cells << rs.value(c).toString();
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
};

} // namespace

TEST_F(StockReportProceduresTest, AgeingPutsEachLayersValueInTheBucketOfItsAge) {
    EXPECT_EQ(rows(QStringLiteral("{? = CALL dbo.select_stock_ageing }")),
              (QStringList{
                  "2010-01-02|A100|4|2.5|0|0|0|10", // 164 days
                  "2010-06-01|A100|2|10|20|0|0|0",  // 14 days
                  "2009-12-30|B200|1|7|0|0|0|7", "2010-06-01|B200|3|4|12|0|0|0",
                  "2010-04-01|P300|1|1.5|0|0|1.5|0", // 75 days; average 6.00 / 4
                  "2010-05-01|P300|3|1.5|0|4.5|0|0", // 45 days
              }));
}

TEST_F(StockReportProceduresTest, AnAgeColumnEndsOnItsLastDay) {
    for (const QDate& d : {QDate(2010, 3, 16), QDate(2010, 3, 17), QDate(2010, 4, 15), QDate(2010, 4, 16),
                           QDate(2010, 5, 15), QDate(2010, 5, 16)})
        ASSERT_NE(receive({{"B200", 1, "1", d}}), clsGRN::kFailureText) << qPrintable(lastReason);
    QStringList edges = rows(QStringLiteral("{? = CALL dbo.select_stock_ageing }"))
                            .filter(QRegularExpression(QStringLiteral("^2010-0[345]-..\\|B200")));
    EXPECT_EQ(edges, (QStringList{"2010-03-16|B200|1|1|0|0|0|1",    // 91 days
                                  "2010-03-17|B200|1|1|0|0|1|0",    // 90 days
                                  "2010-04-15|B200|1|1|0|0|1|0",    // 61 days
                                  "2010-04-16|B200|1|1|0|1|0|0",    // 60 days
                                  "2010-05-15|B200|1|1|0|1|0|0",    // 31 days
                                  "2010-05-16|B200|1|1|1|0|0|0"})); // 30 days
}

TEST_F(StockReportProceduresTest, BalancesListEveryItemWithItsQuantity) {
    EXPECT_EQ(rows(QStringLiteral("{? = CALL dbo.select_stock_balance }")),
              (QStringList{"A100|6", "B200|4", "P300|4"}));
}

TEST_F(StockReportProceduresTest, TheYearsMovesShowTheirValueInAndOut) {
    ASSERT_EQ(adjust({{"2/1", "A100", "1", "2.5"}}), QStringLiteral("6"));
    EXPECT_EQ(rows(QStringLiteral("{? = CALL dbo.select_stock_movement( ? ) }")).size(), 0)
        << "no year given, no rows";
    const QStringList year = rows(QStringLiteral("EXEC select_stock_movement '2010'"));
    ASSERT_EQ(year.size(), 6) << "the 2009 note is not in 2010";
    EXPECT_EQ(year.first(), QStringLiteral("2010-01-02|A100|GRN|2|received A100|4|2.5|SGD|1|10|0"));
    EXPECT_EQ(year.at(4), QStringLiteral("2010-06-01|B200|GRN|1|received B200|3|4|SGD|1|12|0"));
    EXPECT_EQ(year.last(), QStringLiteral("2010-06-10|A100|ADJ|6|stock count|3|2.5|||0|7.5"))
        << "three units counted away leave at their layer's cost";
}
