#pragma once

#include <vector>

class TCustomCellGrid;

// The row order that sorts a grid by one column: stable, by the column's
// SortType (alphabetic, case-insensitive, boolean, numeric, date, IP
// address; custom compares alphabetically) in the direction of its SortKind.
namespace GridSorter {
std::vector<int> sortedOrder(const TCustomCellGrid &Grid, int ACol);
} // namespace GridSorter
