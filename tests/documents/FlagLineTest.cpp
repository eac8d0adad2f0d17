#include "documents/FlagLine.h"

#include "support/QStringPrinting.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct FlagWordCase
{
    const char *name;
    QStringList lines; // the double-clicked line is the last one
    QString expected; // "section|key|value part|note", or empty: nothing opens
};

TEST(FindFlagWord, ReadsTheLineAndTheSectionAboveIt)
{
    const FlagWordCase cases[] = {
        {"the example", {u"[ACCESS]"_s, u"FLAGS=$0000A001,bf;Read and write"_s},
         u"ACCESS|FLAGS|$0000A001,bf|Read and write"_s},
        {"above the first section", {u"Flags=$0000A001,bf;x"_s}, {}},
        {"empty brackets", {u"[]"_s, u"Flags=$0000A001"_s}, {}},
        {"a header without its bracket", {u"[Access"_s, u"Flags=$0000A001"_s}, {}},
        {"a comment after the header", {u"[Access] ; comment"_s, u"Flags=$0000A001"_s}, u"Access|Flags|$0000A001|"_s},
        {"a blank before the bracket", {u"[Outer]"_s, u" [Access]"_s, u"Flags=$0000A001"_s},
         u"Outer|Flags|$0000A001|"_s},
        {"a header that begins with the key", {u"[Bits]"_s, u"[Flags]x"_s, u"[Flags=$0000A001"_s},
         u"Bits|[Flags|$0000A001|"_s},
        {"a value part of 5 characters", {u"[Access]"_s, u"Flags=$A001"_s}, {}},
        {"a value part of 9 characters", {u"[Access]"_s, u"Flags=$A001,bfx"_s}, u"Access|Flags|$A001,bfx|"_s},
        {"split at the first =", {u"[Access]"_s, u"Mode=3;Flags=$0000A001"_s}, {}},
        {"an empty key", {u"[Access]"_s, u"=$0000A001,bf"_s}, {}},
        {"no =$", {u"[Access]"_s, u"Flags=0000A001,bf"_s}, {}},
        {"an empty line", {u"[Access]"_s, u""_s}, {}},
        {"blanks before the key", {u"[Access]"_s, u"  Flags=$0000A001"_s}, u"Access|  Flags|$0000A001|"_s},
        {"a note holding ; and ,", {u"[Access]"_s, u"Flags=$0000A001,bf;a;b,c"_s}, u"Access|Flags|$0000A001,bf|a;b,c"_s},
    };
    for (const FlagWordCase &c : cases) {
        const auto found = FindFlagWord([&c](int line) { return c.lines.value(line); }, int(c.lines.size()) - 1);
        const QString actual = found ? QStringList({found->section, found->line.key, found->line.valuePart,
                                                    found->line.note})
                                           .join(u'|')
                                     : QString();
        EXPECT_EQ(actual, c.expected) << c.name;
    }
}

TEST(SplitValuePart, HexTextBeforeTheFirstCommaPrefixAfterIt)
{
    EXPECT_EQ(SplitValuePart(u"$0000A001,bf"_s), std::pair(u"$0000A001"_s, u"bf"_s));
    EXPECT_EQ(SplitValuePart(u"$0000A001"_s), std::pair(u"$0000A001"_s, u""_s));
    EXPECT_EQ(SplitValuePart(u"$1,a,b"_s), std::pair(u"$1"_s, u"a,b"_s));
}

} // namespace
