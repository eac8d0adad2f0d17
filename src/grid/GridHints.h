#pragma once

#include "grid/CellPaintState.h"
#include "grid/GridGeometry.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

class TCustomCellGrid;

// A hint the grid shows where the mouse rests.
struct TGridHint
{
    QString Text;
    QPoint TopLeft; // where the hint window goes, viewport pixels
    QRect Area; // the hint stays while the mouse is inside
    int MaxWidth = 0; // pixels; 0: as wide as the text needs
    bool AtMouse = false; // the grid's own hint, placed like any tool tip
};

// Which hint belongs under the mouse: a header cell's Header.Hint below
// the header row at the column's left edge; a data cell's own Hint at the
// mouse; the whole text of a data cell of a coShowTextFitHint column that
// does not fit, over the cell; else the grid's own Hint with ShowHint.
namespace GridHints {

// Pixels a text needs beyond its width to fit into its column.
constexpr int FitMargin = 5;

std::optional<TGridHint> hintAt(const TCustomCellGrid &grid, const GridGeometry &geometry, QPoint pos,
                                const TGridViewState &view);

// Whether the cell's display text fits its column without a hint.
bool textFits(const TCustomCellGrid &grid, int ACol, int ARow, const TGridViewState &view);

} // namespace GridHints
