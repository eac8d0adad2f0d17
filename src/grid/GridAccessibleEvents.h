#pragma once

class TCellGrid;
class TColumnPart;

// What the grid tells assistive technology, and only while some is
// listening: the focus on the selected cell, when the selection moves and
// when the grid gets the focus; a cell's new text or check state, new
// header and footer texts, and rows or shown columns that came or went.
namespace GridAccessibleEvents {
void selectionMoved(TCellGrid &grid);
void focusEntered(TCellGrid &grid); // the grid itself got the focus: its selected cell has it
void cellWritten(TCellGrid &grid, int ACol, int ARow);
void partTextChanged(TCellGrid &grid, const TColumnPart &part);
void tableChanged(TCellGrid &grid); // rows or shown columns came or went
} // namespace GridAccessibleEvents
