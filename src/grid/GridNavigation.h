#pragma once

#include "grid/GridTypes.h"

class TCustomCellGrid;

// Where the keys on the grid move the selected cell: by rows, by visible
// columns in display order, and Tab through the cells row by row.
namespace GridNavigation {
TSelectionMove selectionAfter(const TCustomCellGrid &Grid, TGridMove Move, int PageRows);
} // namespace GridNavigation
