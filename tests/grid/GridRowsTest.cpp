#include "GridTestSupport.h"

#include "platform/Errors.h"

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Fills column 1 with the row numbers so moved rows can be recognised.
void numberRows(TCustomCellGrid &grid)
{
    for (int row = 0; row < grid.RowCount(); ++row)
        grid.SetCells(1, row, QString::number(row));
}

QStringList columnOne(const TCustomCellGrid &grid)
{
    QStringList texts;
    for (int row = 0; row < grid.RowCount(); ++row)
        texts << grid.Cells(1, row);
    return texts;
}

TEST(GridRows, AddRowAppendsEmptyCellsAndReportsTheLastIndex)
{
    BitTableGrid table(2);
    EXPECT_EQ(table.grid.AddRow(3), 4);
    EXPECT_EQ(table.grid.RowCount(), 5);
    EXPECT_EQ(rowText(table.grid, 4), u"False|||"_s);
    EXPECT_EQ(table.eventsOnly(), QStringList({u"OnDataChange dcAddRow 4"_s}));
}

TEST(GridRows, AddRowOfNothingAddsNothingAndReturnsTheLastIndex)
{
    BitTableGrid table(3);
    EXPECT_EQ(table.grid.AddRow(0), 2);
    EXPECT_EQ(table.grid.AddRow(-4), 2);
    EXPECT_EQ(table.grid.RowCount(), 3);
    EXPECT_TRUE(table.eventsOnly().isEmpty());
    BitTableGrid empty(0);
    EXPECT_EQ(empty.grid.AddRow(0), -1);
}

TEST(GridRows, InsertRowMovesTheRowsBelowDownAndTheSelectionWithThem)
{
    BitTableGrid table(3);
    numberRows(table.grid);
    table.grid.SetSelectedCell(2, 1);
    table.grid.log.clear();
    table.grid.InsertRow(1);
    EXPECT_EQ(columnOne(table.grid), QStringList({u"0"_s, QString(), u"1"_s, u"2"_s}));
    EXPECT_EQ(table.grid.SelectedRow(), 2);
    EXPECT_EQ(table.grid.SelectedColumn(), 2);
    EXPECT_EQ(table.eventsOnly(), QStringList({u"OnDataChange dcInsertRow 1"_s}));
}

TEST(GridRows, InsertRowBelowTheSelectionKeepsTheSelectedIndex)
{
    BitTableGrid table(3);
    table.grid.SetSelectedCell(0, 1);
    table.grid.InsertRow(2);
    EXPECT_EQ(table.grid.SelectedRow(), 1);
    table.grid.InsertRow(4);
    EXPECT_EQ(table.grid.SelectedRow(), 1);
}

TEST(GridRows, InsertingIntoAnEmptyGridKeepsTheSelectionInsideTheRows)
{
    BitTableGrid table(0);
    table.grid.InsertRow(0);
    EXPECT_EQ(table.grid.SelectedRow(), 0);
    table.grid.InsertRow(0);
    EXPECT_EQ(table.grid.RowCount(), 2);
    EXPECT_EQ(table.grid.SelectedRow(), 1);
}

TEST(GridRows, InsertRowOutsideTheGridRaisesListIndexError)
{
    BitTableGrid table(2);
    EXPECT_THROW(table.grid.InsertRow(3), ListIndexError);
    EXPECT_THROW(table.grid.InsertRow(-1), ListIndexError);
    EXPECT_EQ(table.grid.RowCount(), 2);
}

