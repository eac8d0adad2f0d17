#include "util/MachineInfo.h"

#include "platform/DayCount.h"

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
    return DayCountOf(modified);
}
