#include "flags/DefinitionChecks.h"

#include "support/QStringPrinting.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct CheckCase
{
    const char *what;
    TIncludeForm form;
    QString prefix;
    std::vector<TIncludeRow> rows; // mask, name, description, a field's named values
    QString flagWord;
    std::vector<TDefinitionFinding> expected;
};

void PrintTo(const CheckCase &c, std::ostream *out)
{
    *out << c.what;
}

class DefinitionChecks : public ::testing::TestWithParam<CheckCase>
{
};

TEST_P(DefinitionChecks, FindWhatWouldBreakOrMisleadTheIncludeFile)
{
    const CheckCase &c = GetParam();
    TIncludeSource source;
    source.prefixText = c.prefix;
    source.rows = c.rows;
    source.flagWordHex = c.flagWord;
    const std::vector<TDefinitionFinding> found = CheckDefinitions(source, c.form);
    ASSERT_EQ(found.size(), c.expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].row, c.expected[i].row);
        EXPECT_EQ(found[i].cell, c.expected[i].cell);
        EXPECT_EQ(found[i].message, c.expected[i].message);
        EXPECT_EQ(found[i].warning, c.expected[i].warning);
    }
}

// 283 characters: equal to the other in the 255 the include file keeps.
const QString longName = QString(280, u'N') + u"One"_s;
const QString otherLongName = QString(280, u'N') + u"Two"_s;

constexpr auto Pascal = TIncludeForm::Pascal;
constexpr auto C = TIncludeForm::C;
constexpr auto Name = TFindingCell::Name;
constexpr auto Mask = TFindingCell::Mask;

