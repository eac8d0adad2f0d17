#pragma once

#include "util/ProfileText.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Key-by-key access to an INI file on disk. Every read looks at the file
// as it is now; every write reads the whole file, changes the one key and
// replaces the file atomically before it returns, so nothing is held back
// and a failed write leaves the old file intact. The file keeps its
// encoding; lines the store does not change keep their bytes.
class TProfileFile
{
public:
    // A relative name is made absolute against the current directory now.
    explicit TProfileFile(const QString &fileName);

    // The file's absolute path.
    const QString &FileName() const { return m_fileName; }

    // The value without blanks at its ends and without one pair of
    // enclosing ' or " quotes, at most 2047 characters; `defaultValue`
    // when the file, the section or the key is missing.
    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
    // "0x1F" (hexadecimal, more than two characters), "-12", "$1F";
    // any other text gives `defaultValue`.
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    // An integer; any value other than 0 is true.
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;

    // Raise ProfileWriteError ("In %s kann nicht geschrieben werden") when
    // the file cannot be read or replaced.
    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    // Written "1" or "0".
    void WriteBool(const QString &section, const QString &key, bool value);
    // Any change of the text at once, in one write, under the same rules;
    // no write when the text stays as it was.
    void Edit(const std::function<void(TProfileText &)> &change);

    // Nothing is held back: every write is on disk when it returns.
    void UpdateFile() {}

private:
    QString m_fileName;
};

// The file read once, for a caller that reads many keys in one go: the
// same rules and results as TProfileFile's reads, from the file as it was
// when the snapshot was taken.
class TProfileSnapshot
{
public:
    explicit TProfileSnapshot(const TProfileFile &file);
    // A settings file's text, as if read from a file.
    explicit TProfileSnapshot(const QString &text);

    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;
    QStringList Keys(const QString &section) const;

private:
    std::optional<TProfileText> m_text; // none: the file is missing or cannot be read
};
