#include "values/Currency.h"
#include "values/DataError.h"
#include "values/Format.h"

#include <gtest/gtest.h>
#include <limits>

using orv::Currency;
using orv::DataError;

TEST(Currency, DecimalArithmeticIsExact) {
    const Currency a = Currency::parse(QStringLiteral("0.30"));
    EXPECT_EQ((a + a - Currency::parse(QStringLiteral("0.60"))).raw(), 0);
    Currency sum;
    for (int i = 0; i < 1000; ++i)
        sum += Currency::parse(QStringLiteral("0.01"));
    EXPECT_EQ(sum, Currency::fromUnits(10));
    EXPECT_EQ(Currency::parse(QStringLiteral("19.99")) * 3, Currency::parse(QStringLiteral("59.97")));
}

TEST(Currency, ParsesTheWaysAClerkTypes) {
    EXPECT_EQ(Currency::parse(QStringLiteral(" 1,234.5 ")).raw(), 12345000);
    EXPECT_EQ(Currency::parse(QStringLiteral("-0.0001")).raw(), -1);
    EXPECT_EQ(Currency::parse(QStringLiteral("$ 12")).raw(), 120000);
    EXPECT_EQ(Currency::parse(QStringLiteral("(5.25)")).raw(), -52500);
    EXPECT_EQ(Currency::parse(QStringLiteral("12,345,678.5")).raw(), 123456785000);
    EXPECT_EQ(Currency::parse(QStringLiteral("1.50000")).raw(), 15000) << "trailing zeros lose nothing";
    for (const char* bad : {"", "abc", "1.2.3", "12a", "--1", ",5", "1,", "$"})
        EXPECT_THROW(Currency::parse(QString::fromLatin1(bad)), DataError) << bad;
}

TEST(Currency, ACommaSeparatesThousandsOnlyAndNoDecimalIsRoundedAway) {
    const struct {
        const char* text;
        const char* why;
    } refused[] = {
        {"12,34", "a comma may only separate thousands"},
        {"1,2,3", "a comma may only separate thousands"},
        {"1234,567", "a comma may only separate thousands"},
        {"1.234,5", "a comma may only separate thousands"},
        {"0.99995", "more than four decimals"},
        {"100.000001", "more than four decimals"},
        {"-1.00005", "more than four decimals"},
        {"9999999999999999999", "too large"},
    };
    for (const auto& r : refused) {
        QString why;
        EXPECT_FALSE(Currency::tryParse(QString::fromLatin1(r.text), nullptr, &why)) << r.text;
        EXPECT_TRUE(why.contains(QLatin1String(r.why))) << r.text << ": " << why.toStdString();
    }
    // The same rule holds where a text becomes a number of another kind.
    EXPECT_THROW(orv::Variant(QStringLiteral("12,34")).toDouble(), DataError);
    EXPECT_EQ(orv::Variant(QStringLiteral("1,234.5")).toDouble(), 1234.5);
}

TEST(Currency, TheEndsOfTheRangeFormatWithoutFailing) {
    const Currency max = Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    const Currency min = Currency::fromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(max.toFixed(2), QStringLiteral("922337203685477.58"));
    EXPECT_EQ(max.toFixed(0), QStringLiteral("922337203685478"));
    EXPECT_EQ(min.toFixed(2), QStringLiteral("-922337203685477.58"));
    EXPECT_EQ(Currency::fromRaw(-1).toFixed(2), QStringLiteral("0.00")) << "no sign on a value shown as zero";
    const QString report = QStringLiteral("#,##0.00;(#,##0.00)");
    EXPECT_EQ(orv::formatNumber(orv::Variant(max), report), QStringLiteral("922,337,203,685,477.58"));
    EXPECT_EQ(orv::formatNumber(orv::Variant(min), report), QStringLiteral("(922,337,203,685,477.58)"));
    EXPECT_EQ(orv::formatNumber(orv::Variant(min), QStringLiteral("$ ##0")),
              QStringLiteral("-$ 922337203685478"));
}

TEST(Currency, FormatsWithTheDecimalsThatMatter) {
    EXPECT_EQ(Currency::parse(QStringLiteral("12.50")).toString(), QStringLiteral("12.5"));
    EXPECT_EQ(Currency::parse(QStringLiteral("-7")).toString(), QStringLiteral("-7"));
    EXPECT_EQ(Currency::parse(QStringLiteral("2.005")).toFixed(2), QStringLiteral("2.01"));
    EXPECT_EQ(Currency::parse(QStringLiteral("-2.005")).toFixed(2), QStringLiteral("-2.01"));
    EXPECT_EQ(Currency::fromRaw(std::numeric_limits<std::int64_t>::min()).toFixed(4),
              QStringLiteral("-922337203685477.5808"));
}

