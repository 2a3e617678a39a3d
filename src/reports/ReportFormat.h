#pragma once

#include "values/Variant.h"

#include <QDate>
#include <QString>

namespace orv::reports {

// The text a report control prints for a value.
class ReportFormat {
public:
    // Number pictures ("#,##0.00;(#,##0.00)", "0;(0)", "0") go to the data
    // layer's number formatting; date pictures ("d.MMM.yy", "dd-MM-yyyy")
    // are read here. Without a format a value prints in its default text,
    // a date in the short date form. Blank values print nothing.
    static QString format(const Variant& value, const QString& picture);
    // The short date form, as "%d" prints today.
    static QString shortDate(const QDate& date);
    static bool isDatePicture(const QString& picture);
};

} // namespace orv::reports
