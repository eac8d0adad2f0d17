#pragma once

#include <QString>

// The machine's network name, at most 15 characters; empty when unknown.
QString ComputerName();
// The logged-on user's login name from the system's user database; empty
// when unknown.
QString UserName();
// Last modification time as days since 30 December 1899, the fraction being
// the local time of day; 0 for a missing file, a folder, or a time outside
// the years 1980..2043 (the range of the packed file date form).
double FileDateTime(const QString &path);
