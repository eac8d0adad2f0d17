#pragma once

#include <QString>

// Path texts: "\" and, on this platform, "/" separate folders; ":" ends a
// drive. The file name part of a path is the text after its last "\", "/"
// or ":"; the folder part is the text up to and including it.
// A separator a helper appends is the one the path already uses last ("\"
// when it has none), so "/home/u/Tarvex" gets "/" and "C:\Tools" gets "\".
// A path that starts with "/" is absolute and keeps that "/".

// A directory text ending in exactly one separator; a path containing a
// "." loses its last component (taken for a file name).
// C:\Tools\\Flags\\\ -> C:\Tools\Flags\ ; C:\My.Tools\Flags -> C:\My.Tools\ .
QString NormalizeDirectory(const QString &text);
// WithoutTrailingBackslashes plus one separator; a blank text gives "\".
QString WithTrailingBackslash(const QString &text);
// Trimmed, without any separators at its end; only separators give "".
QString WithoutTrailingBackslashes(const QString &text);
// Trimmed, runs of separators made one, one leading "\" and all trailing
// separators dropped: \\server\share\ -> server\share ; /home/u/ -> /home/u .
QString CleanPathText(const QString &text);

// The text up to and including the last "\", "/" or ":"; empty without one.
QString FolderPart(const QString &path);
// The text after the last "\", "/" or ":"; all of it without one.
QString FileNamePart(const QString &path);

// C:\dir\Flags.old.ini -> Flags (cut at the first dot of the file name).
QString BaseNameWithoutExtension(const QString &path);
// C:\x\Flags_V2.ini -> Flags (drops the last "_" suffix, else the last "-" one).
QString BaseNameWithoutSuffix(const QString &path);
