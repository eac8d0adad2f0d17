#pragma once

#include <QString>

// The bit definition files of a flag word share one path and differ only
// in their extension: the table file ".bfx" and the settings file ".bfi".

// The path with its extension replaced: when the last of ".", "\", "/"
// and ":" in it is a ".", everything from there on; otherwise the
// extension is appended. C:\data\Myapp.v2Flags -> C:\data\Myapp.bfx.
QString ReplacedExtension(const QString &path, const QString &extension);

QString TableFileName(const QString &flagFileBase);
QString SettingsFileName(const QString &flagFileBase);

// Made absolute against the current directory, at full length: a cut
// path would name another file.
QString FullPath(const QString &name);
