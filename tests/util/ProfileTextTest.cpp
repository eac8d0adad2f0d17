#include "util/ProfileText.h"

#include "TextCase.h"

#include <gtest/gtest.h>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// One change to a text and the text it must give.
struct ChangeCase
{
    const char *what;
    QString before;
    QString section;
    QString key;
    QString value;
    QString after;
};

void PrintTo(const ChangeCase &row, std::ostream *out)
{
    *out << row.what;
}

const ChangeCase changeRows[] = {
    {"a new text gets the section and the key", QString(), u"S"_s, u"K"_s, u"V"_s, u"[S]\r\nK=V\r\n"_s},
    {"an existing value is replaced in place, other lines and line ends kept",
     u"; note\n[S]\nA=1\nK = old ; x\nB=2\n"_s, u"S"_s, u"K"_s, u"new"_s,
     u"; note\n[S]\nA=1\nK =new\nB=2\n"_s},
    {"names match regardless of letter case", u"[Positions]\r\nColumn0=3\r\n"_s, u"POSITIONS"_s, u"column0"_s,
     u"0"_s, u"[Positions]\r\nColumn0=0\r\n"_s},
    {"a missing key goes after the last key line, not after blank lines",
     u"[S]\r\nA=1\r\n\r\n\r\n[T]\r\nB=2\r\n"_s, u"s"_s, u"C"_s, u"3"_s,
     u"[S]\r\nA=1\r\nC=3\r\n\r\n\r\n[T]\r\nB=2\r\n"_s},
    {"a missing key in a section without keys goes right after its header", u"[S]\n\n[T]\n"_s, u"S"_s,
     u"K"_s, u"V"_s, u"[S]\nK=V\r\n\n[T]\n"_s},
    {"a missing section is appended at the end", u"[S]\nA=1\n\n"_s, u"T"_s, u"K"_s, u"V"_s,
     u"[S]\nA=1\n\n[T]\r\nK=V\r\n"_s},
    {"a last line without a line end gets one", u"[S]\nA=1"_s, u"S"_s, u"B"_s, u"2"_s,
     u"[S]\nA=1\r\nB=2\r\n"_s},
    {"keys before any section belong to none", u"K=1\n"_s, u""_s, u"K"_s, u"2"_s,
     u"K=1\n[]\r\nK=2\r\n"_s},
    {"the first of two sections of one name is changed", u"[S]\nK=1\n[S]\nK=2\n"_s, u"S"_s, u"K"_s, u"3"_s,
     u"[S]\nK=3\n[S]\nK=2\n"_s},
    {"a section header may carry blanks and text after it", u"  [ S ] ; c\r\nK=1\r\n"_s, u"S"_s, u"K"_s,
     u"2"_s, u"  [ S ] ; c\r\nK=2\r\n"_s},
    {"line breaks in a value cannot add lines", u"[S]\r\n"_s, u"S"_s, u"K"_s, u"a\r\n[T]\nb"_s,
     u"[S]\r\nK=a  [T] b\r\n"_s},
    {"a value with \"=\" is written whole", QString(), u"S"_s, u"K"_s, u"a=b"_s, u"[S]\r\nK=a=b\r\n"_s},
    {"names match regardless of the case of any letter", u"[ÄRGER]\nÖL=1\n"_s, u"ärger"_s, u"öl"_s, u"2"_s,
     u"[ÄRGER]\nÖL=2\n"_s},
    {"a header text inside a value opens no section", u"[S]\nK=[T]\n"_s, u"T"_s, u"K"_s, u"1"_s,
     u"[S]\nK=[T]\n[T]\r\nK=1\r\n"_s},
};

class ProfileTextChange : public ::testing::TestWithParam<ChangeCase>
{
};

TEST_P(ProfileTextChange, GivesTheExpectedText)
{
    const ChangeCase &row = GetParam();
    TProfileText text(row.before);
    text.setValue(row.section, row.key, row.value);
    EXPECT_EQ(text.text(), row.after);
}

INSTANTIATE_TEST_SUITE_P(ProfileText, ProfileTextChange, ::testing::ValuesIn(changeRows));

// A field's section is written anew: every section of its name goes, with
// its header and lines; the others keep their bytes.
TEST(ProfileText, RemovesEverySectionOfANameAndListsTheKeysOfOne)
{
    TProfileText text(u"; top\r\n[Field 00000030]\r\n1=Errors\r\n  [field 00000030] \n2=Warnings\n[IndexOf]\nSection=2"_s);
    EXPECT_EQ(text.keys(u"FIELD 00000030"_s), QStringList({u"1"_s}));
    text.removeSection(u"Field 00000030"_s);
    EXPECT_EQ(text.text(), u"; top\r\n[IndexOf]\nSection=2"_s);
    EXPECT_EQ(text.keys(u"IndexOf"_s), QStringList({u"Section"_s}));
    EXPECT_TRUE(text.keys(u"Field 00000030"_s).isEmpty());
}

TEST(ProfileText, FindsTheRawValueOfTheFirstMatchingKey)
{
    const TProfileText text(u"[A]\nK=1\n[b]\n k = \"x=y\" \nK=2\n[C]\nL\n"_s);
    EXPECT_EQ(text.value(u"B"_s, u"K"_s), u" \"x=y\" "_s);
    EXPECT_EQ(text.value(u"a"_s, u"k"_s), u"1"_s);
    EXPECT_EQ(text.value(u"C"_s, u"L"_s), std::nullopt);
    EXPECT_EQ(text.value(u"C"_s, u"K"_s), std::nullopt);
    EXPECT_EQ(text.value(u"D"_s, u"K"_s), std::nullopt);
}

// Texts made of the characters that matter to the parser, in any order.
QString randomProfileText(std::mt19937 &random)
{
    static const QString alphabet = u"[]=;\"' \t\r\nKkSsäx\u0000"_s;
    std::uniform_int_distribution<qsizetype> length(0, 60);
    std::uniform_int_distribution<qsizetype> pick(0, alphabet.size() - 1);
    QString text;
    for (qsizetype n = length(random); n > 0; --n)
        text.append(alphabet[pick(random)]);
    return text;
}

TEST(ProfileText, AnyTextRoundTripsAndTakesAnyWrite)
{
    std::mt19937 random(1181);
    const QString names[] = {u"K"_s, u"k"_s, u"S"_s, u""_s, u" "_s};
    std::uniform_int_distribution<int> pickName(0, 4);
    for (int round = 0; round < 3000; ++round) {
        const QString before = randomProfileText(random);
        TProfileText text(before);
        ASSERT_EQ(text.text(), before);

        const QString section = names[pickName(random)];
        const QString key = names[pickName(random)];
        text.setValue(section, key, u"v1"_s);
        text.setValue(section, key, u"v2"_s);
        EXPECT_EQ(TProfileText(text.text()).value(section, key), u"v2"_s) << before.toStdString();
    }
}

} // namespace