TEST(GridRows, DeleteRowRemovesThatRowAndReportsIt)
{
    BitTableGrid table(4);
    numberRows(table.grid);
    table.grid.SetSelectedCell(0, 3);
    table.grid.log.clear();
    table.grid.DeleteRow(1);
    EXPECT_EQ(columnOne(table.grid), QStringList({u"0"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(table.grid.SelectedRow(), 2);
    EXPECT_EQ(table.eventsOnly(), QStringList({u"OnDataChange dcDeleteRow 1"_s}));
    EXPECT_THROW(table.grid.DeleteRow(3), ListIndexError);
}

TEST(GridRows, DeletingTheLastSelectedRowSelectsTheNewLastRow)
{
    BitTableGrid table(3);
    table.grid.SetSelectedCell(0, 2);
    table.grid.DeleteRow(2);
    EXPECT_EQ(table.grid.SelectedRow(), 1);
}

TEST(GridRows, ClearRowsEmptiesTheGridAndScrollsToTheTop)
{
    BitTableGrid table(5);
    table.grid.SetSelectedCell(1, 4);
    table.grid.log.clear();
    table.grid.ClearRows();
    EXPECT_EQ(table.grid.RowCount(), 0);
    EXPECT_EQ(table.grid.SelectedRow(), 0);
    EXPECT_TRUE(table.grid.log.lines().contains(u"ScrollToTop"_s));
    EXPECT_TRUE(table.eventsOnly().isEmpty());
}

struct RowsChangeCase : NamedCase
{
    std::function<void(TCustomCellGrid &)> change;
    QString told; // what the view hook heard
};

class ViewHearsRowChanges : public ::testing::TestWithParam<RowsChangeCase>
{
};

// The view keeps an open editor with its cell by these.
TEST_P(ViewHearsRowChanges, WithTheKindAndTheRow)
{
    BitTableGrid table(4);
    GetParam().change(table.grid);
    QStringList told;
    for (const QString &line : table.grid.log.lines())
        if (line.startsWith(u"RowsChanged"))
            told << line;
    EXPECT_EQ(told, QStringList{GetParam().told});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ViewHearsRowChanges,
    ::testing::Values(
        RowsChangeCase{{"AddRow"}, [](TCustomCellGrid &g) { g.AddRow(2); }, u"RowsChanged Appended 4"_s},
        RowsChangeCase{{"InsertRow"}, [](TCustomCellGrid &g) { g.InsertRow(1); }, u"RowsChanged Inserted 1"_s},
        RowsChangeCase{{"DeleteRow"}, [](TCustomCellGrid &g) { g.DeleteRow(2); }, u"RowsChanged Deleted 2"_s},
        RowsChangeCase{{"ClearRows"}, [](TCustomCellGrid &g) { g.ClearRows(); }, u"RowsChanged Cleared"_s},
        RowsChangeCase{{"Sort"}, [](TCustomCellGrid &g) { g.Columns[1]->SetSorted(true); }, u"RowsChanged Reordered"_s},
        RowsChangeCase{{"AppendsOfALoadAtItsEnd"},
                       [](TCustomCellGrid &g) {
                           g.BeginRowsLoad();
                           g.AddRow(1);
                           g.AddRow(1);
                           g.EndRowsLoad();
                       },
                       u"RowsChanged Appended 4"_s}),
    CaseName());

struct RowCountCase : NamedCase
{
    int before;
    int value;
    int after;
    QStringList events;
};

class SetRowCount : public ::testing::TestWithParam<RowCountCase>
{
};

TEST_P(SetRowCount, AddsOrDeletesFromTheEnd)
{
    BitTableGrid table(GetParam().before);
    numberRows(table.grid);
    table.grid.log.clear();
    table.grid.SetRowCount(GetParam().value);
    EXPECT_EQ(table.grid.RowCount(), GetParam().after);
    EXPECT_EQ(table.eventsOnly(), GetParam().events);
    for (int row = 0; row < std::min(GetParam().before, GetParam().after); ++row)
        EXPECT_EQ(table.grid.Cells(1, row), QString::number(row));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SetRowCount,
    ::testing::Values(RowCountCase{{"NegativeIsIgnored"}, 3, -1, 3, {}}, RowCountCase{{"Unchanged"}, 3, 3, 3, {}},
                      RowCountCase{{"ZeroDeletesAllFromTheEnd"}, 3, 0, 0,
                                   {u"OnDataChange dcDeleteRow 2"_s, u"OnDataChange dcDeleteRow 1"_s,
                                    u"OnDataChange dcDeleteRow 0"_s}},
                      RowCountCase{{"GrowsByOneAddRow"}, 3, 5, 5, {u"OnDataChange dcAddRow 4"_s}},
                      RowCountCase{{"GrowsFromEmpty"}, 0, 2, 2, {u"OnDataChange dcAddRow 1"_s}},
                      RowCountCase{{"ShrinksByTheLastRow"}, 4, 3, 3, {u"OnDataChange dcDeleteRow 3"_s}}),
    CaseName());

struct StartRowCase : NamedCase
{
    int rows;        // rows the grid holds before
    int startBefore; // StartRowCount before
    int value;
    int rowsAfter;
    int deletedFromTop;
};

class StartRowCount : public ::testing::TestWithParam<StartRowCase>
{
};

// Rows are deleted from the top: as many as the lesser of the old
// StartRowCount and RowCount exceeds the new value.
TEST_P(StartRowCount, AddsTheDifferenceOrDeletesFromTheTop)
{
    const StartRowCase &c = GetParam();
    BitTableGrid table(0);
    table.grid.SetStartRowCount(c.startBefore);
    table.grid.SetRowCount(c.rows);
    numberRows(table.grid);
    table.grid.SetStartRowCount(c.value);
    EXPECT_EQ(table.grid.RowCount(), c.rowsAfter);
    if (c.rowsAfter > 0 && c.rowsAfter <= c.rows) {
        EXPECT_EQ(table.grid.Cells(1, 0), QString::number(c.deletedFromTop));
    }
    EXPECT_EQ(table.grid.StartRowCount(), c.value < 0 ? c.startBefore : c.value);
}

INSTANTIATE_TEST_SUITE_P(Rules, StartRowCount,
                         ::testing::Values(StartRowCase{{"NewBitTable"}, 0, 0, 32, 32, 0},
                                           StartRowCase{{"GrowsByTheDifference"}, 32, 32, 40, 40, 0},
                                           StartRowCase{{"TwoFromTheTop"}, 32, 32, 30, 30, 2},
                                           StartRowCase{{"FewerRowsThanTheOldCount"}, 10, 32, 30, 10, 0},
                                           StartRowCase{{"LesserOfOldCountAndRows"}, 10, 32, 4, 4, 6},
                                           StartRowCase{{"NegativeDoesNothing"}, 5, 5, -1, 5, 0},
                                           StartRowCase{{"UnchangedDoesNothing"}, 5, 5, 5, 5, 0}),
                         CaseName());

TEST(GridRows, StartRowCountGrowthAddsRowsEvenWhenRowsWereAddedMeanwhile)
{
    BitTableGrid table(0);
    table.grid.SetStartRowCount(2);
    table.grid.AddRow(3);
    table.grid.SetStartRowCount(4);
    EXPECT_EQ(table.grid.RowCount(), 7);
}

TEST(GridRows, RowsThatExistBeforeAColumnReceiveItsCells)
{
    TCustomCellGrid grid;
    grid.SetStartRowCount(32);
    auto *bits = grid.Columns.Add<TCheckBoxColumn>();
    grid.Columns.Add<TTextColumn>();
    EXPECT_EQ(bits->Index(), 0);
    EXPECT_EQ(grid.RowCount(), 32);
    EXPECT_EQ(grid.Cells(0, 31), u"False"_s);
    grid.SetCells(1, 31, u"00000001"_s);
    EXPECT_EQ(grid.Cells(1, 31), u"00000001"_s);
}

} // namespace
