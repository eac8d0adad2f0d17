#include "flags/FlagWord.h"

#include "platform/Errors.h"
#include "util/StringHelpers.h"

namespace {

constexpr int bitsPerWord = 32;
constexpr qsizetype significantDigits = 8;

} // namespace

quint32 ReadHexNumber(const QString &text)
{
    if (text.size() < 2 || text.front() != u'$')
        throw ConversionError::invalidInteger(text);
    quint32 value = 0;
    qsizetype significant = 0;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const std::optional<int> digit = HexDigitValue(text[i]);
        if (!digit)
            throw ConversionError::invalidInteger(text);
        if (significant > 0 || *digit != 0)
            ++significant;
        if (significant > significantDigits)
            throw ConversionError::invalidInteger(text);
        value = (value << 4) | quint32(*digit);
    }
    return value;
}

std::optional<quint32> MaskOfText(const QString &maskText)
{
    try {
        return ReadHexNumber(u'$' + maskText);
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}

QString HexDigits8(quint32 value)
{
    return QStringLiteral("%1").arg(value, 8, 16, QChar(u'0')).toUpper();
}

QString DecimalFooter(quint32 value)
{
    return QStringLiteral("%1").arg(value, 12);
}

quint32 ReverseBits32(quint32 word)
{
    quint32 mirrored = 0;
    for (int bit = 0; bit < bitsPerWord; ++bit) {
        if (word & (quint32(1) << bit))
            mirrored |= quint32(1) << (bitsPerWord - 1 - bit);
    }
    return mirrored;
}

QString ReversedHexText(const QString &text)
{
    return u'$' + HexDigits8(ReverseBits32(ReadHexNumber(u'$' + HexDigitsOnly(text))));
}

void TFlagWordSum::add(bool ticked, const QString &maskText)
{
    if (ticked)
        m_value |= MaskOfText(maskText).value_or(0);
}

std::optional<QString> HexTextToStore(const QString &value)
{
    if (value.isEmpty())
        return std::nullopt;
    const qsizetype dollar = value.indexOf(u'$');
    const QString fromDollar = dollar >= 0 ? value.sliced(dollar) : value;
    if (fromDollar.size() < 2)
        return std::nullopt;
    return ShortText(dollar >= 0 ? fromDollar : u'$' + fromDollar);
}

std::optional<bool> TickForFlagWord(quint32 word, quint32 mask, bool oredFlag)
{
    if (word & mask)
        return true;
    if (oredFlag)
        return std::nullopt;
    return false;
}

QString StandardMask(int row, bool bottomUp)
{
    if (row < 0 || row >= bitsPerWord)
        return HexDigits8(0);
    const int bit = bottomUp ? row : bitsPerWord - 1 - row;
    return HexDigits8(quint32(1) << bit);
}

quint32 ReadStoredHexNumber(const QString &value)
{
    return ReadHexNumber(HexTextToStore(value).value_or(value));
}
