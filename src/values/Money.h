#pragma once

#include "Currency.h"
#include "Rounding.h"

namespace orv {

// The money rules of the books, in one place: the database registers these
// very functions for its own arithmetic (money_round, money_mul, money_pct,
// money_prop, money_unit), and the windows compute a line's figures through
// them, so the total on the screen and the amount posted cannot differ by a
// cent. Amounts are counts of ten-thousandths; rates and percentages are
// decimals of eight places.
namespace money {

inline constexpr Wide kRateScale = 100000000;

// A rate or percentage given as a double, to eight decimals (half away from
// zero). False for NaN, infinity or a magnitude beyond any sensible rate.
bool rateFromDouble(double value, Wide* rate);

// The limits that keep every sum of the books inside 64 bits: no posting
// line beyond 1,000,000,000,000.00 either way, and the postings of the whole
// ledger (the sum of every leg's size, local and foreign) never beyond
// 100,000,000,000,000.00. A sum over any part of the ledger, in any order, is
// then at most a tenth of the money range. The database keeps both (the
// ledger's triggers and the checks before every commit); the windows check
// the line limit as the clerk types.
inline constexpr std::int64_t kLineLimitRaw = 10'000'000'000'000'000;      // 1e12 units
inline constexpr std::int64_t kLedgerLimitRaw = 1'000'000'000'000'000'000; // 1e14 units
QString lineLimitText();                                                   // "1,000,000,000,000.00"
QString ledgerLimitText();                                                 // "100,000,000,000,000.00"

// True when an amount fits the 64-bit money range.
bool fits(Wide amount);

// An amount rounded to whole cents.
constexpr Wide roundToCents(Wide amount) {
    return divRoundHalfAway(amount, 100) * 100;
}
// amount x rate, to whole cents.
constexpr Wide timesRate(Wide amount, Wide rate) {
    return divRoundHalfAway(amount * rate, kRateScale * 100) * 100;
}
// percent % of amount, to whole cents.
constexpr Wide percentOf(Wide amount, Wide percent) {
    return divRoundHalfAway(amount * percent, kRateScale * 100 * 100) * 100;
}
// value x part / whole, to whole cents; whole != 0.
constexpr Wide share(Wide value, Wide part, Wide whole) {
    return divRoundHalfAway(value * part, whole * 100) * 100;
}
// value / quantity, to the ten-thousandth; quantity != 0.
constexpr Wide perUnit(Wide value, Wide quantity) {
    return divRoundHalfAway(value, quantity);
}

} // namespace money

// A document line's figures as the windows show them. Each throws DataError
// for a rate that is not a number or a result beyond the money range.
namespace line {

// A priced line's three figures, as the books post the line.
struct Amounts {
    Currency nett;  // without VAT
    Currency vat;   // the VAT on nett
    Currency gross; // nett + vat
};

// Quantity x unit price.
Currency amount(double quantity, Currency price);
// A stock line's value: a whole quantity at a unit price, to whole cents, as
// the database values the line (money_round of quantity x price). Throws
// "Amount out of range" when the product is beyond the money range.
Currency extended(Currency price, std::int64_t quantity);
// A line of a whole quantity at a unit price and a VAT rate given as a
// fraction (0.175 for 17.5 %), as the books post it: nett = quantity x price
// to whole cents (extended), VAT = nett x rate to whole cents (money_pct of
// the rate as a percentage), gross = nett + VAT. Throws "Amount out of range"
// when a figure is beyond the money range.
Amounts amounts(Currency price, std::int64_t quantity, Currency rate = Currency());
// A line's figures in the local currency at an exchange rate of four
// decimals, as the books post a party's line: nett and VAT each at the rate
// to whole cents (money_mul), gross their sum.
Amounts atRate(const Amounts& own, Currency rate);
// The VAT on an amount at a percentage (17.5 for 17.5 %).
Currency vat(Currency amount, double percent);
// A foreign amount in the local currency at an exchange rate.
Currency local(Currency amount, double rate);

} // namespace line

} // namespace orv
