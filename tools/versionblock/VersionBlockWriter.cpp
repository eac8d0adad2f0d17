#include "VersionBlockWriter.h"

#include <QtEndian>
#include <stdexcept>

namespace {

constexpr quint32 fixedInfoSignature = 0xFEEF04BD;
constexpr quint32 fixedInfoStructureVersion = 0x00010000;

void appendUInt16(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

void appendUInt32(QByteArray &bytes, quint32 value)
{
    appendUInt16(bytes, quint16(value & 0xFFFF));
    appendUInt16(bytes, quint16(value >> 16));
}

void appendUtf16WithNul(QByteArray &bytes, const QString &text)
{
    for (const QChar ch : text)
        appendUInt16(bytes, ch.unicode());
    appendUInt16(bytes, 0);
}

// Blocks start on a 32-bit boundary, so padding counts from the block's start.
void padTo32Bits(QByteArray &bytes)
{
    while (bytes.size() % 4 != 0)
        bytes.append('\0');
}

quint32 versionWord(const quint16 (&parts)[4], int high)
{
    return (quint32(parts[high]) << 16) | parts[high + 1];
}

} // namespace

TVersionBlock ParentBlock(const QString &key, const QList<TVersionBlock> &children)
{
    return TVersionBlock{key, TVersionBlock::Text, 0, {}, children};
}

TVersionBlock StringBlock(const QString &key, const QString &value)
{
    QByteArray bytes;
    appendUtf16WithNul(bytes, value);
    return TVersionBlock{key, TVersionBlock::Text, quint16(value.size() + 1), bytes, {}};
}

TVersionBlock TranslationBlock(const QList<QPair<quint16, quint16>> &languageAndCodePage)
{
    QByteArray bytes;
    for (const auto &[language, codePage] : languageAndCodePage)
        appendUInt32(bytes, (quint32(codePage) << 16) | language);
    return TVersionBlock{QStringLiteral("Translation"), TVersionBlock::Binary, quint16(bytes.size()), bytes, {}};
}

QByteArray FixedFileInfoBytes(const TFixedFileInfo &info)
{
    QByteArray bytes;
    for (const quint32 field :
         {fixedInfoSignature, fixedInfoStructureVersion, versionWord(info.FileVersion, 0),
          versionWord(info.FileVersion, 2), versionWord(info.ProductVersion, 0), versionWord(info.ProductVersion, 2),
          info.FileFlagsMask, info.FileFlags, info.FileOS, info.FileType, info.FileSubtype, 0u, 0u})
        appendUInt32(bytes, field);
    return bytes;
}

QByteArray EncodeVersionBlock(const TVersionBlock &block)
{
    QByteArray bytes;
    appendUInt16(bytes, 0); // wLength, known at the end
    appendUInt16(bytes, block.ValueLength);
    appendUInt16(bytes, block.Type);
    appendUtf16WithNul(bytes, block.Key);
    padTo32Bits(bytes);
    bytes.append(block.Value);
    for (const TVersionBlock &child : block.Children) {
        padTo32Bits(bytes);
        bytes.append(EncodeVersionBlock(child));
    }
    if (bytes.size() > 0xFFFF)
        throw std::length_error("version block \"" + block.Key.toStdString() + "\" is longer than 65535 bytes");
    qToLittleEndian(quint16(bytes.size()), bytes.data());
    return bytes;
}
