#pragma once

#include <QDate>

class QDateTime;
class QTime;

// Date-time values are days since 30 December 1899; the fraction is the
// local time of day, taken away from the day count before that date.
inline const QDate DayZero{1899, 12, 30};

double DayFraction(const QTime &time);
double DayCountOf(const QDateTime &localTime);
// The date of a day count: its whole days, the time of day dropped.
QDate DateOfDayCount(double days);
