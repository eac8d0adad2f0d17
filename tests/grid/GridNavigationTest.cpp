#include "GridTestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct MoveCase : NamedCase
{
    int fromCol;
    int fromRow;
    TGridMove move;
    int toCol;
    int toRow;
    bool handled = true;
    bool leave = false;
};

// A bit table of 10 rows with column 1 hidden and column 3 shown first:
// display order 3, 0, (1 hidden), 2.
class KeyMoves : public ::testing::TestWithParam<MoveCase>
{
protected:
    void SetUp() override
    {
        table.grid.SetWantTabs(true);
        table.ColHex->SetVisible(false);
        table.ColLabel->SetPosition(0);
    }

    BitTableGrid table{10};
};

TEST_P(KeyMoves, MoveTheSelectedCell)
{
    const MoveCase &c = GetParam();
    table.grid.SetSelectedCell(c.fromCol, c.fromRow);
    const TSelectionMove move = table.grid.MoveSelection(c.move, 4);
    EXPECT_EQ(move.Handled, c.handled);
    EXPECT_EQ(move.LeaveControl, c.leave);
    EXPECT_EQ(table.grid.SelectedColumn(), c.toCol);
    EXPECT_EQ(table.grid.SelectedRow(), c.toRow);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMoves,
    ::testing::Values(MoveCase{{"Down"}, 0, 3, TGridMove::Down, 0, 4}, MoveCase{{"DownAtBottom"}, 0, 9, TGridMove::Down, 0, 9},
                      MoveCase{{"Up"}, 2, 3, TGridMove::Up, 2, 2}, MoveCase{{"UpAtTop"}, 2, 0, TGridMove::Up, 2, 0},
                      MoveCase{{"RightSkipsHidden"}, 0, 1, TGridMove::Right, 2, 1},
                      MoveCase{{"RightAtLast"}, 2, 1, TGridMove::Right, 2, 1},
                      MoveCase{{"LeftByDisplayOrder"}, 0, 1, TGridMove::Left, 3, 1},
                      MoveCase{{"LeftAtFirst"}, 3, 1, TGridMove::Left, 3, 1},
                      MoveCase{{"PageDown"}, 0, 3, TGridMove::PageDown, 0, 7},
                      MoveCase{{"PageDownClamped"}, 0, 8, TGridMove::PageDown, 0, 9},
                      MoveCase{{"PageUp"}, 0, 5, TGridMove::PageUp, 0, 1},
                      MoveCase{{"PageUpClamped"}, 0, 2, TGridMove::PageUp, 0, 0},
                      MoveCase{{"Home"}, 2, 6, TGridMove::Home, 2, 0}, MoveCase{{"End"}, 2, 6, TGridMove::End, 2, 9},
                      MoveCase{{"Tab"}, 3, 4, TGridMove::Tab, 0, 4},
                      MoveCase{{"TabSkipsHidden"}, 0, 4, TGridMove::Tab, 2, 4},
                      MoveCase{{"TabWrapsToNextRow"}, 2, 4, TGridMove::Tab, 3, 5},
                      MoveCase{{"TabAtLastCellLeaves"}, 2, 9, TGridMove::Tab, 2, 9, true, true},
                      MoveCase{{"ShiftTab"}, 2, 4, TGridMove::ShiftTab, 0, 4},
                      MoveCase{{"ShiftTabWrapsBack"}, 3, 4, TGridMove::ShiftTab, 2, 3},
                      MoveCase{{"ShiftTabAtFirstCell"}, 3, 0, TGridMove::ShiftTab, 3, 0}),
    CaseName());

TEST(KeyMovesWithoutWantTabs, TabIsNotTheGrids)
{
    BitTableGrid table(3);
    table.grid.SetSelectedCell(1, 1);
    const TSelectionMove move = table.grid.MoveSelection(TGridMove::Tab, 4);
    EXPECT_FALSE(move.Handled);
    EXPECT_EQ(table.grid.SelectedColumn(), 1);
}

TEST(KeyMovesWithoutTabLeaveControl, TabAtTheLastCellStays)
{
    BitTableGrid table(2);
    table.grid.SetWantTabs(true);
    table.grid.SetTabLeaveControl(false);
    table.grid.SetSelectedCell(3, 1);
    const TSelectionMove move = table.grid.MoveSelection(TGridMove::Tab, 4);
    EXPECT_TRUE(move.Handled);
    EXPECT_FALSE(move.LeaveControl);
    EXPECT_EQ(table.grid.SelectedColumn(), 3);
    EXPECT_EQ(table.grid.SelectedRow(), 1);
}

TEST(Selection, StartsAtTheFirstCellAndRepaintsOldAndNew)
{
    BitTableGrid table(3);
    EXPECT_EQ(table.grid.SelectedColumn(), 0);
    EXPECT_EQ(table.grid.SelectedRow(), 0);
    table.grid.SetSelectedCell(2, 1);
    EXPECT_EQ(table.grid.log.lines(), QStringList({u"InvalidateCell 0 0"_s, u"InvalidateCell 2 1"_s}));
}

} // namespace
