#include "grid/GridNavigation.h"

#include "grid/CustomCellGrid.h"

#include <algorithm>

namespace {

// The visible column `step` display places from ACol, clamped to the
// first and last visible column; ACol itself when nothing is visible.
int visibleColumnBeside(const TCustomCellGrid &grid, int ACol, int step)
{
    const int visibleCount = grid.Columns.VisibleCount();
    if (visibleCount == 0)
        return ACol;
    const TCustomGridColumn *current = ACol >= 0 && ACol < grid.Columns.Count() ? grid.Columns[ACol] : nullptr;
    const int from = current && current->Visible() ? current->VisibleIndex() : 0;
    return grid.Columns.VisibleItem(std::clamp(from + step, 0, visibleCount - 1))->Index();
}

int firstVisibleColumn(const TCustomCellGrid &grid)
{
    const TCustomGridColumn *first = grid.Columns.VisibleItem(0);
    return first ? first->Index() : 0;
}

int lastVisibleColumn(const TCustomCellGrid &grid)
{
    const TCustomGridColumn *last = grid.Columns.VisibleItem(grid.Columns.VisibleCount() - 1);
    return last ? last->Index() : 0;
}

TSelectionMove tabForward(const TCustomCellGrid &grid, TSelectionMove move)
{
    const int lastRow = grid.RowCount() - 1;
    if (move.ACol != lastVisibleColumn(grid)) {
        move.ACol = visibleColumnBeside(grid, move.ACol, 1);
    } else if (move.ARow < lastRow) {
        move.ACol = firstVisibleColumn(grid);
        ++move.ARow;
    } else {
        move.LeaveControl = grid.TabLeaveControl();
    }
    return move;
}

TSelectionMove tabBackward(const TCustomCellGrid &grid, TSelectionMove move)
{
    if (move.ACol != firstVisibleColumn(grid)) {
        move.ACol = visibleColumnBeside(grid, move.ACol, -1);
    } else if (move.ARow > 0) {
        move.ACol = lastVisibleColumn(grid);
        --move.ARow;
    }
    return move;
}

} // namespace

namespace GridNavigation {

TSelectionMove selectionAfter(const TCustomCellGrid &Grid, TGridMove Move, int PageRows)
{
    TSelectionMove move{Grid.SelectedColumn(), Grid.SelectedRow(), true, false};
    const int lastRow = std::max(Grid.RowCount() - 1, 0);
    const int page = std::max(PageRows, 1);
    switch (Move) {
    case TGridMove::Left: move.ACol = visibleColumnBeside(Grid, move.ACol, -1); break;
    case TGridMove::Right: move.ACol = visibleColumnBeside(Grid, move.ACol, 1); break;
    case TGridMove::Up: move.ARow = std::max(move.ARow - 1, 0); break;
    case TGridMove::Down: move.ARow = std::min(move.ARow + 1, lastRow); break;
    case TGridMove::PageUp: move.ARow = std::max(move.ARow - page, 0); break;
    case TGridMove::PageDown: move.ARow = std::min(move.ARow + page, lastRow); break;
    case TGridMove::Home: move.ARow = 0; break;
    case TGridMove::End: move.ARow = lastRow; break;
    case TGridMove::Tab:
    case TGridMove::ShiftTab:
        if (!Grid.WantTabs())
            return TSelectionMove{move.ACol, move.ARow, false, false};
        return Move == TGridMove::Tab ? tabForward(Grid, move) : tabBackward(Grid, move);
    }
    return move;
}

} // namespace GridNavigation
