#pragma once

#include "grid/GridTypes.h"

class QKeyEvent;
class QString;
class TCellGrid;

// Keys on the grid while no editor is open: selection moves, Tab through
// the cells, Ctrl+Tab out of the grid, space ticks, a printable character
// starts editing. Nothing with goDisableKeys.
class GridKeyHandler
{
public:
    explicit GridKeyHandler(TCellGrid &grid);

    // True when the key was the grid's.
    bool handle(const QKeyEvent &event);
    // Tab or Shift+Tab as on the grid, also after the editor closed on Tab;
    // false when the grid does not want tabs.
    bool tab(bool backwards);

private:
    bool leavesWithControlTab(const QKeyEvent &event);
    bool move(TGridMove move);
    bool moveAfterReturn();
    bool toggleSelected();
    bool startEditing(const QString &typed);

    TCellGrid &m_grid;
};
