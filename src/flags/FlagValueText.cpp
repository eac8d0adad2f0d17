#include "flags/FlagValueText.h"

#include "util/StringHelpers.h"

namespace {

// Digits may be grouped by "_" or blanks, but only between two digits;
// a control character (a pasted line break) is no separator.
bool isDigitSeparator(QChar ch)
{
    return ch == u'_' || ch == u' ';
}

std::optional<quint32> digitsValue(QStringView digits, int base)
{
    if (digits.isEmpty() || isDigitSeparator(digits.front()) || isDigitSeparator(digits.back()))
        return std::nullopt;
    // Wide enough that one more digit after the largest 32-bit value cannot wrap.
    quint64 value = 0;
    for (const QChar ch : digits) {
        if (isDigitSeparator(ch))
            continue;
        const std::optional<int> digit = HexDigitValue(ch);
        if (!digit || *digit >= base)
            return std::nullopt;
        value = value * quint64(base) + quint64(*digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return quint32(value);
}

} // namespace

std::optional<quint32> ReadTypedFlagValue(const QString &text)
{
    const QStringView number = TrimBlanksView(text);
    if (number.startsWith(u'$'))
        return digitsValue(number.sliced(1), 16);
    if (number.startsWith(u"0x", Qt::CaseInsensitive))
        return digitsValue(number.sliced(2), 16);
    if (number.startsWith(u"0b", Qt::CaseInsensitive))
        return digitsValue(number.sliced(2), 2);
    return digitsValue(number, 10);
}
