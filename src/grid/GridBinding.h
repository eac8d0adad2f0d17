#pragma once

class TCustomCellGrid;

// A component bound to a grid, such as the print component: the grid
// tells it when the grid is destroyed, so it never keeps a dangling grid.
class TGridBinding
{
public:
    virtual void GridDestroyed(TCustomCellGrid *Grid) = 0;

protected:
    ~TGridBinding() = default;
};
