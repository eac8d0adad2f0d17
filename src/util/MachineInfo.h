#pragma once

#include <QString>

// The machine's network name, at most 15 characters; empty when unknown.
QString ComputerName();
// The logged-on user's login name; empty when unknown.
QString UserName();
// Last modification time as days since 30 December 1899 (local time,
// even seconds); 0 for a missing file, a folder, or a time outside 1980..2043.
double FileDateTime(const QString &path);
