#include "GridTestSupport.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Boolean cells: what the typed writers store and what the readers give.
TEST(BooleanCell, StoresTrueOnlyForOneOrTheWordTrue)
{
    BitTableGrid table(1);
    TCell &cell = table.grid.Cell(0, 0);
    const std::pair<QString, bool> rows[] = {
        {u"1"_s, true}, {u"true"_s, true}, {u"TRUE"_s, true}, {u"True"_s, true},
        {u"0"_s, false}, {u"2"_s, false}, {u"yes"_s, false}, {u" true"_s, false}, {QString(), false},
    };
    for (const auto &[text, expected] : rows) {
        cell.SetAsBoolean(!expected);
        cell.SetAsString(text);
        EXPECT_EQ(cell.AsBoolean(), expected) << text.toStdString();
    }
}

TEST(BooleanCell, ReadsAsTextNumbersAndDates)
{
    BitTableGrid table(1);
    TCell &cell = table.grid.Cell(0, 0);
    EXPECT_EQ(cell.AsString(), u"False"_s);
    EXPECT_EQ(cell.AsInteger(), 0);
    cell.SetAsInteger(-3);
    EXPECT_EQ(cell.AsString(), u"True"_s);
    EXPECT_EQ(cell.AsInteger(), 1);
    EXPECT_EQ(cell.AsFloat(), 1.0);
    EXPECT_EQ(cell.AsDateTime(), 0.0);
    cell.SetAsDateTime(45000.5);
    EXPECT_FALSE(cell.AsBoolean());
    cell.SetAsFloat(0.25);
    EXPECT_TRUE(cell.AsBoolean());
}

TEST(StringCell, WritesTypedValuesAsText)
{
    BitTableGrid table(1);
    TCell &cell = table.grid.Cell(2, 0);
    cell.SetAsBoolean(true);
    EXPECT_EQ(cell.AsString(), u"True"_s);
    cell.SetAsBoolean(false);
    EXPECT_EQ(cell.AsString(), u"False"_s);
    cell.SetAsInteger(-42);
    EXPECT_EQ(cell.AsString(), u"-42"_s);
    cell.SetAsFloat(2.5);
    EXPECT_EQ(cell.AsString(), u"2.5"_s);
    cell.SetAsDateTime(2.0);
    EXPECT_EQ(cell.AsString(), u"01.01.1900"_s);
    cell.SetAsDateTime(2.75);
    EXPECT_EQ(cell.AsString(), u"01.01.1900 18:00:00"_s);
}

struct TextRead
{
    QString text;
    bool boolean;
    int integer;
};

TEST(StringCell, ReadsValidTextsAsValues)
{
    BitTableGrid table(1);
    TCell &cell = table.grid.Cell(2, 0);
    const TextRead rows[] = {
        {u"True"_s, true, 0}, {u"false"_s, false, 0}, {u"12"_s, true, 12}, {u"0"_s, false, 0},
        {u"-7"_s, true, -7}, {u"$A001"_s, true, 40961}, {u"0x10"_s, true, 16}, {u"$FFFFFFFF"_s, true, -1},
    };
    for (const TextRead &row : rows) {
        cell.SetAsString(row.text);
        EXPECT_EQ(cell.AsBoolean(), row.boolean) << row.text.toStdString();
        if (row.text.compare(u"true", Qt::CaseInsensitive) != 0 && row.text.compare(u"false", Qt::CaseInsensitive) != 0) {
            EXPECT_EQ(cell.AsInteger(), row.integer) << row.text.toStdString();
        }
    }
    cell.SetAsString(u"1,5"_s);
    EXPECT_EQ(cell.AsFloat(), 1.5);
    cell.SetAsString(u"02.01.1900 12:00:00"_s);
    EXPECT_EQ(cell.AsDateTime(), 3.5);
    cell.SetAsString(QString());
    EXPECT_EQ(cell.AsDateTime(), 0.0);
}

TEST(StringCell, InvalidTextRaisesTheConversionErrorNamingIt)
{
    BitTableGrid table(1);
    TCell &cell = table.grid.Cell(2, 0);
    cell.SetAsString(u"maybe"_s);
    try {
        (void)cell.AsBoolean();
        FAIL() << "no error";
    } catch (const ConversionError &error) {
        EXPECT_EQ(error.message(), u"'maybe' ist kein gültiger Boolescher Wert"_s);
    }
    for (const QString &text : {u"12 "_s, u"1x"_s, u"$"_s, u"2147483648"_s, u"$100000000"_s, u""_s, u"0x 1"_s}) {
        cell.SetAsString(text);
        EXPECT_THROW((void)cell.AsInteger(), ConversionError) << text.toStdString();
    }
    cell.SetAsString(u"abc"_s);
    EXPECT_THROW((void)cell.AsFloat(), ConversionError);
    EXPECT_THROW((void)cell.AsDateTime(), ConversionError);
}

} // namespace
