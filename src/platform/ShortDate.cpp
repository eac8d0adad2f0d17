#include "platform/ShortDate.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

QString ShortDateText(const QDate &date, const QLocale &locale)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return locale.toString(date, locale.dateFormat(QLocale::ShortFormat).replace(twoDigitYear, QStringLiteral("yyyy")));
}
