#pragma once

#include <QByteArray>
#include <QString>

// How an 8-bit text file was stored, so it can be written back the same way.
struct TextEncoding
{
    enum Kind { Utf8, Windows1252 };
    Kind kind = Utf8;
    bool byteOrderMark = false; // files that began with EF BB BF keep it

    bool operator==(const TextEncoding &) const = default;
};

struct DecodedText
{
    QString text;
    TextEncoding encoding;
};

// UTF-8 when the whole file is valid UTF-8, otherwise Windows-1252 with
// every byte kept (the five unassigned bytes map to U+0081, U+008D,
// U+008F, U+0090 and U+009D).
DecodedText decodeText(const QByteArray &bytes);

// Back to bytes in the given encoding; text that Windows-1252 cannot hold
// is written as UTF-8, and `encoding` then says so.
QByteArray encodeText(const QString &text, TextEncoding &encoding);
