#include "grid/CellConversions.h"

#include "platform/DayCount.h"
#include "platform/Errors.h"

#include <QDateTime>
#include <QStringList>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr qint64 millisecondsPerDay = 24LL * 60 * 60 * 1000;

std::optional<qint64> parseWholeNumber(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    int base = 10;
    if (text.startsWith(u'$')) {
        base = 16;
        text = text.mid(1);
    } else if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        text = text.mid(2);
    }
    bool ok = false;
    const quint64 magnitude = text.toULongLong(&ok, base);
    // toULongLong itself takes a "0x" prefix and blanks; neither may follow ours.
    if (!ok || text.isEmpty() || !text.front().isLetterOrNumber() || text.back().isSpace())
        return std::nullopt;
    const quint64 limit = base == 16 ? 0xFFFFFFFFULL : quint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    if (magnitude > limit)
        return std::nullopt;
    // Hexadecimal text is a 32-bit pattern: $FFFFFFFF is -1.
    const qint64 value = base == 16 ? qint64(qint32(quint32(magnitude))) : qint64(magnitude);
    return negative ? -value : value;
}

std::optional<QDateTime> parseDateTime(const QString &text)
{
    static const QStringList formats = {QStringLiteral("d.M.yyyy H:mm:ss"), QStringLiteral("d.M.yyyy H:mm"),
                                        QStringLiteral("d.M.yyyy")};
    for (const QString &format : formats) {
        const QDateTime value = QDateTime::fromString(text, format);
        if (value.isValid())
            return value;
    }
    return std::nullopt;
}

std::optional<QTime> parseTime(const QString &text)
{
    for (const QString &format : {QStringLiteral("H:mm:ss"), QStringLiteral("H:mm")}) {
        const QTime value = QTime::fromString(text, format);
        if (value.isValid())
            return value;
    }
    return std::nullopt;
}

} // namespace

namespace CellConversions {

bool toBoolean(const QString &Text)
{
    if (Text.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (Text.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = parseWholeNumber(QStringView(Text).trimmed()))
        return *number != 0;
    throw ConversionError::invalidBoolean(Text);
}

QString fromBoolean(bool Value)
{
    return Value ? QStringLiteral("True") : QStringLiteral("False");
}

int toInteger(const QString &Text)
{
    QStringView text(Text);
    while (!text.isEmpty() && text.front().isSpace())
        text = text.mid(1);
    const auto number = parseWholeNumber(text);
    if (!number || *number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
        throw ConversionError::invalidInteger(Text);
    return int(*number);
}

double toFloat(const QString &Text)
{
    QString text = Text.trimmed();
    text.replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw ConversionError::invalidFloat(Text);
    return value;
}

QString fromFloat(double Value)
{
    return QString::number(Value, 'g', 15);
}

double toDateTime(const QString &Text)
{
    const QString text = Text.trimmed();
    if (text.isEmpty())
        return 0.0;
    if (const auto value = parseDateTime(text)) {
        return DayCountOf(*value);
    }
    if (const auto time = parseTime(text))
        return DayFraction(*time);
    throw ConversionError(QStringLiteral("'%1' ist kein gültiges Datum und Uhrzeit").arg(Text));
}

QString fromDateTime(double Value)
{
    const double wholeDays = std::trunc(Value);
    const qint64 milliseconds = std::llround(std::fabs(Value - wholeDays) * double(millisecondsPerDay));
    const QDate date = DateOfDayCount(Value);
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(std::min(milliseconds, millisecondsPerDay - 1)));
    const QString dateText = date.toString(QStringLiteral("dd.MM.yyyy"));
    if (time.msecsSinceStartOfDay() < 1000)
        return dateText;
    return dateText + u' ' + time.toString(QStringLiteral("hh:mm:ss"));
}

} // namespace CellConversions
