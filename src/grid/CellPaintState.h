#pragma once

#include "grid/GridGeometry.h"

#include <QColor>

class QStyle;
class QWidget;
class TCustomCellGrid;
class TCustomGridColumn;

// How the view stands towards the cells, apart from the model: focus, the
// cell under an open editor, and the glyph under the mouse.
struct TGridViewState
{
    bool HasFocus = false;
    TCellAddress EditorCell; // invalid while no editor is open
    TCellAddress HotGlyph; // mouse over a check box glyph
    TCellAddress PressedGlyph; // left button held on a check box glyph
    int PressedHeader = -1; // ACol of the header cell held down
    int TrackingLineX = -1; // resize edge or drop mark while dragging; -1: none
};

// Everything a cell painter needs besides the cell and its column.
struct TCellPaintState
{
    QColor Background;
    QColor TextColor;
    bool Bold = false; // highlighted with aoBoldTextSelection
    bool Highlighted = false;
    bool Enabled = true;
    bool Hot = false;
    bool Pressed = false;
    bool Printing = false; // fonts keep the point size they have on the screen
    // Device pixels per screen pixel: glyphs grow with the printer's
    // resolution as the text does.
    qreal GlyphScale = 1;
    // Style and widget for QStyle drawing; the widget may be null (printer).
    const QWidget *Widget = nullptr;
    QStyle *Style = nullptr; // null: the application style
};

namespace CellPaintStates {

// The background a sorted column shows with aoIndicateSortedColumn: each
// of red, green and blue becomes floor(245 * c / 256).
QColor sortedColumnColor(const QColor &color);

// Colours and states of one data cell as the grid paints it; its text
// colour always reads on its background.
TCellPaintState forCell(const TCustomCellGrid &grid, int ACol, int ARow, const TGridViewState &view);

// The selected cell is framed while the grid has the focus (unless
// aoHideFocus), also where its highlight is off or blends in; the frame is
// black or white, whichever stands out more on the cell.
bool hasFocusFrame(const TCustomCellGrid &grid, int ACol, int ARow, const TGridViewState &view);
// The footer's text colour, readable on the footer's background.
QColor footerTextColor(const TCustomGridColumn &column);

} // namespace CellPaintStates
