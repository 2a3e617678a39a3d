#include "Money.h"

#include "DataError.h"
#include "Format.h"

#include <cmath>
#include <limits>

namespace orv {

namespace money {

bool rateFromDouble(double value, Wide* rate) {
    if (!std::isfinite(value) || std::fabs(value) > 9.0e10)
        return false;
    *rate = std::llround(value * 1e8);
    return true;
}

QString lineLimitText() {
    return formatNumber(Variant(Currency::fromRaw(kLineLimitRaw)), QStringLiteral("#,##0.00"));
}

QString ledgerLimitText() {
    return formatNumber(Variant(Currency::fromRaw(kLedgerLimitRaw)), QStringLiteral("#,##0.00"));
}

bool fits(Wide amount) {
    return amount <= std::numeric_limits<std::int64_t>::max() &&
           amount >= std::numeric_limits<std::int64_t>::min();
}

} // namespace money

namespace line {

namespace {

Wide rateOf(double value, const char* what) {
    Wide rate = 0;
    if (!money::rateFromDouble(value, &rate))
        throw DataError(QStringLiteral("%1 is not a number").arg(QLatin1String(what)));
    return rate;
}

Currency checked(Wide amount) {
    if (!money::fits(amount))
        throw DataError(QStringLiteral("amount out of range"));
    return Currency::fromRaw(static_cast<std::int64_t>(amount));
}

} // namespace

Currency amount(double quantity, Currency price) {
    return checked(money::timesRate(price.raw(), rateOf(quantity, "quantity")));
}

Currency extended(Currency price, std::int64_t quantity) {
    const Wide rounded = money::roundToCents(static_cast<Wide>(price.raw()) * quantity);
    if (!money::fits(rounded))
        throw DataError(QStringLiteral("Amount out of range"));
    return Currency::fromRaw(static_cast<std::int64_t>(rounded));
}

Amounts amounts(Currency price, std::int64_t quantity, Currency rate) {
    const Currency nett = extended(price, quantity);
    // A rate of four decimals is a rate of eight with four zeros more.
    const Wide vat = money::timesRate(nett.raw(), static_cast<Wide>(rate.raw()) * 10000);
    const Wide gross = vat + nett.raw();
    if (!money::fits(vat) || !money::fits(gross))
        throw DataError(QStringLiteral("Amount out of range"));
    return {nett, Currency::fromRaw(static_cast<std::int64_t>(vat)),
            Currency::fromRaw(static_cast<std::int64_t>(gross))};
}

Amounts atRate(const Amounts& own, Currency rate) {
    const Wide r = static_cast<Wide>(rate.raw()) * 10000;
    const Currency nett = checked(money::timesRate(own.nett.raw(), r));
    const Currency vat = checked(money::timesRate(own.vat.raw(), r));
    return {nett, vat, checked(static_cast<Wide>(nett.raw()) + vat.raw())};
}

Currency vat(Currency amount, double percent) {
    return checked(money::percentOf(amount.raw(), rateOf(percent, "VAT rate")));
}

Currency local(Currency amount, double rate) {
    return checked(money::timesRate(amount.raw(), rateOf(rate, "exchange rate")));
}

} // namespace line

} // namespace orv
