#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// Bounded reading of the blocks of a VS_VERSIONINFO resource. Every read
// stays inside a limit (the end of the enclosing block); whatever does not
// fit raises TarvexError("Invalid version resource"), so no byte outside
// the data is ever read.

class TarvexError;

// TarvexError("Invalid version resource").
TarvexError InvalidVersionResource();

// One block's header. The block ends at End; its value or its first child
// begins at Content (after the key and its padding).
struct TBlockHeader
{
    quint16 wLength = 0;
    quint16 wValueLength = 0;
    QString Key;
    qsizetype Content = 0;
    qsizetype End = 0;
};

// The header of the block at Position, which must end by Limit: wLength of
// at least the three fields, even, and the key's NUL inside the block. The
// padding after the key may be left out by a block that ends there.
TBlockHeader ReadBlockHeader(QByteArrayView Data, qsizetype Position, qsizetype Limit);

// The Size bytes at Position, ending by Limit.
QByteArrayView ReadBytes(QByteArrayView Data, qsizetype Position, qsizetype Size, qsizetype Limit);

// The little-endian 32-bit word at Position, ending by Limit.
quint32 ReadUInt32(QByteArrayView Data, qsizetype Position, qsizetype Limit);

// The UTF-16 text at Position up to its NUL, which must come before Limit.
QString ReadUtf16Text(QByteArrayView Data, qsizetype Position, qsizetype Limit);

// Blocks start on 32-bit boundaries of the resource data.
constexpr qsizetype AlignedTo32Bits(qsizetype Position)
{
    return (Position + 3) & ~qsizetype(3);
}
