#include "documents/IniPrintout.h"

#include "platform/ShortDate.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace {

// The desktop's long time is hours, minutes and seconds without the time
// zone that Qt's long format adds.
QString longTimeFormat(const QLocale &locale)
{
    static const QRegularExpression timeZone(QStringLiteral("\\s*(?<![A-Za-z'])t+(?![A-Za-z'])"));
    return locale.timeFormat(QLocale::LongFormat).remove(timeZone);
}

} // namespace

namespace IniPrintout {

QStringList countedLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString heading(const QDateTime &now, const QLocale &locale, const QString &title)
{
    QString stamp = ShortDateText(now.date(), locale);
    const QTime time = now.time();
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        stamp += u' ' + locale.toString(time, longTimeFormat(locale));
    return stamp + QString(8, u' ') + title;
}

QStringList printedLines(const QString &heading, const QStringList &lines)
{
    return QStringList{heading, QString(94, u'*')} + lines;
}

} // namespace IniPrintout
