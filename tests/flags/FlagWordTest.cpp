#include "flags/FlagWord.h"

#include "platform/Errors.h"
#include "support/QStringPrinting.h"

#include <gtest/gtest.h>
#include <optional>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The conversion error's message, or nothing when the text reads.
std::optional<QString> hexError(const QString &text)
{
    try {
        ReadHexNumber(text);
    } catch (const ConversionError &error) {
        return error.message();
    }
    return std::nullopt;
}

TEST(ReadHexNumber, ReadsOneToEightSignificantDigitsOfEitherCase)
{
    const std::vector<std::pair<QString, quint32>> cases = {
        {u"$0"_s, 0},           {u"$a001"_s, 0xA001},          {u"$A001"_s, 0xA001},
        {u"$FFFFFFFF"_s, ~0u},  {u"$0000000012345678"_s, 0x12345678}, {u"$00000000"_s, 0},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(ReadHexNumber(text), value) << text.toStdString();
}

TEST(ReadHexNumber, RefusesEveryOtherTextNamingIt)
{
    for (const QString &text : {u"$123456789"_s, u"$A001 "_s, u"$ A001"_s, u"$"_s, u""_s, u"A001"_s, u"$A00G"_s,
                                u"$-1"_s, u"0x10"_s, u"$$1"_s})
        EXPECT_EQ(hexError(text), u"'"_s + text + u"' ist kein gültiger Integerwert"_s) << text.toStdString();
}

TEST(FlagWordTexts, FootersAndMirroring)
{
    EXPECT_EQ(HexDigits8(40961), u"0000A001"_s);
    EXPECT_EQ(DecimalFooter(40961), u"       40961"_s);
    EXPECT_EQ(DecimalFooter(0), u"           0"_s);
    EXPECT_EQ(DecimalFooter(~0u), u"  4294967295"_s);
    EXPECT_EQ(ReverseBits32(1), 0x80000000u);
    EXPECT_EQ(ReverseBits32(0x0000A001), 0x80050000u);
    EXPECT_EQ(ReversedHexText(u"$0000A001"_s), u"$80050000"_s);
    EXPECT_EQ(ReversedHexText(u"x$80050000;"_s), u"$0000A001"_s);
    EXPECT_THROW(ReversedHexText(u"$G"_s), ConversionError);
}

TEST(HexTextToStore, KeepsTheTextFromItsDollarOrPutsOneInFront)
{
    const std::vector<std::pair<QString, std::optional<QString>>> cases = {
        {u"A001"_s, u"$A001"_s},   {u"$a001"_s, u"$a001"_s}, {u"xx$A001"_s, u"$A001"_s},
        {u"$A001 "_s, u"$A001 "_s}, {u"$"_s, std::nullopt},   {u"7"_s, std::nullopt},
        {u""_s, std::nullopt},      {u"ab$"_s, std::nullopt},  {u"$1$2"_s, u"$1$2"_s},
        {QString(300, u'1'), u"$"_s + QString(254, u'1')},
    };
    for (const auto &[value, stored] : cases)
        EXPECT_EQ(HexTextToStore(value), stored) << value.toStdString();
}

TEST(TFlagWordSum, OrsTheMasksOfTickedRowsAndSkipsTextsThatAreNoNumber)
{
    TFlagWordSum sum;
    sum.add(true, u"00008000"_s);
    sum.add(false, u"00002000"_s);
    sum.add(true, u"00000001"_s);
    sum.add(true, u"00000001"_s); // a second row with the same mask sets no further bit
    sum.add(true, u"0000000G"_s);
    sum.add(true, u" 1"_s);
    sum.add(true, u"  "_s);
    sum.add(true, u"00000000"_s);
    EXPECT_EQ(sum.value(), 0x8001u);
}

} // namespace
