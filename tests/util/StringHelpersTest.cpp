#include "util/StringHelpers.h"

#include "TextCase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const TextCase textRows[] = {
    ROW(CapitalizeFirst, u"hELLO wORLD"_s, u"Hello world"_s),
    ROW(CapitalizeFirst, u"FLAGS"_s, u"Flags"_s),
    ROW(CapitalizeFirst, u"1ABC"_s, u"1abc"_s),
    ROW(CapitalizeFirst, u"ÄBC"_s, u"Äbc"_s),
    ROW(CapitalizeFirst, u"äbc"_s, u"äbc"_s),
    ROW(CapitalizeFirst, u"ACCESS"_s, u"Access"_s),
    ROW(CapitalizeFirst, u"myFlags"_s, u"Myflags"_s),
    ROW(CapitalizeFirst, u"z[@`{"_s, u"Z[@`{"_s),
    ROW(CapitalizeFirst, QString(), QString()),
    ROW(ReverseText, u"abc"_s, u"cba"_s),
    ROW(ReverseText, QString(), QString()),
    ROW(HexDigitsOnly, u"$00a0_FF;x"_s, u"00a0FF"_s),
    ROW(HexDigitsOnly, u"G"_s, QString()),
    ROW(HexDigitsOnly, u"/9:@AFGafg`"_s, u"9AFaf"_s),
    ROW(TextBeforeFirstDot, u"unit.flags.inc"_s, u"unit"_s),
    ROW(TextBeforeFirstDot, u".hidden"_s, QString()),
    ROW(TextBeforeFirstDot, u"plain"_s, u"plain"_s),
    ROW(TrimBlanks, u"\u0001 a b \u0020\t"_s, u"a b"_s),
    ROW(TrimBlanks, u"\u00A0a!"_s, u"\u00A0a!"_s),
    ROW(TrimBlanks, u"   "_s, QString()),
};

INSTANTIATE_TEST_SUITE_P(StringHelpers, TextFunction, ::testing::ValuesIn(textRows));

struct SplitCase
{
    QString separators;
    QString source;
    QString head;
    QString rest;
};

void PrintTo(const SplitCase &row, std::ostream *out)
{
    PrintTo(row.separators, out);
    *out << ", ";
    PrintTo(row.source, out);
    *out << " -> ";
    PrintTo(row.head, out);
    *out << ", ";
    PrintTo(row.rest, out);
}

const SplitCase splitRows[] = {
    // The set's order decides: "_" is tried first and occurs, though "-" comes earlier.
    {u"_-"_s, u"a-b_c"_s, u"a-b"_s, u"c"_s},
    {u"_-"_s, u"a-b-c"_s, u"a"_s, u"b-c"_s},
    {u"=;"_s, u"Key=$0001;x"_s, u"Key"_s, u"$0001;x"_s},
    {u";"_s, u"abc"_s, u"abc"_s, QString()},
    {u";"_s, u";abc"_s, QString(), u"abc"_s},
    {u";"_s, u"abc;"_s, u"abc"_s, QString()},
    {QString(), u"abc"_s, QString(), u"abc"_s},
    {u";"_s, QString(), QString(), QString()},
};

class SplitOff : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitOff, CutsAtTheFirstSeparatorOfTheSetThatOccurs)
{
    const SplitCase &row = GetParam();
    QString source = row.source;
    EXPECT_EQ(SplitOffAtAny(row.separators, source), row.head);
    EXPECT_EQ(source, row.rest);
}

INSTANTIATE_TEST_SUITE_P(StringHelpers, SplitOff, ::testing::ValuesIn(splitRows));

struct BeforeCase
{
    QString separators;
    QString text;
    QString head;
};

void PrintTo(const BeforeCase &row, std::ostream *out)
{
    PrintTo(row.separators, out);
    *out << ", ";
    PrintTo(row.text, out);
    *out << " -> ";
    PrintTo(row.head, out);
}

const BeforeCase beforeRows[] = {
    {u";"_s, u"$0000A001;bits"_s, u"$0000A001"_s},
    {u",;"_s, u"a;b,c"_s, u"a;b"_s},
    {u";"_s, u"abc"_s, u"abc"_s},
    {QString(), u"abc"_s, QString()},
};

class TextBefore : public ::testing::TestWithParam<BeforeCase>
{
};

TEST_P(TextBefore, GivesTheHeadAndLeavesTheTextAlone)
{
    const BeforeCase &row = GetParam();
    QString text = row.text; // not const: a helper that cut the text would show here
    EXPECT_EQ(TextBeforeAny(row.separators, text), row.head);
    EXPECT_EQ(text, row.text);
}

INSTANTIATE_TEST_SUITE_P(StringHelpers, TextBefore, ::testing::ValuesIn(beforeRows));

} // namespace
