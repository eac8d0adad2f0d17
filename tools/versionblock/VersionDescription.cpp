#include "VersionDescription.h"

#include <QStringList>
#include <stdexcept>
#include <string>

namespace {

enum class Section { None, FixedFileInfo, StringTable, VarFileInfo };

class DescriptionReader
{
public:
    TVersionBlock read(const QString &description);

private:
    [[noreturn]] void fail(const QString &reason) const;
    void startSection(const QString &header);
    void readEntry(const QString &key, const QString &value);
    void readFixedInfo(const QString &key, const QString &value);
    void readVersion(const QString &value, quint16 (&parts)[4]) const;
    quint32 readNumber(const QString &text) const;

    int m_line = 0;
    Section m_section = Section::None;
    bool m_hasFixedInfo = false;
    TFixedFileInfo m_fixedInfo;
    QList<TVersionBlock> m_stringTables;
    QList<QPair<quint16, quint16>> m_translations;
};

TVersionBlock DescriptionReader::read(const QString &description)
{
    for (QString line : description.split(u'\n')) {
        ++m_line;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            startSection(line.mid(1, line.size() - 2));
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            fail(QStringLiteral("expected Key=Value"));
        readEntry(line.left(equals), line.mid(equals + 1));
    }
    if (!m_hasFixedInfo)
        throw std::runtime_error("no [FixedFileInfo] section");

    QList<TVersionBlock> children;
    if (!m_stringTables.isEmpty())
        children.append(ParentBlock(QStringLiteral("StringFileInfo"), m_stringTables));
    if (!m_translations.isEmpty())
        children.append(ParentBlock(QStringLiteral("VarFileInfo"), {TranslationBlock(m_translations)}));
    const QByteArray fixedInfo = FixedFileInfoBytes(m_fixedInfo);
    return TVersionBlock{QStringLiteral("VS_VERSION_INFO"), TVersionBlock::Binary, quint16(fixedInfo.size()), fixedInfo,
                         children};
}

void DescriptionReader::fail(const QString &reason) const
{
    throw std::runtime_error("line " + std::to_string(m_line) + ": " + reason.toStdString());
}

void DescriptionReader::startSection(const QString &header)
{
    static const QString stringTablePrefix = QStringLiteral("StringFileInfo ");
    if (header == u"FixedFileInfo") {
        m_section = Section::FixedFileInfo;
        m_hasFixedInfo = true;
    } else if (header == u"VarFileInfo") {
        m_section = Section::VarFileInfo;
    } else if (header.startsWith(stringTablePrefix)) {
        m_section = Section::StringTable;
        m_stringTables.append(ParentBlock(header.mid(stringTablePrefix.size()), {}));
    } else {
        fail(u"unknown section [" + header + u']');
    }
}

void DescriptionReader::readEntry(const QString &key, const QString &value)
{
    switch (m_section) {
    case Section::None:
        fail(QStringLiteral("entry outside a section"));
    case Section::FixedFileInfo:
        readFixedInfo(key, value);
        break;
    case Section::StringTable:
        m_stringTables.last().Children.append(StringBlock(key, value));
        break;
    case Section::VarFileInfo: {
        const QStringList numbers = value.split(u' ', Qt::SkipEmptyParts);
        if (key != u"Translation" || numbers.isEmpty() || numbers.size() % 2 != 0)
            fail(QStringLiteral("expected Translation=language code-page ..."));
        for (qsizetype i = 0; i < numbers.size(); i += 2)
            m_translations.append({quint16(readNumber(numbers[i])), quint16(readNumber(numbers[i + 1]))});
        break;
    }
    }
}

void DescriptionReader::readFixedInfo(const QString &key, const QString &value)
{
    if (key == u"FileVersion")
        readVersion(value, m_fixedInfo.FileVersion);
    else if (key == u"ProductVersion")
        readVersion(value, m_fixedInfo.ProductVersion);
    else if (key == u"FileFlagsMask")
        m_fixedInfo.FileFlagsMask = readNumber(value);
    else if (key == u"FileFlags")
        m_fixedInfo.FileFlags = readNumber(value);
    else if (key == u"FileOS")
        m_fixedInfo.FileOS = readNumber(value);
    else if (key == u"FileType")
        m_fixedInfo.FileType = readNumber(value);
    else if (key == u"FileSubtype")
        m_fixedInfo.FileSubtype = readNumber(value);
    else
        fail(u"unknown fixed information " + key);
}

void DescriptionReader::readVersion(const QString &value, quint16 (&parts)[4]) const
{
    const QStringList texts = value.split(u'.');
    if (texts.size() != 4)
        fail(QStringLiteral("expected a version of four numbers, as 7.3.9.11"));
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        parts[i] = texts[i].toUShort(&ok);
        if (!ok)
            fail(u"not a version part: " + texts[i]);
    }
}

quint32 DescriptionReader::readNumber(const QString &text) const
{
    bool ok = false;
    const quint32 number = text.trimmed().toUInt(&ok, 0);
    if (!ok)
        fail(u"not a number: " + text);
    return number;
}

} // namespace

TVersionBlock VersionBlockFromDescription(const QString &description)
{
    return DescriptionReader().read(description);
}
