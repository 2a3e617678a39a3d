#include "ReportFormat.h"

#include "values/Format.h"

#include <QLocale>

namespace orv::reports {

namespace {

// A date held as text (ISO "yyyy-MM-dd", as the database keeps dates).
QDate dateOf(const Variant& value) {
    if (value.type() == DataType::Date)
        return value.toDate();
    if (value.type() == DataType::Text)
        return QDate::fromString(value.toString().left(10), Qt::ISODate);
    return {};
}

QString defaultText(const Variant& value) {
    if (value.type() == DataType::Date)
        return ReportFormat::shortDate(value.toDate());
    return value.toString();
}

} // namespace

bool ReportFormat::isDatePicture(const QString& picture) {
    if (picture.contains(u'#') || picture.contains(u'0'))
        return false;
    return picture.contains(u'd') || picture.contains(u'M') || picture.contains(u'y');
}

QString ReportFormat::shortDate(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString ReportFormat::format(const Variant& value, const QString& picture) {
    if (value.isBlank())
        return {};
    if (picture.isEmpty())
        return defaultText(value);
    if (isDatePicture(picture)) {
        const QDate d = dateOf(value);
        return d.isValid() ? QLocale().toString(d, picture) : defaultText(value);
    }
    if (value.type() == DataType::Date)
        return defaultText(value);
    return formatNumber(value, picture);
}

} // namespace orv::reports
