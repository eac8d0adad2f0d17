#include "flags/FieldDefinition.h"

#include "support/QStringPrinting.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct RunCase
{
    quint32 mask;
    std::optional<TFieldRun> run;
};

class FieldRuns : public ::testing::TestWithParam<RunCase>
{
};

// Only a run of two or more adjacent bits is a field.
TEST_P(FieldRuns, OfAMask)
{
    EXPECT_EQ(FieldRunOf(GetParam().mask), GetParam().run);
}

INSTANTIATE_TEST_SUITE_P(Table, FieldRuns,
                         ::testing::Values(RunCase{0x00000030, TFieldRun{4, 2}}, RunCase{0x0000F000, TFieldRun{12, 4}},
                                           RunCase{0xFFFFFFFF, TFieldRun{0, 32}}, RunCase{0xC0000000, TFieldRun{30, 2}},
                                           RunCase{0x00000010, std::nullopt}, RunCase{0x00000050, std::nullopt},
                                           RunCase{0x00000000, std::nullopt}));

struct DefinitionCase
{
    const char *what;
    TFieldRun run;
    QList<TFieldValueTexts> rows;
    QString expected; // the refusal, or the values as number=name;description
};

void PrintTo(const DefinitionCase &c, std::ostream *out)
{
    *out << c.what;
}

class FieldDefinitions : public ::testing::TestWithParam<DefinitionCase>
{
};

TEST_P(FieldDefinitions, AreReadFromTheDialogOrRefusedInItsWords)
{
    const DefinitionCase &c = GetParam();
    const auto read = ReadFieldDefinition(c.run, u" Level "_s, c.rows);
    QString result;
    if (const QString *problem = std::get_if<QString>(&read)) {
        result = *problem;
    } else {
        const TFieldDefinition &definition = std::get<TFieldDefinition>(read);
        EXPECT_EQ(definition.name, u"Level"_s);
        QStringList values;
        for (const TFieldValue &value : definition.values)
            values << FieldValueKey(value) + u'=' + FieldValueEntry(value);
        result = values.join(u' ');
    }
    EXPECT_EQ(result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FieldDefinitions,
    ::testing::Values(
        DefinitionCase{"sorted by number, empty rows skipped",
                       {4, 2},
                       {{u"2"_s, u" Warnings "_s, u"Warnings and errors"_s}, {}, {u"0"_s, u"Off"_s, {}}},
                       u"0=Off 2=Warnings;Warnings and errors"_s},
        DefinitionCase{"a number beyond the width", {4, 2}, {{u"4"_s, u"Four"_s, {}}},
                       u"4 does not fit in 2 bits: the values are 0 to 3"_s},
        DefinitionCase{"no number", {4, 2}, {{u"two"_s, u"Two"_s, {}}}, u"\"two\" is not a decimal number"_s},
        DefinitionCase{"no name", {4, 2}, {{u"1"_s, {}, u"Errors only"_s}}, u"Value 1 has no name"_s},
        DefinitionCase{"a name that would not read back", {4, 2}, {{u"1"_s, u"Errors;only"_s, {}}},
                       u"The name of value 1 cannot hold \";\" or a line break"_s},
        DefinitionCase{"a number twice", {4, 2}, {{u"1"_s, u"A"_s, {}}, {u"1"_s, u"B"_s, {}}},
                       u"Value 1 is named twice"_s},
        DefinitionCase{"beyond bit 31", {30, 3}, {}, u"A field of 3 bits from bit 30 does not fit in bits 0 to 31"_s}));

} // namespace