INSTANTIATE_TEST_SUITE_P(
    Table, DefinitionChecks,
    ::testing::Values(
        CheckCase{"clean", Pascal, u"bf"_s,
                  {{u"00000002"_s, u"WriteEnable"_s, {}}, {u"00000001"_s, u" Read_1 "_s, {}}, {u"00000004"_s, {}, {}}},
                  u"00000003"_s, {}},
        CheckCase{"a blank inside", Pascal, u"bf"_s, {{u"00000001"_s, u"Write Enable"_s, {}}}, u"00000000"_s,
                  {{0, Name, u"\"bfWrite Enable\" is not an identifier: it contains a blank"_s}}},
        CheckCase{"a leading digit without a prefix", C, {}, {{u"00000001"_s, u"2Way"_s, {}}}, u"00000000"_s,
                  {{0, Name, u"\"2Way\" is not an identifier: it begins with a digit"_s}}},
        CheckCase{"an umlaut", Pascal, u"bf"_s, {{u"00000001"_s, u"Größe"_s, {}}}, u"00000000"_s,
                  {{0, Name, u"\"bfGröße\" is not an identifier: it contains \"ö\", which is not an ASCII letter, digit or _"_s}}},
        CheckCase{"a Pascal keyword in any case", Pascal, {}, {{u"00000001"_s, u"End"_s, {}}}, u"00000000"_s,
                  {{0, Name, u"\"End\" is a keyword of Pascal"_s}}},
        CheckCase{"a C++ keyword for the header", C, {}, {{u"00000001"_s, u"and"_s, {}}}, u"00000000"_s,
                  {{0, Name, u"\"and\" is a keyword of C++"_s}}},
        CheckCase{"names equal but for case in Pascal", Pascal, u"bf"_s,
                  {{u"00000002"_s, u"Read"_s, {}}, {u"00000001"_s, u"READ"_s, {}}}, u"00000000"_s,
                  {{1, Name, u"\"bfREAD\" is also the name of row 1"_s}}},
        CheckCase{"names equal but for case in C", C, u"bf"_s,
                  {{u"00000002"_s, u"Read"_s, {}}, {u"00000001"_s, u"READ"_s, {}}}, u"00000000"_s, {}},
        CheckCase{"a row named Default", Pascal, u"bf"_s, {{u"00000001"_s, u"default"_s, {}}}, u"00000000"_s,
                  {{0, Name, u"\"bfdefault\" is also the name of the flag word's Default value"_s}}},
        CheckCase{"masks not of 8 hexadecimal digits", Pascal, u"bf"_s,
                  {{u"0000001"_s, u"Short"_s, {}}, {u"0000000G"_s, u"NotHex"_s, {}}}, u"00000000"_s,
                  {{0, Mask, u"mask \"0000001\" is not 8 hexadecimal digits"_s},
                   {1, Mask, u"mask \"0000000G\" is not 8 hexadecimal digits"_s}}},
        CheckCase{"overlapping masks", C, u"bf"_s,
                  {{u"00000003"_s, u"Both"_s, {}}, {u"00000002"_s, u"Write"_s, {}}, {u"00000002"_s, u"Again"_s, {}}},
                  u"00000000"_s,
                  {{1, Mask, u"mask shares bits with row 1 (00000003)"_s},
                   {2, Mask, u"mask shares bits with row 1 (00000003)"_s}}},
        CheckCase{"set bits no named row covers", Pascal, u"bf"_s,
                  {{u"00000008"_s, {}, {}}, {u"00000001"_s, u"Read"_s, {}}, {u"00000004"_s, {}, {}}},
                  u"0000000D"_s,
                  {{0, Mask, u"bits 00000008 are set in the flag word, but no named row covers them"_s},
                   {2, Mask, u"bits 00000004 are set in the flag word, but no named row covers them"_s}}},
        CheckCase{"names the include file cuts to the same constant", C, {},
                  {{u"00000002"_s, longName, {}}, {u"00000001"_s, otherLongName, {}}}, u"00000000"_s,
                  {{0, Name, u'"' + longName + u"\" has 283 characters: the include file keeps only the first 255"_s},
                   {1, Name, u'"' + otherLongName + u"\" has 283 characters: the include file keeps only the first 255"_s},
                   {1, Name, u'"' + QString(255, u'N') + u"\" is also the name of row 1"_s}}},
        CheckCase{"identifiers reserved to the implementation: warnings", C, {},
                  {{u"00000004"_s, u"__read"_s, {}}, {u"00000002"_s, u"_Write"_s, {}}, {u"00000001"_s, u"_exec"_s, {}}},
                  u"00000000"_s,
                  {{0, Name, u"\"__read\" is reserved to the C implementation: it begins with \"__\" or \"_\" and a capital letter"_s, true},
                   {1, Name, u"\"_Write\" is reserved to the C implementation: it begins with \"__\" or \"_\" and a capital letter"_s, true}}},
        CheckCase{"names that only C reserves, in Pascal", Pascal, {}, {{u"00000001"_s, u"_Write"_s, {}}}, u"00000000"_s,
                  {}},
        CheckCase{"a prefix that breaks the value line", Pascal, u"1x"_s, {}, u"00000000"_s,
                  {{-1, TFindingCell::None, u"\"1xDefault\" is not an identifier: it begins with a digit"_s}}},
        CheckCase{"a field's value names: no identifier, twice, like another row's constant", Pascal, u"bf"_s,
                  {{u"00000030"_s, u"Level"_s, {}, {{0, u"All Off"_s, {}}, {1, u"Warn"_s, {}}, {2, u"WARN"_s, {}}}},
                   {u"00000001"_s, u"Level_Warn"_s, {}}},
                  u"00000000"_s,
                  {{0, Name, u"\"bfLevel_All Off\" is not an identifier: it contains a blank"_s},
                   {0, Name, u"\"bfLevel_WARN\" is also the name of row 1"_s},
                   {1, Name, u"\"bfLevel_Warn\" is also the name of row 1"_s}}},
        CheckCase{"a field's values beyond its width", C, u"bf"_s,
                  {{u"00000030"_s, u"Level"_s, {}, {{3, u"All"_s, {}}, {4, u"Four"_s, {}}}}}, u"00000000"_s,
                  {{0, Name, u"value 4 (\"Four\") does not fit the field's 2 bits"_s},
                   {0, Name, u"the flag word holds 0 in this field, a value without a name"_s, true}}},
        CheckCase{"a field over an unnamed row", Pascal, u"bf"_s,
                  {{u"00000030"_s, u"Level"_s, {}}, {u"00000010"_s, {}, {}}}, u"00000000"_s,
                  {{0, Mask, u"field shares bits with row 2 (00000010)"_s}}},
        CheckCase{"a word whose field holds a value without a name: a warning", Pascal, u"bf"_s,
                  {{u"00000030"_s, u"Level"_s, {}, {{1, u"Errors"_s, {}}}}}, u"00000020"_s,
                  {{0, Name, u"the flag word holds 2 in this field, a value without a name"_s, true}}}));

} // namespace
