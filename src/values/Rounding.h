#pragma once

namespace orv {

// Wide enough for a money amount times a rate or a quantity.
using Wide = __int128;

// n / d rounded half away from zero; d != 0. The one rounding rule of the
// books, shared by the money type and the database's money functions.
constexpr Wide divRoundHalfAway(Wide n, Wide d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    Wide q = n / d;
    Wide r = n % d;
    if (r < 0)
        r = -r;
    if (2 * r >= d)
        q += (n < 0) ? -1 : 1;
    return q;
}

} // namespace orv
