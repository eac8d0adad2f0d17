#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <array>
#include <optional>

namespace {

constexpr char byteOrderMarkUtf8[] = "\xEF\xBB\xBF";

// Code points of the bytes 0x80..0x9F; the rest of Windows-1252 equals Latin-1.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QChar windows1252ToChar(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(windows1252High[byte - 0x80]);
    return QChar(char16_t(byte));
}

std::optional<char> charToWindows1252(QChar ch)
{
    const char16_t code = ch.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (std::size_t i = 0; i < windows1252High.size(); ++i) {
        if (windows1252High[i] == code)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

std::optional<QString> strictUtf8(QByteArrayView bytes)
{
    // The file's own mark is already cut off: a second one is text.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QByteArray> toWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text) {
        const std::optional<char> byte = charToWindows1252(ch);
        if (!byte)
            return std::nullopt;
        bytes.append(*byte);
    }
    return bytes;
}

} // namespace

DecodedText decodeText(const QByteArray &bytes)
{
    const bool bom = bytes.startsWith(byteOrderMarkUtf8);
    const QByteArrayView content = bom ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    if (std::optional<QString> text = strictUtf8(content))
        return {*text, {TextEncoding::Utf8, bom}};

    // The byte order mark stays out of the text here too, or the first line
    // would no longer read as what it is.
    QString text;
    text.reserve(content.size());
    for (char byte : content)
        text.append(windows1252ToChar(static_cast<unsigned char>(byte)));
    return {text, {TextEncoding::Windows1252, bom}};
}

QByteArray encodeText(const QString &text, TextEncoding &encoding)
{
    std::optional<QByteArray> bytes;
    if (encoding.kind == TextEncoding::Windows1252)
        bytes = toWindows1252(text);
    if (!bytes) {
        encoding.kind = TextEncoding::Utf8;
        bytes = text.toUtf8();
    }
    if (encoding.byteOrderMark)
        bytes->prepend(byteOrderMarkUtf8);
    return *bytes;
}
