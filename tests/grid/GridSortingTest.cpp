#include "GridTestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A grid of two text columns (key, value) with the given keys.
struct KeyValueGrid
{
    explicit KeyValueGrid(const QStringList &keys)
        : key(grid.Columns.Add<TTextColumn>())
        , value(grid.Columns.Add<TTextColumn>())
    {
        grid.AddRow(int(keys.size()));
        for (int row = 0; row < keys.size(); ++row) {
            grid.SetCells(0, row, keys[row]);
            grid.SetCells(1, row, u"v%1"_s.arg(row));
        }
        grid.log.listenTo(grid);
    }

    QStringList column(int col) const
    {
        QStringList texts;
        for (int row = 0; row < grid.RowCount(); ++row)
            texts << grid.Cells(col, row);
        return texts;
    }

    RecordingGrid grid;
    TTextColumn *key;
    TTextColumn *value;
};

TEST(GridSorting, MarkingASortableColumnSortsAndKeepsTheSelectedRow)
{
    KeyValueGrid table({u"pear"_s, u"apple"_s, u"fig"_s});
    table.grid.SetSelectedCell(1, 0);
    table.grid.log.clear();
    table.key->SetSorted(true);
    EXPECT_EQ(table.column(0), QStringList({u"apple"_s, u"fig"_s, u"pear"_s}));
    EXPECT_EQ(table.column(1), QStringList({u"v1"_s, u"v2"_s, u"v0"_s}));
    EXPECT_EQ(table.grid.SelectedRow(), 2);
    EXPECT_EQ(table.grid.Cells(1, table.grid.SelectedRow()), u"v0"_s);
    QStringList events;
    for (const QString &line : table.grid.log.lines())
        if (line.startsWith(u"On"))
            events << line;
    EXPECT_EQ(events, QStringList({u"OnSortColumn 0 asc"_s, u"OnAfterSort 0"_s}));
}

TEST(GridSorting, FlippingTheSortKindSortsTheOtherWay)
{
    KeyValueGrid table({u"b"_s, u"c"_s, u"a"_s});
    table.key->SetSorted(true);
    table.key->SetSortKind(skDescending);
    EXPECT_EQ(table.column(0), QStringList({u"c"_s, u"b"_s, u"a"_s}));
}

TEST(GridSorting, TheHeaderClickMarksThenFlips)
{
    KeyValueGrid table({u"b"_s, u"a"_s});
    table.grid.HeaderSortClick(0);
    EXPECT_TRUE(table.key->Sorted());
    EXPECT_EQ(table.column(0), QStringList({u"a"_s, u"b"_s}));
    table.grid.HeaderSortClick(0);
    EXPECT_EQ(table.key->SortKind(), skDescending);
    EXPECT_EQ(table.column(0), QStringList({u"b"_s, u"a"_s}));
}

TEST(GridSorting, ColumnsWithoutCanSortAreOnlyMarked)
{
    KeyValueGrid table({u"b"_s, u"c"_s, u"a"_s});
    table.key->SetOptions(TColumnOptions(table.key->Options()).Exclude(coCanSort));
    table.grid.log.clear();
    table.grid.HeaderSortClick(0);
    table.key->SetSorted(true);
    table.key->SetSortKind(skDescending);
    table.grid.SortByColumn(0);
    EXPECT_TRUE(table.key->Sorted());
    EXPECT_EQ(table.column(0), QStringList({u"b"_s, u"c"_s, u"a"_s}));
    EXPECT_FALSE(table.grid.log.lines().join(u',').contains(u"Sort"_s));
}

TEST(GridSorting, EqualKeysKeepTheirOrder)
{
    KeyValueGrid table({u"x"_s, u"a"_s, u"x"_s, u"a"_s});
    table.key->SetSorted(true);
    EXPECT_EQ(table.column(1), QStringList({u"v1"_s, u"v3"_s, u"v0"_s, u"v2"_s}));
    table.key->SetSortKind(skDescending);
    EXPECT_EQ(table.column(1), QStringList({u"v0"_s, u"v2"_s, u"v1"_s, u"v3"_s}));
}

struct SortTypeCase : NamedCase
{
    TSortType type;
    QStringList keys;
    QStringList sorted;
};

class SortTypes : public ::testing::TestWithParam<SortTypeCase>
{
};

TEST_P(SortTypes, CompareByTheirKind)
{
    KeyValueGrid table(GetParam().keys);
    table.key->SetSortType(GetParam().type);
    table.key->SetSorted(true);
    EXPECT_EQ(table.column(0), GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SortTypes,
    ::testing::Values(
        SortTypeCase{{"Alphabetic"}, stAlphabetic, {u"b"_s, u"B"_s, u"a"_s}, {u"B"_s, u"a"_s, u"b"_s}},
        SortTypeCase{{"CaseInsensitive"}, stCaseInsensitive, {u"b"_s, u"C"_s, u"a"_s}, {u"a"_s, u"b"_s, u"C"_s}},
        SortTypeCase{{"Numeric"}, stNumeric, {u"10"_s, u"9"_s, u"x"_s, u"-1"_s}, {u"x"_s, u"-1"_s, u"9"_s, u"10"_s}},
        SortTypeCase{{"Boolean"}, stBoolean, {u"True"_s, u"0"_s, u"False"_s}, {u"0"_s, u"False"_s, u"True"_s}},
        SortTypeCase{{"Date"}, stDate, {u"02.01.2000"_s, u"31.12.1999"_s}, {u"31.12.1999"_s, u"02.01.2000"_s}},
        SortTypeCase{{"IP"}, stIP, {u"10.0.0.2"_s, u"9.255.0.1"_s, u"10.0.0.10"_s},
                     {u"9.255.0.1"_s, u"10.0.0.2"_s, u"10.0.0.10"_s}}),
    CaseName());

TEST(GridSorting, ACheckBoxColumnSortsUntickedFirst)
{
    BitTableGrid table(3);
    table.grid.Cell(0, 0).SetAsBoolean(true);
    table.grid.SetCells(1, 0, u"ticked"_s);
    table.ColBit->SetSorted(true);
    EXPECT_EQ(table.grid.Cells(1, 2), u"ticked"_s);
}

} // namespace
