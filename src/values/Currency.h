#pragma once

#include <QString>
#include <compare>
#include <cstdint>

namespace orv {

// Exact money: a signed 64-bit count of ten-thousandths of the unit. Every
// operation that could leave the range throws DataError instead of wrapping.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromRaw(std::int64_t raw) {
        Currency c;
        c.m_raw = raw;
        return c;
    }
    static Currency fromUnits(std::int64_t units);
    // Nearest ten-thousandth, half away from zero; NaN or out of range throws.
    static Currency fromDouble(double value);
    // Accepts an optional sign, digits, an optional point with up to four
    // decimals, a leading "$" and surrounding blanks. A comma is read only as
    // a thousands separator: before the point and followed by exactly three
    // digits. A fifth decimal other than 0 is refused, never rounded away.
    // On refusal, why (when given) says what is wrong with the text.
    static Currency parse(const QString& text);
    static bool tryParse(const QString& text, Currency* out, QString* why = nullptr);
    // As tryParse, but decimals past the fourth round half away from zero
    // instead of being refused: a rate typed to more places is held to four.
    static bool tryParseRounded(const QString& text, Currency* out);

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / kScale; }
    // Plain decimal text with the decimals that matter: "12.5", "-0.3", "7".
    QString toString() const;
    // Fixed number of decimals (0..4), rounded half away from zero; never
    // throws, whatever the value.
    QString toFixed(int decimals) const;
    // toFixed without the sign.
    QString magnitudeFixed(int decimals) const;

    // Rounded half away from zero to a multiple of 10^(4-decimals).
    Currency rounded(int decimals) const;
    bool isWholeCents() const { return m_raw % 100 == 0; }

    Currency operator-() const;
    Currency operator+(Currency o) const;
    Currency operator-(Currency o) const;
    Currency& operator+=(Currency o) { return *this = *this + o; }
    Currency& operator-=(Currency o) { return *this = *this - o; }
    // Multiplication by a whole quantity is exact.
    Currency operator*(std::int64_t quantity) const;
    // Whether that product can be held at all.
    bool fitsTimes(std::int64_t quantity) const;
    // Product with another currency-scaled value (a rate or a fractional
    // quantity held as Currency), rounded half away from zero to 4 decimals.
    Currency mul(Currency factor) const;
    // Product with a rate, taken as a decimal of 8 places, rounded half away
    // from zero to 4 decimals.
    Currency mulRate(double rate) const;
    // this * num / den, rounded half away from zero to 4 decimals; den != 0.
    Currency mulDiv(std::int64_t num, std::int64_t den) const;
    // this / other as a currency-scaled quotient, half away from zero.
    Currency div(Currency divisor) const;

    constexpr auto operator<=>(const Currency&) const = default;

private:
    std::int64_t m_raw = 0;
};

} // namespace orv
