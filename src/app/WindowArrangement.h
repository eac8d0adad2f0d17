#pragma once

class QMdiArea;

enum class TileDirection { OneAboveTheOther, SideBySide };

// Gives every document window that is not minimized an equal share of the
// area, full width one above the other or full height side by side.
void TileSubWindows(QMdiArea *area, TileDirection direction);

// Minimizes every document window, the bottom-most one first.
void MinimizeAllSubWindows(QMdiArea *area);

// Lines the minimized document windows up from the bottom-left corner,
// left to right, starting a new row above when a row is full.
void ArrangeMinimizedSubWindows(QMdiArea *area);
