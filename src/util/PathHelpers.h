#pragma once

#include <QString>

// Path texts: "\" and, on this platform, "/" separate folders; ":" ends a
// drive. A path written with "/" keeps "/" as its separator, and an
// absolute one keeps its leading "/".

// A directory text ending in exactly one separator; a path containing a
// "." loses its last component (taken for a file name).
QString NormalizeDirectory(const QString &text);
QString WithTrailingBackslash(const QString &text);
QString WithoutTrailingBackslashes(const QString &text);
QString CleanPathText(const QString &text);

// C:\dir\Flags.old.ini -> Flags (cut at the first dot of the file name).
QString BaseNameWithoutExtension(const QString &path);
// C:\x\Flags_V2.ini -> Flags (drops the last "_" suffix, else the last "-" one).
QString BaseNameWithoutSuffix(const QString &path);
