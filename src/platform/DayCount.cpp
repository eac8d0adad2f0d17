#include "platform/DayCount.h"

#include <QDateTime>
#include <cmath>

namespace {

constexpr double millisecondsPerDay = 24.0 * 60 * 60 * 1000;

} // namespace

double DayFraction(const QTime &time)
{
    return time.msecsSinceStartOfDay() / millisecondsPerDay;
}

double DayCountOf(const QDateTime &localTime)
{
    const double days = double(DayZero.daysTo(localTime.date()));
    const double fraction = DayFraction(localTime.time());
    return days < 0 ? days - fraction : days + fraction;
}

QDate DateOfDayCount(double days)
{
    return DayZero.addDays(qint64(std::trunc(days)));
}
