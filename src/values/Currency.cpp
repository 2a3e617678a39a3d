#include "Currency.h"

#include "DataError.h"
#include "Rounding.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

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

namespace {

bool refuse(QString* why, const QString& reason) {
    if (why)
        *why = reason;
    return false;
}

// The digits of an amount with its thousands commas checked: every comma
// sits before the point, after one to three digits, and is followed by
// exactly three digits.
bool commasAreThousands(const QString& number) {
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? number : number.left(point);
    if (point >= 0 && number.indexOf(QLatin1Char(','), point) >= 0)
        return false;
    const QStringList groups = whole.split(QLatin1Char(','));
    if (groups.size() == 1)
        return true;
    if (groups.front().isEmpty() || groups.front().size() > 3)
        return false;
    for (qsizetype g = 1; g < groups.size(); ++g)
        if (groups.at(g).size() != 3)
            return false;
    return true;
}

} // namespace

bool Currency::tryParse(const QString& input, Currency* out, QString* why) {
    const QString notAmount = QStringLiteral("\"%1\" is not an amount").arg(input);
    QString text = input.trimmed();
    bool negative = false;
    bool parenthesised = text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'));
    if (parenthesised) {
        text = text.mid(1, text.size() - 2).trimmed();
        negative = true;
    }
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) {
        if (parenthesised)
            return refuse(why, notAmount);
        negative = text.startsWith(QLatin1Char('-'));
        text = text.mid(1).trimmed();
    }
    if (text.startsWith(QLatin1Char('$')))
        text = text.mid(1).trimmed();
    if (text.isEmpty())
        return refuse(why, notAmount);
    if (text.contains(QLatin1Char(',')) && !commasAreThousands(text))
        return refuse(
            why, QStringLiteral("\"%1\": a comma may only separate thousands, as in 1,234.56").arg(input));

    i128 whole = 0;
    i128 frac = 0;
    int fracDigits = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (const QChar c : std::as_const(text)) {
        if (c == QLatin1Char('.')) {
            if (seenPoint)
                return refuse(why, notAmount);
            seenPoint = true;
        } else if (c == QLatin1Char(',')) {
            continue; // checked above
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            seenDigit = true;
            const int d = c.unicode() - '0';
            if (!seenPoint) {
                whole = whole * 10 + d;
                if (whole > kMax / kScale + 1)
                    return refuse(why, QStringLiteral("\"%1\" is too large an amount").arg(input));
            } else if (fracDigits < 4) {
                frac = frac * 10 + d;
                ++fracDigits;
            } else if (d != 0) {
                return refuse(why, QStringLiteral("\"%1\" has more than four decimals").arg(input));
            }
        } else {
            return refuse(why, notAmount);
        }
    }
    if (!seenDigit)
        return refuse(why, notAmount);
    while (fracDigits < 4) {
        frac *= 10;
        ++fracDigits;
    }
    i128 raw = whole * kScale + frac;
    if (negative)
        raw = -raw;
    if (raw > kMax || raw < kMin)
        return refuse(why, QStringLiteral("\"%1\" is too large an amount").arg(input));
    if (out)
        *out = fromRaw(static_cast<std::int64_t>(raw));
    return true;
}

bool Currency::tryParseRounded(const QString& input, Currency* out) {
    static const QRegularExpression longDecimals(QStringLiteral(R"(^(.*\.\d{4})(\d+)(\)?)$)"));
    const QString text = input.trimmed();
    const QRegularExpressionMatch match = longDecimals.match(text);
    if (!match.hasMatch())
        return tryParse(text, out);
    Currency kept;
    if (!tryParse(match.captured(1) + match.captured(3), &kept))
        return false;
    i128 raw = kept.raw();
    if (match.captured(2).at(0) >= QLatin1Char('5')) {
        const bool negative = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('('));
        raw += negative ? -1 : 1;
    }
    if (raw > kMax || raw < kMin)
        return false;
    if (out)
        *out = fromRaw(static_cast<std::int64_t>(raw));
    return true;
}

Currency Currency::parse(const QString& text) {
    Currency c;
    QString why;
    if (!tryParse(text, &c, &why))
        throw DataError(why);
    return c;
}

QString Currency::magnitudeFixed(int decimals) const {
    decimals = std::clamp(decimals, 0, 4);
    // The magnitude is rounded in 128 bits: the ends of the range round
    // beyond 64 bits, and the most negative value has no 64-bit opposite.
    const i128 unit = pow10(4 - decimals);
    const i128 r = divRound(m_raw < 0 ? -static_cast<i128>(m_raw) : static_cast<i128>(m_raw), unit) * unit;
    const auto whole = static_cast<unsigned long long>(r / kScale);
    auto frac = static_cast<unsigned long long>(r % kScale);
    QString s = QString::number(whole);
    if (decimals > 0) {
        for (int i = decimals; i < 4; ++i)
            frac /= 10;
        s += QLatin1Char('.') + QString::number(frac).rightJustified(decimals, QLatin1Char('0'));
    }
    return s;
}

QString Currency::toFixed(int decimals) const {
    const QString s = magnitudeFixed(decimals);
    // A value that rounds to zero shows no sign.
    const bool zero = std::none_of(s.begin(), s.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    return m_raw < 0 && !zero ? QLatin1Char('-') + s : s;
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
