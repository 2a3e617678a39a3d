#include "Clock.h"

#include <atomic>

namespace orv {

namespace {

// The pinned day as a Julian day number; 0 while nothing is pinned. Read from
// the database's own threads as well as the windows'.
std::atomic<qint64> g_pinned{0};

} // namespace

QDate today() {
    const qint64 day = g_pinned.load();
    return day ? QDate::fromJulianDay(day) : QDate::currentDate();
}

void pinToday(const QDate& date) {
    g_pinned.store(date.isValid() ? date.toJulianDay() : 0);
}

} // namespace orv
