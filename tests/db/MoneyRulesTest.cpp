// A line's figures computed on the screen against the database's own money
// functions: both must agree to the cent on awkward amounts.
#include "db/CompanyDatabase.h"
#include "support/TestBook.h"
#include "values/DataError.h"
#include "values/Money.h"

#include <limits>

using namespace orv;

namespace {

class MoneyRules : public test::TestBook {
protected:
    // The database's answer to `fn(amount, factor)`, in ten-thousandths.
    qint64 database(const char* fn, Currency amount, double factor) {
        Recordset rs = db::CompanyDatabase::execute(QStringLiteral("SELECT %1(?, ?)").arg(QLatin1String(fn)),
                                                    {Variant(amount.raw()), Variant(factor)});
        rs.moveFirst();
        return rs.value(0).toInt64();
    }
};

struct Case {
    const char* amount;
    double factor;
};

// Half cents either side of zero, rates with four and eight decimals,
// fractional quantities and amounts near the range's end.
const Case kCases[] = {
    {"0.005", 1.0},         {"-0.005", 1.0},        {"0.0149", 1.0},   {"10.125", 1.0},
    {"19.99", 3.0},         {"-19.99", 3.0},        {"2.675", 1.0},    {"1234.5678", 0.1234},
    {"-1234.5678", 0.1234}, {"100", 1.23456789},    {"0.01", 0.5},     {"0.03", 0.5},
    {"-0.03", 0.5},         {"99999.9999", 7.8125}, {"1.1", 17.5},     {"333.33", 12.3456},
    {"-333.33", 12.3456},   {"0.0001", 10000.0},    {"50.05", 0.0001}, {"7", 0.0},
};

} // namespace

TEST_F(MoneyRules, LineFiguresEqualTheDatabasesRounding) {
    for (const Case& c : kCases) {
        const Currency amount = Currency::parse(QString::fromLatin1(c.amount));
        SCOPED_TRACE(testing::Message() << c.amount << " x " << c.factor);
        EXPECT_EQ(line::amount(c.factor, amount).raw(), database("money_mul", amount, c.factor));
        EXPECT_EQ(line::local(amount, c.factor).raw(), database("money_mul", amount, c.factor));
        EXPECT_EQ(line::vat(amount, c.factor).raw(), database("money_pct", amount, c.factor));
        EXPECT_TRUE(line::vat(amount, c.factor).isWholeCents());
    }
}

TEST_F(MoneyRules, KnownRoundingsAndRefusals) {
    // half a cent goes away from zero, on both sides
    EXPECT_EQ(line::amount(0.5, Currency::parse(QStringLiteral("0.01"))),
              Currency::parse(QStringLiteral("0.01")));
    EXPECT_EQ(line::amount(0.5, Currency::parse(QStringLiteral("-0.01"))),
              Currency::parse(QStringLiteral("-0.01")));
    EXPECT_EQ(line::vat(Currency::parse(QStringLiteral("1.10")), 17.5),
              Currency::parse(QStringLiteral("0.19")));
    EXPECT_EQ(line::local(Currency::parse(QStringLiteral("100")), 1.2345),
              Currency::parse(QStringLiteral("123.45")));

    EXPECT_THROW(line::amount(std::numeric_limits<double>::quiet_NaN(), Currency::fromUnits(1)), DataError);
    EXPECT_THROW(line::local(Currency::fromUnits(1), std::numeric_limits<double>::infinity()), DataError);
    try {
        line::amount(1.0e9, Currency::fromUnits(900000000000));
        ADD_FAILURE() << "an amount beyond the range was computed";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("amount out of range"));
    }
}

