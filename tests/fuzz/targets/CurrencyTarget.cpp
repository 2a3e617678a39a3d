#include "../FuzzTargets.h"
#include "Input.h"
#include "values/Currency.h"
#include "values/DataError.h"

#include <limits>

namespace orv::fuzz {

namespace {

using i128 = __int128;

bool fits(i128 v) {
    return v >= std::numeric_limits<std::int64_t>::min() && v <= std::numeric_limits<std::int64_t>::max();
}

// n / d rounded half away from zero, worked out here apart from the program.
i128 halfAway(i128 n, i128 d) {
    const bool negative = (n < 0) != (d < 0);
    const i128 an = n < 0 ? -n : n;
    const i128 ad = d < 0 ? -d : d;
    i128 q = an / ad;
    if ((an % ad) * 2 >= ad)
        ++q;
    return negative ? -q : q;
}

// The operation's result, or nothing when it refused with DataError.
template <class Op> std::optional<std::int64_t> attempt(Op op) {
    try {
        return op().raw();
    } catch (const DataError&) {
        return std::nullopt;
    }
}

// An operation matches 128-bit arithmetic: the exact result when it fits,
// a refusal when it does not.
template <class Op> void expectExact(const char* what, i128 exact, Op op) {
    const std::optional<std::int64_t> got = attempt(op);
    if (fits(exact))
        require(got && *got == static_cast<std::int64_t>(exact), std::string(what) + " is not exact");
    else
        require(!got, std::string(what) + " overflowed without a refusal");
}

// Every text the program shows an amount in reads back as that amount.
void expectReadsBack(Currency c) {
    Currency back;
    QString why;
    require(Currency::tryParse(c.toString(), &back, &why) && back == c,
            "toString does not read back: " + c.toString().toStdString() + " " + why.toStdString());
    require(Currency::tryParse(c.toFixed(4), &back, &why) && back == c,
            "toFixed(4) does not read back: " + c.toFixed(4).toStdString());
    for (int d = 0; d <= 4; ++d) {
        const QString fixed = c.toFixed(d);
        const i128 unit = d == 4 ? 1 : (d == 3 ? 10 : d == 2 ? 100 : d == 1 ? 1000 : 10000);
        const i128 rounded = halfAway(c.raw(), unit) * unit;
        // A value rounded past the range is shown, and refused when read.
        const bool read = Currency::tryParse(fixed, &back);
        require(read == fits(rounded), "toFixed reads wrongly: " + fixed.toStdString());
        if (read)
            require(back.raw() == static_cast<std::int64_t>(rounded),
                    "toFixed is not rounded half away from zero: " + fixed.toStdString());
    }
}

} // namespace

// An amount's text, then (after a NUL) two raw amounts and a few choices.
void currency(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const QString text = in.text();
    Currency parsed;
    QString why;
    if (Currency::tryParse(text, &parsed, &why)) {
        require(why.isEmpty(), "an accepted amount with a reason");
        expectReadsBack(parsed);
        bool threw = false;
        try {
            require(Currency::parse(text) == parsed, "parse and tryParse differ");
        } catch (const DataError&) {
            threw = true;
        }
        require(!threw, "parse refuses what tryParse accepts");
    } else {
        require(!why.isEmpty(), "a refused amount without a reason");
    }
    if (!in.more())
        return;

    const std::int64_t a = in.int64();
    const std::int64_t b = in.int64();
    const Currency x = Currency::fromRaw(a);
    const Currency y = Currency::fromRaw(b);
    expectReadsBack(x);
    expectExact("a + b", i128(a) + b, [&] { return x + y; });
    expectExact("a - b", i128(a) - b, [&] { return x - y; });
    expectExact("-a", -i128(a), [&] { return -x; });
    expectExact("a * n", i128(a) * b, [&] { return x * b; });
    require(x.fitsTimes(b) == fits(i128(a) * b), "fitsTimes disagrees");
    expectExact("a mul b", halfAway(i128(a) * b, 10000), [&] { return x.mul(y); });
    const std::int64_t num = static_cast<std::int8_t>(in.byte());
    const std::int64_t den = static_cast<std::int8_t>(in.byte());
    if (den == 0) {
        require(!attempt([&] { return x.mulDiv(num, den); }), "a division by zero answered");
    } else {
        expectExact("a * num / den", halfAway(i128(a) * num, den), [&] { return x.mulDiv(num, den); });
    }
    const int decimals = in.byte() % 7 - 1;
    const int d = decimals < 0 ? 0 : decimals > 4 ? 4 : decimals;
    const i128 unit = d == 4 ? 1 : (d == 3 ? 10 : d == 2 ? 100 : d == 1 ? 1000 : 10000);
    expectExact("rounded", halfAway(a, unit) * unit, [&] { return x.rounded(decimals); });
    if (b == 0)
        require(!attempt([&] { return x.div(y); }), "a division by zero answered");
    else
        expectExact("a / b", halfAway(i128(a) * 10000, b), [&] { return x.div(y); });
    try {
        (void)x.mulRate(static_cast<double>(b) / 1e8);
    } catch (const DataError&) {
    }
}

} // namespace orv::fuzz
