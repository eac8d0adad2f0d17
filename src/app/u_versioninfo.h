#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <vector>

struct TBlockHeader;

// A program module as far as its resources go: the Qt resource folder
// into which the build put them. The version resource is the file
// "VS_VERSION_INFO" there.
struct TModule
{
    QString ResourceFolder;
};

// The running program's module.
TModule RunningModule();

// One version string's value and the string table it came from.
struct TVersionStringValue
{
    QString Value;
    int LanguageId = 0;
    int CodePage = 0;
};

// Reads a VS_VERSIONINFO resource and offers its version strings, in the
// order they are stored. Only the last string table counts. Malformed
// bytes never make it read outside the data: such a resource parses as a
// failure, which offers no strings, also to every later query.
class TVersionInfo
{
public:
    struct TVersionString
    {
        QString Key;
        TVersionStringValue Value;
    };

    // The module's version resource; raises TarvexError "Unable to load
    // version info resource" when it has none. Does not parse.
    explicit TVersionInfo(const TModule &Module);
    // Any bytes, taken as the resource.
    explicit TVersionInfo(const QByteArray &Data);
    TVersionInfo(const TVersionInfo &) = delete;
    TVersionInfo &operator=(const TVersionInfo &) = delete;

    int StringCount(); // 0 when the parse fails
    // Raises "Index out of range: " + Index at StringCount() and above,
    // ListIndexError below 0.
    QString KeyAt(int Index);
    // The first string whose key equals Key, letter case ignored. Raises
    // "Key not found" when the parse fails, "Key not found: " + Key when
    // no string has that key.
    QString ValueOf(const QString &Key);

    // What the last parse read, in reading order.
    const std::vector<TVersionString> &Strings() const { return m_strings; }
    // From the last "Translation" block: language in the low 16 bits,
    // code page in the high ones.
    const QList<quint32> &Translations() const { return m_translations; }
    // How often the resource has been walked: every query walks it again
    // until the fixed information has once been found.
    int ParseCount() const { return m_parseCount; }

private:
    bool ParseVersionResource();
    void walkResource();
    void readStringTables(const TBlockHeader &StringFileInfo);
    void readTranslations(const TBlockHeader &VarFileInfo);

    QByteArray m_data;
    std::vector<TVersionString> m_strings;
    QList<quint32> m_translations;
    QByteArrayView m_fixedInfo; // inside m_data; empty until a parse has found it
    bool m_parsed = false;      // the outcome of the last parse
    int m_parseCount = 0;
};
