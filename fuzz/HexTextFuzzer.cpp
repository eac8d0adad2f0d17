// The hex-text reader against a plain reference: "$" and 1 or more hex
// digits, at most 8 of them significant, nothing else.
#include "FuzzSupport.h"

#include "flags/FlagWord.h"
#include "platform/Errors.h"

#include <optional>

namespace {

std::optional<quint32> referenceHex(const QString &text)
{
    if (text.size() < 2 || text[0] != u'$')
        return std::nullopt;
    QString digits = text.mid(1);
    for (QChar ch : digits) {
        const char16_t c = ch.unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return std::nullopt;
    }
    while (digits.size() > 1 && digits[0] == u'0')
        digits.remove(0, 1);
    if (digits.size() > 8)
        return std::nullopt;
    bool ok = false;
    const quint32 value = digits.toUInt(&ok, 16);
    return ok ? std::optional<quint32>(value) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(fuzzInput(data, size));
    std::optional<quint32> read;
    try {
        read = ReadHexNumber(text);
    } catch (const ConversionError &error) {
        require(error.message() == QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text),
                "the conversion error names the whole text");
    }
    require(read == referenceHex(text), "the reader agrees with the reference");
    if (const std::optional<QString> stored = HexTextToStore(text))
        require(stored->startsWith(u'$') && stored->size() >= 2 && stored->size() <= 255, "a stored hex text");
    return 0;
}
