#pragma once

#include "Currency.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <variant>

namespace orv {

// The type of a field or value. The names follow the database's notation.
enum class DataType { Empty, Null, Boolean, SmallInt, Integer, BigInt, Currency, Double, Date, Text };

QString dataTypeName(DataType t);
// A date as the book holds it, YYYY-MM-DD: what QDate::toString(Qt::ISODate)
// gives, written without its formatting machinery (a post writes dozens).
QString isoDate(const QDate& date);

// A value as the record sets and windows pass it around. Conversions that
// cannot be made throw DataError with a message naming the value.
class Variant {
public:
    Variant() = default; // Empty
    static Variant null();
    Variant(bool v);
    static Variant smallInt(std::int16_t v);
    Variant(std::int32_t v);
    Variant(std::int64_t v);
    Variant(Currency v);
    Variant(double v);
    Variant(const QDate& v);
    Variant(const QString& v);
    Variant(const char* v);

    DataType type() const { return m_type; }
    bool isEmpty() const { return m_type == DataType::Empty; }
    bool isNull() const { return m_type == DataType::Null; }
    // Empty or Null: nothing to show.
    bool isBlank() const { return m_type == DataType::Empty || m_type == DataType::Null; }
    bool isNumeric() const;

    // Text form as a window shows it: numbers in plain decimals, dates as
    // ISO "yyyy-MM-dd", booleans "True"/"False", blank as "".
    QString toString() const;
    bool toBool() const;
    std::int16_t toInt16() const;
    std::int32_t toInt32() const;
    std::int64_t toInt64() const;
    Currency toCurrency() const;
    double toDouble() const;
    QDate toDate() const;

    // Converts to the given type (Text keeps any length); throws DataError.
    Variant convertedTo(DataType target) const;

    // Same type and value; Empty equals Empty only.
    bool operator==(const Variant& o) const;

private:
    using Storage = std::variant<std::monostate, bool, std::int64_t, Currency, double, QDate, QString>;
    DataType m_type = DataType::Empty;
    Storage m_value;
};

// True when the text, trimmed, reads as a number: the test the windows use
// to tell a posting number from a failure text.
bool isNumericText(const QString& text);

} // namespace orv
