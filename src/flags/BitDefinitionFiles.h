#pragma once

#include <QString>

// The bit definition files of a flag word share one path and differ only
// in their extension: the table file ".bfx" and the settings file ".bfi".

// The path with its extension replaced: when the last of ".", "\", "/"
// and ":" in it is a ".", everything from there on; otherwise the
// extension is appended. C:\data\Myapp.v2Flags -> C:\data\Myapp.bfx.
QString ReplacedExtension(const QString &path, const QString &extension);

// The pair's name for a flag word: the INI file's base name, the section
// and the key joined without separators ("MyappAccessFlags"). A "/" or "\"
// inside a part becomes "_", so a section such as "Paths/Local" names a
// pair beside the INI file rather than one in another folder; so does a
// ".", which the extension rule would take for the extension's start:
// "Net.Access" names MyappNet_accessFlags.bfx, not MyappNet.bfx.
QString FlagFilesName(const QString &iniBaseName, const QString &section, const QString &key);

QString TableFileName(const QString &flagFileBase);
QString SettingsFileName(const QString &flagFileBase);

// Made absolute against the current directory, at full length: a cut
// path would name another file.
QString FullPath(const QString &name);
