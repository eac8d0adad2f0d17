#pragma once

class TCellGrid;

// What the grid tells assistive technology, and only while some is
// listening: the focus moving to the selected cell, a cell's new text or
// check state, new footer texts, and rows that came or went.
namespace GridAccessibleEvents {
void selectionMoved(TCellGrid &grid);
void cellWritten(TCellGrid &grid, int ACol, int ARow);
void columnChanged(TCellGrid &grid, int ACol); // its header or footer may read differently
void rowsChanged(TCellGrid &grid);
} // namespace GridAccessibleEvents
