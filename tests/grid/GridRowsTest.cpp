#include "GridTestSupport.h"

#include "platform/Errors.h"

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

struct RowCountCase
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
    ::testing::Values(RowCountCase{3, -1, 3, {}}, RowCountCase{3, 3, 3, {}},
                      RowCountCase{3, 0, 0, {u"OnDataChange dcDeleteRow 2"_s, u"OnDataChange dcDeleteRow 1"_s,
                                             u"OnDataChange dcDeleteRow 0"_s}},
                      RowCountCase{3, 5, 5, {u"OnDataChange dcAddRow 4"_s}},
                      RowCountCase{0, 2, 2, {u"OnDataChange dcAddRow 1"_s}},
                      RowCountCase{4, 3, 3, {u"OnDataChange dcDeleteRow 3"_s}}));

struct StartRowCase
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
                         ::testing::Values(StartRowCase{0, 0, 32, 32, 0},   // a new bit table
                                           StartRowCase{32, 32, 40, 40, 0}, // grows by the difference
                                           StartRowCase{32, 32, 30, 30, 2}, // two from the top
                                           StartRowCase{10, 32, 30, 10, 0}, // fewer rows than the old count
                                           StartRowCase{10, 32, 4, 4, 6},   // min(32, 10) - 4
                                           StartRowCase{5, 5, -1, 5, 0},    // negative: nothing
                                           StartRowCase{5, 5, 5, 5, 0}));   // unchanged: nothing

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

TEST(GridRows, RowRecordsAreVisibleTopLevelRows)
{
    BitTableGrid table(2);
    const TRowRecord &record = table.grid.Rows().Record(1);
    EXPECT_TRUE(record.Visible);
    EXPECT_FALSE(record.Selected);
    EXPECT_EQ(record.Level, 0);
}

} // namespace
