#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The arithmetic of one 32-bit flag word, apart from any window. Bit 0 is
// the least significant bit.

// A hex text: "$" and 1 or more hexadecimal digits of either case, at most
// 8 of them significant (leading zeros do not count), nothing else, no
// blanks. Anything else raises the conversion error naming the whole text:
// "'$A00G' ist kein gültiger Integerwert".
quint32 ReadHexNumber(const QString &text);

// A table row's mask text ("00000030", no "$") read as a hex text;
// nothing when it is no number, so the row names no bit.
std::optional<quint32> MaskOfText(const QString &maskText);

// 8 uppercase hexadecimal digits, no "$": 40961 -> "0000A001".
QString HexDigits8(quint32 value);
// The decimal footer: right-aligned in 12 characters, "       40961".
QString DecimalFooter(quint32 value);

// Bit i of the result is bit 31 - i of `word`.
quint32 ReverseBits32(quint32 word);
// The hex digits of `text` read as one number, mirrored, as "$" and 8
// digits: "$0000A001" -> "$80050000". No digit, or more than 8 significant
// ones, raises the conversion error.
QString ReversedHexText(const QString &text);

// The flag word of a table: the bitwise OR of the masks of its ticked rows.
// A mask text that is empty once trimmed, or not hexadecimal, counts for
// nothing. (A sum would set a bit no ticked row names when two rows share
// a mask.)
class TFlagWordSum
{
public:
    void add(bool ticked, const QString &maskText);
    quint32 value() const { return m_value; }

private:
    quint32 m_value = 0;
};

// What writing the hex text `value` stores: the text from its first "$"
// on, or the whole text behind a "$" when it has none, cut to 255
// characters. Nothing when the text is empty or shorter than 2 characters
// from its "$" on ("$" alone, "7").
std::optional<QString> HexTextToStore(const QString &value);

// A row's tick once the flag word `word` is set: ticked when its mask shares
// a bit with the word, otherwise unticked, or left as it is with `oredFlag`
// (nothing).
std::optional<bool> TickForFlagWord(quint32 word, quint32 mask, bool oredFlag);

// The standard mask of a row as 8 digits: top-down row r stands for bit
// 31 - r, bottom-up row r for bit r; rows after the 32nd hold "00000000".
QString StandardMask(int row, bool bottomUp);

// The number that writing the hex text `value` stores (HexTextToStore). A
// text that stores nothing is read as it is, so "$" alone raises the
// conversion error as any other text that is no number.
quint32 ReadStoredHexNumber(const QString &value);
