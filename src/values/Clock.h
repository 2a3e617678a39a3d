#pragma once

#include <QDate>

namespace orv {

// The program's one calendar: the dates the windows offer, the date a report
// prints and the database's db_today() all read today() from here, so that
// pinning it (tests do) moves every one of them together.
QDate today();
// Pins today() to a date; an invalid date returns it to the calendar.
void pinToday(const QDate& date);

} // namespace orv
