#include "Variant.h"

#include "DataError.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace orv {

QString isoDate(const QDate& date) {
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 1 || year > 9999)
        return date.toString(Qt::ISODate); // what Qt makes of such a date, as before
    const char16_t text[10] = {char16_t(u'0' + year / 1000),
                               char16_t(u'0' + year / 100 % 10),
                               char16_t(u'0' + year / 10 % 10),
                               char16_t(u'0' + year % 10),
                               u'-',
                               char16_t(u'0' + month / 10),
                               char16_t(u'0' + month % 10),
                               u'-',
                               char16_t(u'0' + day / 10),
                               char16_t(u'0' + day % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

QString dataTypeName(DataType t) {
    switch (t) {
    case DataType::Empty:
        return QStringLiteral("empty");
    case DataType::Null:
        return QStringLiteral("null");
    case DataType::Boolean:
        return QStringLiteral("boolean");
    case DataType::SmallInt:
        return QStringLiteral("small integer");
    case DataType::Integer:
        return QStringLiteral("integer");
    case DataType::BigInt:
        return QStringLiteral("big integer");
    case DataType::Currency:
        return QStringLiteral("currency");
    case DataType::Double:
        return QStringLiteral("double");
    case DataType::Date:
        return QStringLiteral("date");
    case DataType::Text:
        return QStringLiteral("text");
    }
    return QString();
}

namespace {

[[noreturn]] void cannot(const Variant& v, DataType target) {
    throw DataError(QStringLiteral("\"%1\" is not a valid %2").arg(v.toString(), dataTypeName(target)));
}

// Whole number from text: optional sign and digits, blanks around.
bool parseWhole(const QString& text, std::int64_t* out) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
    if (!ok)
        return false;
    *out = v;
    return true;
}

bool parseDate(const QString& text, QDate* out) {
    const QString t = text.trimmed();
    QDate d = QDate::fromString(t, Qt::ISODate);
    if (!d.isValid())
        d = QDateTime::fromString(t, Qt::ISODate).date();
    if (!d.isValid())
        d = QDate::fromString(t, QStringLiteral("d/M/yyyy"));
    if (!d.isValid())
        return false;
    *out = d;
    return true;
}

} // namespace

Variant Variant::null() {
    Variant v;
    v.m_type = DataType::Null;
    return v;
}
Variant::Variant(bool v) : m_type(DataType::Boolean), m_value(v) {}
Variant Variant::smallInt(std::int16_t v) {
    Variant r(static_cast<std::int64_t>(v));
    r.m_type = DataType::SmallInt;
    return r;
}
Variant::Variant(std::int32_t v) : m_type(DataType::Integer), m_value(static_cast<std::int64_t>(v)) {}
Variant::Variant(std::int64_t v) : m_type(DataType::BigInt), m_value(v) {}
Variant::Variant(Currency v) : m_type(DataType::Currency), m_value(v) {}
Variant::Variant(double v) : m_type(DataType::Double), m_value(v) {}
Variant::Variant(const QDate& v) : m_type(v.isValid() ? DataType::Date : DataType::Null) {
    if (v.isValid())
        m_value = v;
}
Variant::Variant(const QString& v) : m_type(DataType::Text), m_value(v) {}
Variant::Variant(const char* v) : m_type(DataType::Text), m_value(QString::fromUtf8(v)) {}

bool Variant::isNumeric() const {
    switch (m_type) {
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt:
    case DataType::Currency:
    case DataType::Double:
        return true;
    case DataType::Text:
        return isNumericText(std::get<QString>(m_value));
    default:
        return false;
    }
}

QString Variant::toString() const {
    switch (m_type) {
    case DataType::Empty:
    case DataType::Null:
        return QString();
    case DataType::Boolean:
        return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt:
        return QString::number(std::get<std::int64_t>(m_value));
    case DataType::Currency:
        return std::get<Currency>(m_value).toString();
    case DataType::Double: {
        // Fifteen significant digits, as numbers have always been shown; a
        // number near the end of the range that fifteen digits round past it
        // is shown in full, so that its text still reads back as a number.
        const double d = std::get<double>(m_value);
        const QString shown = QString::number(d, 'g', 15);
        bool ok = false;
        const double back = shown.toDouble(&ok);
        if (std::isfinite(d) && (!ok || !std::isfinite(back)))
            return QString::number(d, 'g', QLocale::FloatingPointShortest);
        return shown;
    }
    case DataType::Date:
        return isoDate(std::get<QDate>(m_value));
    case DataType::Text:
        return std::get<QString>(m_value);
    }
    return QString();
}

bool Variant::toBool() const {
    switch (m_type) {
    case DataType::Boolean:
        return std::get<bool>(m_value);
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt:
        return std::get<std::int64_t>(m_value) != 0;
    case DataType::Currency:
        return std::get<Currency>(m_value).raw() != 0;
    case DataType::Double:
        return std::get<double>(m_value) != 0.0;
    case DataType::Text: {
        const QString t = std::get<QString>(m_value).trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        std::int64_t n = 0;
        if (parseWhole(t, &n))
            return n != 0;
        break;
    }
    default:
        break;
    }
    cannot(*this, DataType::Boolean);
}

std::int64_t Variant::toInt64() const {
    switch (m_type) {
    case DataType::Boolean:
        return std::get<bool>(m_value) ? 1 : 0;
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt:
        return std::get<std::int64_t>(m_value);
    case DataType::Currency: {
        // whole part, rounded half away from zero
        const Currency c = std::get<Currency>(m_value).rounded(0);
        return c.raw() / Currency::kScale;
    }
    case DataType::Double: {
        const double d = std::round(std::get<double>(m_value));
        if (!std::isfinite(d) || d >= 9.2233720368547758e18 || d < -9.2233720368547758e18)
            break;
        return static_cast<std::int64_t>(d);
    }
    case DataType::Text: {
        std::int64_t n = 0;
        if (parseWhole(std::get<QString>(m_value), &n))
            return n;
        break;
    }
    default:
        break;
    }
    cannot(*this, DataType::BigInt);
}

std::int32_t Variant::toInt32() const {
    const std::int64_t v = toInt64();
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        cannot(*this, DataType::Integer);
    return static_cast<std::int32_t>(v);
}

std::int16_t Variant::toInt16() const {
    const std::int64_t v = toInt64();
    if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
        cannot(*this, DataType::SmallInt);
    return static_cast<std::int16_t>(v);
}

Currency Variant::toCurrency() const {
    switch (m_type) {
    case DataType::Boolean:
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt:
        return Currency::fromUnits(toInt64());
    case DataType::Currency:
        return std::get<Currency>(m_value);
    case DataType::Double:
        return Currency::fromDouble(std::get<double>(m_value));
    case DataType::Text: {
        Currency c;
        QString why;
        if (Currency::tryParse(std::get<QString>(m_value), &c, &why))
            return c;
        throw DataError(why);
    }
    default:
        break;
    }
    cannot(*this, DataType::Currency);
}

double Variant::toDouble() const {
    switch (m_type) {
    case DataType::Boolean:
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt:
        return static_cast<double>(toInt64());
    case DataType::Currency:
        return std::get<Currency>(m_value).toDouble();
    case DataType::Double:
        return std::get<double>(m_value);
    case DataType::Text: {
        bool ok = false;
        QString t = std::get<QString>(m_value).trimmed();
        // A comma only separates thousands; "12,34" is no number.
        static const QRegularExpression grouped(QStringLiteral(R"(^[+-]?\d{1,3}(,\d{3})+(\.\d*)?$)"));
        if (t.contains(QLatin1Char(',')) && !grouped.match(t).hasMatch())
            break;
        t.remove(QLatin1Char(','));
        const double d = t.toDouble(&ok);
        if (ok && std::isfinite(d))
            return d;
        break;
    }
    default:
        break;
    }
    cannot(*this, DataType::Double);
}

QDate Variant::toDate() const {
    if (m_type == DataType::Date)
        return std::get<QDate>(m_value);
    if (m_type == DataType::Text) {
        QDate d;
        if (parseDate(std::get<QString>(m_value), &d))
            return d;
    }
    cannot(*this, DataType::Date);
}

Variant Variant::convertedTo(DataType target) const {
    if (m_type == target)
        return *this;
    if (isBlank()) {
        // A blank text for a number or date field reads as null, as an
        // emptied grid cell does.
        return target == DataType::Empty ? Variant() : Variant::null();
    }
    if (m_type == DataType::Text && target != DataType::Text &&
        std::get<QString>(m_value).trimmed().isEmpty())
        return Variant::null();
    switch (target) {
    case DataType::Empty:
        return Variant();
    case DataType::Null:
        return Variant::null();
    case DataType::Boolean:
        return Variant(toBool());
    case DataType::SmallInt:
        return Variant::smallInt(toInt16());
    case DataType::Integer:
        return Variant(toInt32());
    case DataType::BigInt:
        return Variant(toInt64());
    case DataType::Currency:
        return Variant(toCurrency());
    case DataType::Double:
        return Variant(toDouble());
    case DataType::Date:
        return Variant(toDate());
    case DataType::Text:
        return Variant(toString());
    }
    return *this;
}

bool Variant::operator==(const Variant& o) const {
    return m_type == o.m_type && m_value == o.m_value;
}

bool isNumericText(const QString& text) {
    Currency c;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    if (Currency::tryParse(t, &c))
        return true;
    bool ok = false;
    const double d = t.toDouble(&ok);
    return ok && std::isfinite(d);
}

} // namespace orv
