// The billing lines the sales and purchase invoices share: the warnings
// while the lines are added up and the checks of one line at a post.
#include "ui/BillingLines.h"
#include "support/gui/UiTest.h"

using namespace orv;
using namespace orv::test;

namespace {

class BillingLinesTest : public UiTest {
protected:
    // One line: delivered, billed before, to bill now, unit price.
    RowView line(int delivered, int billed, const QString& toBill, const QString& price) {
        rows = Recordset();
        for (const char* f : {"Delivered", "Billed", "ToBill"})
            rows.appendField(QString::fromLatin1(f), DataType::Integer);
        rows.appendField(QStringLiteral("Price"), DataType::Currency);
        rows.appendField(QStringLiteral("Description"), DataType::Text);
        rows.open();
        rows.addNew();
        rows.setValue(0, Variant(std::int32_t(delivered)));
        rows.setValue(1, Variant(std::int32_t(billed)));
        if (!toBill.isEmpty())
            rows.setValue(2, Variant(std::int32_t(toBill.toInt())));
        if (!price.isEmpty())
            rows.setValue(3, Variant(Currency::parse(price)));
        rows.setValue(4, Variant(QStringLiteral("bolts")));
        return RowView(rows, 0);
    }
    // The message of the first check that fails, or the empty text.
    QString refusal(const RowView&, Currency lowest) {
        ui.clear();
        return Check::eachLine(rows, billing.lineChecks(lowest)).run() ? QString() : ui.lastText();
    }

    BillingLines billing{QStringLiteral("Delivered"), QStringLiteral("Billed"), QStringLiteral("ToBill"),
                         QStringLiteral("Price")};
    Recordset rows;
};

} // namespace

TEST_F(BillingLinesTest, WarningsPutBackAQuantityBeyondWhatIsUnbilledOrNegative) {
    const RowView over = line(8, 4, QStringLiteral("5"), QStringLiteral("10"));
    billing.warn(over);
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Qty to bill exceed Qty unbilled")});
    EXPECT_EQ(over.integer(QStringLiteral("ToBill")), 1);
    ui.clear();
    billing.warn(line(8, 4, QStringLiteral("4"), QStringLiteral("10")));
    billing.warn(line(8, 4, QString(), QStringLiteral("10")));
    EXPECT_EQ(ui.texts(), QStringList()) << "what is unbilled, or nothing, passes";

    const RowView negative = line(8, 4, QStringLiteral("-2"), QStringLiteral("10"));
    billing.warn(negative);
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Cannot specify a negative number")});
    EXPECT_EQ(negative.integer(QStringLiteral("ToBill")), 1);
    ui.clear();
    // Each warning reads the line afresh: a line with nothing left raises all three.
    billing.warn(line(3, 3, QStringLiteral("1"), QStringLiteral("-1")));
    EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("Qty to bill exceed Qty unbilled"),
                                       QStringLiteral("Cannot specify a negative number"),
                                       QStringLiteral("Qty has been fully billed")}));
}

TEST_F(BillingLinesTest, APostRefusesALineInOrderOfItsChecks) {
    const Currency one = Currency::fromUnits(1);
    EXPECT_EQ(refusal(line(3, 3, QStringLiteral("1"), QStringLiteral("10")), one),
              QStringLiteral("Some of the stock item was fully billed"));
    EXPECT_EQ(refusal(line(3, 0, QStringLiteral("1"), QStringLiteral("0.99")), one),
              QStringLiteral("Specify Selling Price to bill to customer"));
    EXPECT_EQ(refusal(line(3, 0, QStringLiteral("1"), QString()), Currency::fromRaw(1)),
              QStringLiteral("Specify Selling Price to bill to customer"));
    EXPECT_EQ(refusal(line(3, 0, QStringLiteral("1"), QStringLiteral("0.5")), Currency::fromRaw(1)),
              QString())
        << "the lowest price is the invoice's own";
    EXPECT_EQ(refusal(line(3, 0, QStringLiteral("0"), QStringLiteral("10")), one),
              QStringLiteral("Specify Qty to bill to customer"));
    EXPECT_EQ(refusal(line(3, 0, QString(), QStringLiteral("10")), one),
              QStringLiteral("Specify Qty to bill to customer"));
}