TEST(Currency, OverflowIsRefusedNeverWrapped) {
    const Currency max = Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    EXPECT_THROW(max + Currency::fromRaw(1), DataError);
    EXPECT_THROW(-Currency::fromRaw(std::numeric_limits<std::int64_t>::min()), DataError);
    EXPECT_THROW(max * 2, DataError);
    EXPECT_FALSE(max.fitsTimes(2));
    EXPECT_FALSE(Currency::fromUnits(-2).fitsTimes(std::numeric_limits<std::int64_t>::max()));
    EXPECT_TRUE(max.fitsTimes(-1));
    EXPECT_THROW(Currency::parse(QStringLiteral("999999999999999999")), DataError);
    EXPECT_THROW(Currency::fromDouble(1e300), DataError);
    EXPECT_THROW(Currency::fromUnits(1).div(Currency()), DataError);
}

TEST(Currency, RatesAndProportionsRoundHalfAwayFromZero) {
    const Currency amount = Currency::parse(QStringLiteral("100.00"));
    EXPECT_EQ(amount.mulRate(0.075).raw(), 75000);
    EXPECT_EQ(Currency::parse(QStringLiteral("0.05")).mulRate(0.5).raw(), 250);
    EXPECT_EQ(Currency::parse(QStringLiteral("10")).mulDiv(1, 3).raw(), 33333);
    EXPECT_EQ(Currency::parse(QStringLiteral("-10")).mulDiv(2, 3).raw(), -66667);
    EXPECT_EQ(Currency::parse(QStringLiteral("1.5")).mul(Currency::parse(QStringLiteral("1.5"))).raw(),
              22500);
    EXPECT_EQ(Currency::parse(QStringLiteral("1.0005")).rounded(2), Currency::parse(QStringLiteral("1")));
    EXPECT_EQ(Currency::parse(QStringLiteral("0.125")).rounded(2), Currency::parse(QStringLiteral("0.13")));
}

TEST(Format, EntryTotalsAndReportAmounts) {
    using orv::formatNumber;
    using orv::Variant;
    const QString total = QStringLiteral("$ ##0.00");
    EXPECT_EQ(formatNumber(Variant(Currency()), total), QStringLiteral("$ 0.00"));
    EXPECT_EQ(formatNumber(Variant(Currency::parse(QStringLiteral("1234.5"))), total),
              QStringLiteral("$ 1234.50"));
    EXPECT_EQ(formatNumber(Variant(Currency::parse(QStringLiteral("-3.456"))), total),
              QStringLiteral("-$ 3.46"));
    const QString report = QStringLiteral("#,##0.00;(#,##0.00)");
    EXPECT_EQ(formatNumber(Variant(Currency::parse(QStringLiteral("1234567.891"))), report),
              QStringLiteral("1,234,567.89"));
    EXPECT_EQ(formatNumber(Variant(Currency::parse(QStringLiteral("-1234.5"))), report),
              QStringLiteral("(1,234.50)"));
    EXPECT_EQ(formatNumber(Variant(std::int64_t(-7)), QStringLiteral("0;(0)")), QStringLiteral("(7)"));
    EXPECT_EQ(formatNumber(Variant(std::int64_t(42)), QStringLiteral("0")), QStringLiteral("42"));
    EXPECT_EQ(formatNumber(Variant::null(), report), QString());
    EXPECT_EQ(formatNumber(Variant(QStringLiteral("n/a")), report), QStringLiteral("n/a"));
    EXPECT_EQ(formatNumber(Variant(Currency::parse(QStringLiteral("-0.001"))), total),
              QStringLiteral("$ 0.00"));
}

TEST(Currency, ARateOfMorePlacesRoundsHalfAwayFromZeroToFour) {
    const struct {
        const char* text;
        std::int64_t raw;
    } rounded[] = {
        {"1.23456", 12346}, {"1.23454", 12345}, {"-0.00005", -1}, {"(2.00005)", -20001}, {"3.5", 35000}};
    for (const auto& r : rounded) {
        Currency value;
        EXPECT_TRUE(Currency::tryParseRounded(QString::fromLatin1(r.text), &value)) << r.text;
        EXPECT_EQ(value.raw(), r.raw) << r.text;
    }
    for (const char* bad : {"abc", "1.2345x6", "922337203685477.58075"})
        EXPECT_FALSE(Currency::tryParseRounded(QString::fromLatin1(bad), nullptr)) << bad;
}
