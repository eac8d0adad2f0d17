#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// One block of a VS_VERSIONINFO tree as it is stored: wValueLength, wType,
// the key, the value's bytes and the child blocks; wLength and the padding
// are worked out when the tree is written.
struct TVersionBlock
{
    enum Kind : quint16 { Binary = 0, Text = 1 };

    QString Key;
    Kind Type = Text;
    quint16 ValueLength = 0; // in characters for text values, in bytes for binary ones
    QByteArray Value;
    QList<TVersionBlock> Children;
};

// A block without a value that only holds others ("StringFileInfo", a string table).
TVersionBlock ParentBlock(const QString &key, const QList<TVersionBlock> &children);
// A version string: the value as UTF-16 with its NUL, counted in characters.
TVersionBlock StringBlock(const QString &key, const QString &value);
// "Translation": one 32-bit word per pair, language in the low half.
TVersionBlock TranslationBlock(const QList<QPair<quint16, quint16>> &languageAndCodePage);

// The 52 bytes of VS_FIXEDFILEINFO, signature 0xFEEF04BD first.
struct TFixedFileInfo
{
    quint16 FileVersion[4] = {};
    quint16 ProductVersion[4] = {};
    quint32 FileFlagsMask = 0;
    quint32 FileFlags = 0;
    quint32 FileOS = 0;
    quint32 FileType = 0;
    quint32 FileSubtype = 0;
};
QByteArray FixedFileInfoBytes(const TFixedFileInfo &info);

// The published layout, little-endian: wLength, wValueLength, wType, the
// key in UTF-16 with its NUL, padding to a 32-bit boundary, the value, and
// each child on a 32-bit boundary. wLength covers the block up to the end
// of its value or last child, without padding after it. Raises
// std::length_error for a block longer than 65535 bytes.
QByteArray EncodeVersionBlock(const TVersionBlock &block);
