#pragma once

#include <QString>

class QDate;
class QLocale;

// `date` in the locale's short date format, its year always with four
// digits: a two-digit year would lose the century (30.12.1899, not 30.12.99).
QString ShortDateText(const QDate &date, const QLocale &locale);
