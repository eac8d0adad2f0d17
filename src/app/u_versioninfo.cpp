#include "app/u_versioninfo.h"

#include "app/VersionBlock.h"
#include "platform/Errors.h"
#include "util/StringHelpers.h"

#include <QResource>

namespace {

constexpr quint32 fixedInfoSignature = 0xFEEF04BD;

// A string table's key: four hexadecimal digits of language, then four of code page.
int hexField(const QString &digits)
{
    if (digits.isEmpty() || HexDigitsOnly(digits) != digits)
        throw ConversionError::invalidInteger(u'$' + digits);
    return digits.toInt(nullptr, 16);
}

} // namespace

TModule RunningModule()
{
    return TModule{QStringLiteral(":/tarvex")};
}

TVersionInfo::TVersionInfo(const TModule &Module)
{
    const QResource resource(Module.ResourceFolder + u"/VS_VERSION_INFO");
    if (resource.isValid())
        m_data = resource.uncompressedData();
    if (m_data.isEmpty())
        throw TarvexError(QStringLiteral("Unable to load version info resource"));
}

TVersionInfo::TVersionInfo(const QByteArray &Data)
    : m_data(Data)
{
}

int TVersionInfo::StringCount()
{
    return ParseVersionResource() ? int(m_strings.size()) : 0;
}

QString TVersionInfo::KeyAt(int Index)
{
    if (Index >= StringCount())
        throw TarvexError(u"Index out of range: " + QString::number(Index));
    if (Index < 0)
        throw ListIndexError(Index);
    return m_strings[size_t(Index)].Key;
}

QString TVersionInfo::ValueOf(const QString &Key)
{
    if (!ParseVersionResource())
        throw TarvexError(QStringLiteral("Key not found"));
    for (const TVersionString &entry : m_strings) {
        if (entry.Key.compare(Key, Qt::CaseInsensitive) == 0)
            return entry.Value.Value;
    }
    throw TarvexError(u"Key not found: " + Key);
}

bool TVersionInfo::ParseVersionResource()
{
    // Once the fixed information has been found, the outcome of that parse
    // holds for every later query, a failure included.
    if (!m_fixedInfo.isEmpty())
        return m_parsed;
    ++m_parseCount;
    try {
        walkResource();
        m_parsed = true;
    } catch (const TarvexError &) {
        // A resource that is not wholly readable offers nothing.
        m_strings.clear();
        m_translations.clear();
        m_parsed = false;
    }
    return m_parsed;
}

void TVersionInfo::walkResource()
{
    const QByteArrayView data(m_data);
    const TBlockHeader root = ReadBlockHeader(data, 0, data.size());
    qsizetype position = root.Content;
    if (root.wValueLength != 0) {
        m_fixedInfo = ReadBytes(data, position, root.wValueLength, root.End);
        if (ReadUInt32(m_fixedInfo, 0, m_fixedInfo.size()) != fixedInfoSignature)
            throw InvalidVersionResource();
        position = AlignedTo32Bits(position + root.wValueLength);
    }
    while (position < root.End) {
        const TBlockHeader child = ReadBlockHeader(data, position, root.End);
        if (child.Key == u"StringFileInfo")
            readStringTables(child);
        else if (child.Key == u"VarFileInfo")
            readTranslations(child);
        else
            return; // other blocks end the walk; what follows them is not read
        position = AlignedTo32Bits(child.End);
    }
}

void TVersionInfo::readStringTables(const TBlockHeader &StringFileInfo)
{
    const QByteArrayView data(m_data);
    for (qsizetype position = StringFileInfo.Content; position < StringFileInfo.End;) {
        const TBlockHeader table = ReadBlockHeader(data, position, StringFileInfo.End);
        const int languageId = hexField(table.Key.left(4));
        const int codePage = hexField(table.Key.mid(4, 4));
        m_strings.clear(); // each string table replaces the one before
        for (qsizetype at = table.Content; at < table.End;) {
            const TBlockHeader string = ReadBlockHeader(data, at, table.End);
            const QString value = string.wValueLength == 0 ? QString() : ReadUtf16Text(data, string.Content, string.End);
            m_strings.push_back({string.Key, {value, languageId, codePage}});
            at = AlignedTo32Bits(string.End);
        }
        position = AlignedTo32Bits(table.End);
    }
}

void TVersionInfo::readTranslations(const TBlockHeader &VarFileInfo)
{
    const QByteArrayView data(m_data);
    for (qsizetype position = VarFileInfo.Content; position < VarFileInfo.End;) {
        const TBlockHeader var = ReadBlockHeader(data, position, VarFileInfo.End);
        m_translations.clear();
        for (qsizetype at = var.Content; at < var.End; at += 4)
            m_translations.append(ReadUInt32(data, at, var.End));
        position = var.End;
    }
}
