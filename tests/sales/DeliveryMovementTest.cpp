// A delivery seen in the stock movement of its year, as the Stock Report
// window reads it.
#include "db/CompanyDatabase.h"
#include "support/SalesBook.h"

using namespace orv;

namespace {

class DeliveryMovementTest : public test::SalesBook {};

} // namespace

TEST_F(DeliveryMovementTest, ADeliveryLineTakingSeveralLayersIsOneRowBetweenItsNeighbours) {
    ASSERT_NE(receive({{"A100", 2, "10", QDate(2010, 6, 1)}, {"B200", 2, "5", QDate(2010, 6, 1)}}),
              clsGRN::kFailureText)
        << qPrintable(lastReason);
    ASSERT_NE(receive({{"A100", 3, "4", QDate(2010, 6, 2)}}), clsGRN::kFailureText) << qPrintable(lastReason);
    ASSERT_NE(deliver({{"A100", 4}, {"B200", 1}}), clsDO_Entry::kFailureText) << qPrintable(lastReason);
    ASSERT_NE(receive({{"B200", 1, "7", QDate(2010, 6, 5)}}), clsGRN::kFailureText) << qPrintable(lastReason);
    Recordset rs = db::CompanyDatabase::execute(QStringLiteral("EXEC select_stock_movement '2010'"));
    QStringList out;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        out << rs.value(0).toString() + u'|' + rs.value(2).toString() + u'|' + rs.value(5).toString() + u'|' +
                   rs.value(6).toString() + u'|' + rs.value(10).toString();
    EXPECT_EQ(out, (QStringList{"2010-06-01|GRN|2|10|0", "2010-06-01|GRN|2|5|0", "2010-06-02|GRN|3|4|0",
                                "2010-06-05|DO|4|7|28", // 2 at 10 and 2 at 4
                                "2010-06-05|DO|1|5|5", "2010-06-05|GRN|1|7|0"}));
}
