#include "../FuzzTargets.h"
#include "Input.h"
#include "values/DataError.h"
#include "values/Variant.h"

#include <cmath>
#include <cstring>

namespace orv::fuzz {

namespace {

constexpr DataType kTypes[] = {DataType::Empty,   DataType::Null,   DataType::Boolean,  DataType::SmallInt,
                               DataType::Integer, DataType::BigInt, DataType::Currency, DataType::Double,
                               DataType::Date,    DataType::Text};

// A value of the kind the input's byte picks, from its text or its number.
Variant make(Input& in, const QString& text) {
    const std::int64_t n = in.int64();
    switch (in.byte() % 8) {
    case 0:
        return Variant(text);
    case 1:
        return Variant(static_cast<std::int32_t>(n));
    case 2:
        return Variant(n);
    case 3:
        return Variant(Currency::fromRaw(n));
    case 4: {
        double d = 0;
        std::memcpy(&d, &n, sizeof d);
        return Variant(d);
    }
    case 5:
        return Variant(QDate::fromJulianDay(n % 10'000'000));
    case 6:
        return Variant(n % 2 == 0);
    default:
        return Variant::smallInt(static_cast<std::int16_t>(n));
    }
}

std::optional<Variant> convert(const Variant& v, DataType t) {
    try {
        return v.convertedTo(t);
    } catch (const DataError&) {
        return std::nullopt;
    }
}

} // namespace

// A text, then (after a NUL) a number and the kind of value to make.
void variant(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const QString text = in.text();
    const Variant v = make(in, text);
    (void)v.toString();
    (void)isNumericText(text);
    for (DataType t : kTypes) {
        const std::optional<Variant> c = convert(v, t);
        if (!c)
            continue;
        require(c->type() == t || c->isNull() || (t == DataType::Empty && c->isEmpty()),
                "a conversion gave another type");
        // A converted number shown as text reads back as the same number.
        if (c->type() == DataType::Currency || c->type() == DataType::BigInt ||
            c->type() == DataType::Integer || c->type() == DataType::SmallInt) {
            const std::optional<Variant> back = convert(Variant(c->toString()), t);
            require(back && *back == *c, "a " + dataTypeName(t).toStdString() +
                                             " does not read back from \"" + c->toString().toStdString() +
                                             "\"");
        }
        if (c->type() == DataType::Double && std::isfinite(c->toDouble())) {
            const std::optional<Variant> back = convert(Variant(c->toString()), t);
            require(back.has_value(), "a number does not read back: " + c->toString().toStdString());
        }
    }
}

} // namespace orv::fuzz
