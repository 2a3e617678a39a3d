#include "../FuzzTargets.h"
#include "Input.h"
#include "values/DataError.h"
#include "values/Format.h"

namespace orv::fuzz {

// A picture, then (after a NUL) a value: a raw amount or, when the input
// ends early, the text that follows.
void numberFormat(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const QString picture = in.text();
    const QString text = in.text();
    const std::int64_t raw = in.int64();
    try {
        (void)formatNumber(Variant(text), picture);
    } catch (const DataError&) {
    }
    try {
        (void)formatNumber(Variant(Currency::fromRaw(raw)), picture);
        (void)formatNumber(Variant(raw), picture);
        (void)formatNumber(Variant(static_cast<double>(raw) / 7.0), picture);
        (void)formatNumber(Variant::null(), picture);
    } catch (const DataError&) {
    }
}

} // namespace orv::fuzz
