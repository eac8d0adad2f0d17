#include "app/VersionBlock.h"

#include "platform/Errors.h"

#include <QtEndian>

namespace {

constexpr qsizetype headerFieldsSize = 6; // wLength, wValueLength, wType

[[noreturn]] void invalidResource()
{
    throw InvalidVersionResource();
}

quint16 readUInt16(QByteArrayView data, qsizetype position)
{
    return quint16(quint8(data[position]) | (quint8(data[position + 1]) << 8));
}

// The UTF-16 text at `position` up to its NUL, which must lie entirely
// before `limit`; `end` is where the NUL ends.
QString utf16UpToNul(QByteArrayView data, qsizetype position, qsizetype limit, qsizetype &end)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.data());
    qsizetype nul = position;
    while (nul + 2 <= limit && (bytes[nul] | bytes[nul + 1]) != 0)
        nul += 2;
    if (nul + 2 > limit)
        invalidResource();
    end = nul + 2;
    QString text((nul - position) / 2, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(bytes + position, text.size(), text.data());
    return text;
}

void checkInside(QByteArrayView data, qsizetype position, qsizetype size, qsizetype limit)
{
    if (position < 0 || limit > data.size() || position + size > limit)
        invalidResource();
}

} // namespace

TarvexError InvalidVersionResource()
{
    return TarvexError(QStringLiteral("Invalid version resource"));
}

TBlockHeader ReadBlockHeader(QByteArrayView Data, qsizetype Position, qsizetype Limit)
{
    checkInside(Data, Position, headerFieldsSize, Limit);
    TBlockHeader header;
    header.wLength = readUInt16(Data, Position);
    header.wValueLength = readUInt16(Data, Position + 2);
    // Every part of a block is a whole number of 16-bit units, and a block
    // that does not end after its own fields would let a walk stand still.
    if (header.wLength < headerFieldsSize || header.wLength % 2 != 0)
        invalidResource();
    checkInside(Data, Position, header.wLength, Limit);
    header.End = Position + header.wLength;
    qsizetype keyEnd = 0;
    header.Key = utf16UpToNul(Data, Position + headerFieldsSize, header.End, keyEnd);
    header.Content = qMin(AlignedTo32Bits(keyEnd), header.End);
    return header;
}

QByteArrayView ReadBytes(QByteArrayView Data, qsizetype Position, qsizetype Size, qsizetype Limit)
{
    checkInside(Data, Position, Size, Limit);
    return Data.sliced(Position, Size);
}

quint32 ReadUInt32(QByteArrayView Data, qsizetype Position, qsizetype Limit)
{
    checkInside(Data, Position, 4, Limit);
    return quint32(readUInt16(Data, Position)) | (quint32(readUInt16(Data, Position + 2)) << 16);
}

QString ReadUtf16Text(QByteArrayView Data, qsizetype Position, qsizetype Limit)
{
    checkInside(Data, Position, 0, Limit);
    qsizetype end = 0;
    return utf16UpToNul(Data, Position, Limit, end);
}
