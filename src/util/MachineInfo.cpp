#include "util/MachineInfo.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSysInfo>
#include <pwd.h>
#include <unistd.h>

namespace {

// The length a network name has at most on the desktop the system was made for.
constexpr qsizetype computerNameLength = 15;

constexpr int firstPackedYear = 1980;
constexpr int lastPackedYear = 2043;
constexpr double millisecondsPerDay = 24.0 * 60 * 60 * 1000;

double daysSinceDayZero(const QDateTime &localTime)
{
    const QDate dayZero(1899, 12, 30);
    return double(dayZero.daysTo(localTime.date()))
        + localTime.time().msecsSinceStartOfDay() / millisecondsPerDay;
}

} // namespace

QString ComputerName()
{
    return QSysInfo::machineHostName().left(computerNameLength);
}

QString UserName()
{
    const passwd *entry = getpwuid(geteuid());
    if (entry == nullptr || entry->pw_name == nullptr)
        return QString();
    return QString::fromLocal8Bit(entry->pw_name);
}

double FileDateTime(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return 0;
    const QDateTime modified = file.lastModified().toLocalTime();
    const int year = modified.date().year();
    if (year < firstPackedYear || year > lastPackedYear)
        return 0;
    return daysSinceDayZero(modified);
}
