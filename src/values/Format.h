#pragma once

#include "Variant.h"

#include <QString>

namespace orv {

// Formats a number with a picture of the kinds the windows and reports use:
// "$ ##0.00", "#,##0.00;(#,##0.00)", "0.00", "#,##0", "0". A second section
// after ';' is used for negative values (without the minus sign); with one
// section a negative value gets a leading minus. Rounding is half away from
// zero. Blank values give the empty text; text values that are not numbers are
// returned unchanged.
QString formatNumber(const Variant& value, const QString& picture);

} // namespace orv
