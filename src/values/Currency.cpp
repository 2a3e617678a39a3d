#include "Currency.h"

#include "DataError.h"
#include "Rounding.h"

#include <cmath>
#include <limits>

namespace orv {

namespace {

using i128 = Wide;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

[[noreturn]] void overflow() {
    throw DataError(QStringLiteral("Amount out of range"));
}

std::int64_t checked(i128 v) {
    if (v > kMax || v < kMin)
        overflow();
    return static_cast<std::int64_t>(v);
}

i128 divRound(i128 n, i128 d) {
    return divRoundHalfAway(n, d);
}

i128 pow10(int n) {
    i128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

Currency Currency::fromUnits(std::int64_t units) {
    return fromRaw(checked(static_cast<i128>(units) * kScale));
}

Currency Currency::fromDouble(double value) {
    if (!std::isfinite(value))
        throw DataError(QStringLiteral("Not a number"));
    const double scaled = std::round(value * kScale); // std::round is half away from zero
    if (scaled >= 9.2233720368547758e18 || scaled < -9.2233720368547758e18)
        overflow();
    return fromRaw(static_cast<std::int64_t>(scaled));
}

bool Currency::tryParse(const QString& input, Currency* out) {
    QString text = input.trimmed();
    bool negative = false;
    bool parenthesised = text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'));
    if (parenthesised) {
        text = text.mid(1, text.size() - 2).trimmed();
        negative = true;
    }
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) {
        if (parenthesised)
            return false;
        negative = text.startsWith(QLatin1Char('-'));
        text = text.mid(1).trimmed();
    }
    if (text.startsWith(QLatin1Char('$')))
        text = text.mid(1).trimmed();
    if (text.isEmpty())
        return false;

    i128 whole = 0;
    i128 frac = 0;
    int fracDigits = 0;
    bool extraRoundsUp = false;
    bool seenPoint = false;
    bool seenDigit = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('.')) {
            if (seenPoint)
                return false;
            seenPoint = true;
        } else if (c == QLatin1Char(',') && !seenPoint) {
            // thousands separator: must sit between digits
            if (!seenDigit || i + 1 >= text.size() || !text.at(i + 1).isDigit())
                return false;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            seenDigit = true;
            const int d = c.unicode() - '0';
            if (!seenPoint) {
                whole = whole * 10 + d;
                if (whole > kMax / kScale + 1)
                    return false;
            } else if (fracDigits < 4) {
                frac = frac * 10 + d;
                ++fracDigits;
            } else if (fracDigits == 4) {
                extraRoundsUp = d >= 5;
                ++fracDigits;
            }
        } else {
            return false;
        }
    }
    if (!seenDigit)
        return false;
    while (fracDigits < 4) {
        frac *= 10;
        ++fracDigits;
    }
    i128 raw = whole * kScale + frac + (extraRoundsUp ? 1 : 0);
    if (negative)
        raw = -raw;
    if (raw > kMax || raw < kMin)
        return false;
    if (out)
        *out = fromRaw(static_cast<std::int64_t>(raw));
    return true;
}

Currency Currency::parse(const QString& text) {
    Currency c;
    if (!tryParse(text, &c))
        throw DataError(QStringLiteral("\"%1\" is not an amount").arg(text));
    return c;
}

QString Currency::toFixed(int decimals) const {
    if (decimals < 0)
        decimals = 0;
    if (decimals > 4)
        decimals = 4;
    const std::int64_t r = rounded(decimals).raw();
    const bool negative = r < 0;
    // work in unsigned to handle the most negative value
    const unsigned long long mag =
        negative ? 0ULL - static_cast<unsigned long long>(r) : static_cast<unsigned long long>(r);
    const unsigned long long whole = mag / kScale;
    unsigned long long frac = mag % kScale;
    QString s = QString::number(whole);
    if (decimals > 0) {
        for (int i = decimals; i < 4; ++i)
            frac /= 10;
        s += QLatin1Char('.') + QString::number(frac).rightJustified(decimals, QLatin1Char('0'));
    }
    if (negative)
        s.prepend(QLatin1Char('-'));
    return s;
}

QString Currency::toString() const {
    QString s = toFixed(4);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

Currency Currency::rounded(int decimals) const {
    if (decimals >= 4)
        return *this;
    if (decimals < 0)
        decimals = 0;
    const i128 unit = pow10(4 - decimals);
    return fromRaw(checked(divRound(m_raw, unit) * unit));
}

Currency Currency::operator-() const {
    return fromRaw(checked(-static_cast<i128>(m_raw)));
}
Currency Currency::operator+(Currency o) const {
    return fromRaw(checked(static_cast<i128>(m_raw) + o.m_raw));
}
Currency Currency::operator-(Currency o) const {
    return fromRaw(checked(static_cast<i128>(m_raw) - o.m_raw));
}
Currency Currency::operator*(std::int64_t quantity) const {
    return fromRaw(checked(static_cast<i128>(m_raw) * quantity));
}

bool Currency::fitsTimes(std::int64_t quantity) const {
    const i128 product = static_cast<i128>(m_raw) * quantity;
    return product <= kMax && product >= kMin;
}

Currency Currency::mul(Currency factor) const {
    return fromRaw(checked(divRound(static_cast<i128>(m_raw) * factor.m_raw, kScale)));
}

Currency Currency::mulRate(double rate) const {
    if (!std::isfinite(rate) || std::fabs(rate) > 9.0e10)
        throw DataError(QStringLiteral("Rate out of range"));
    const i128 r8 = std::llround(rate * 1e8);
    return fromRaw(checked(divRound(static_cast<i128>(m_raw) * r8, static_cast<i128>(100000000))));
}

Currency Currency::mulDiv(std::int64_t num, std::int64_t den) const {
    if (den == 0)
        throw DataError(QStringLiteral("Division by zero"));
    return fromRaw(checked(divRound(static_cast<i128>(m_raw) * num, den)));
}

Currency Currency::div(Currency divisor) const {
    if (divisor.m_raw == 0)
        throw DataError(QStringLiteral("Division by zero"));
    return fromRaw(checked(divRound(static_cast<i128>(m_raw) * kScale, divisor.m_raw)));
}

} // namespace orv