TEST_F(MoneyRules, AStockLineIsValuedOnTheScreenAsTheBooksValueIt) {
    // The books value a stock line as money_round(quantity x unit price).
    struct StockCase {
        const char* price;
        std::int64_t quantity;
    };
    const StockCase cases[] = {
        {"0.005", 1},    {"0.005", 3},   {"-0.005", 1},     {"0.0049", 1},     {"-0.0051", 1},
        {"0.0025", 2},   {"0.0025", -2}, {"1.2345", 7},     {"19.995", 1},     {"-19.995", 13},
        {"333.3333", 3}, {"0.0001", 50}, {"0.0001", 49},    {"7.77", 0},       {"99999.9999", 99999},
        {"2.675", 1},    {"2.675", -1},  {"0.3333", 10000}, {"1", 2000000000}, {"0.015", 1},
    };
    for (const StockCase& c : cases) {
        const Currency price = Currency::parse(QString::fromLatin1(c.price));
        SCOPED_TRACE(testing::Message() << c.quantity << " x " << c.price);
        Recordset rs = db::CompanyDatabase::execute(QStringLiteral("SELECT money_round(? * ?)"),
                                                    {Variant(c.quantity), Variant(price.raw())});
        rs.moveFirst();
        EXPECT_EQ(line::extended(price, c.quantity).raw(), rs.value(0).toInt64());
        EXPECT_TRUE(line::extended(price, c.quantity).isWholeCents());
    }
    EXPECT_EQ(line::extended(Currency::parse(QStringLiteral("0.005")), 1),
              Currency::parse(QStringLiteral("0.01")));
    EXPECT_EQ(line::extended(Currency::parse(QStringLiteral("-0.005")), 1),
              Currency::parse(QStringLiteral("-0.01")));
    try {
        line::extended(Currency::fromUnits(900000000000), 2000);
        ADD_FAILURE() << "a value beyond the range was computed";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Amount out of range"));
    }
}

TEST_F(MoneyRules, APricedLineIsFiguredOnTheScreenAsTheBooksPostIt) {
    // The books post N = money_round(quantity x price), V = money_pct(N, rate as a percentage).
    struct PricedCase {
        const char* price;
        std::int64_t quantity;
        const char* rate;
    };
    const PricedCase cases[] = {{"10", 3, "0.05"},       {"10", 1, "0.175"},       {"0.005", 3, "0.07"},
                                {"19.995", 13, "0.175"}, {"-19.995", 13, "0.175"}, {"333.3333", 3, "0.0125"},
                                {"2.675", -1, "0.07"},   {"7.77", 0, "0.05"},      {"1.1", 1, "0"}};
    for (const PricedCase& c : cases) {
        const Currency price = Currency::parse(QString::fromLatin1(c.price));
        const Currency rate = Currency::parse(QString::fromLatin1(c.rate));
        SCOPED_TRACE(testing::Message() << c.quantity << " x " << c.price << " at " << c.rate);
        Recordset rs = db::CompanyDatabase::execute(
            QStringLiteral("SELECT n, money_pct(n, ?) FROM (SELECT money_round(? * ?) AS n)"),
            {Variant(rate.toDouble() * 100), Variant(c.quantity), Variant(price.raw())});
        rs.moveFirst();
        const line::Amounts figures = line::amounts(price, c.quantity, rate);
        EXPECT_EQ(figures.nett.raw(), rs.value(0).toInt64());
        EXPECT_EQ(figures.vat.raw(), rs.value(1).toInt64());
        EXPECT_EQ(figures.gross, figures.nett + figures.vat);
    }
    const line::Amounts tenAtFive =
        line::amounts(Currency::fromUnits(10), 3, Currency::parse(QStringLiteral("0.05")));
    EXPECT_EQ(tenAtFive.gross, Currency::parse(QStringLiteral("31.5")));
    EXPECT_EQ(tenAtFive.vat, Currency::parse(QStringLiteral("1.5")));
    EXPECT_EQ(tenAtFive.nett, Currency::fromUnits(30));
    // A nett that fits whose VAT would not is refused as a whole.
    EXPECT_THROW(line::amounts(Currency::fromUnits(500000000000), 1000, Currency::fromUnits(1)), DataError);
}
