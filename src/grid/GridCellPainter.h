#pragma once

#include "grid/CellPaintState.h"

#include <QFont>

class QPaintDevice;
class QPainter;
class QRect;
class TCell;
class TCustomGridColumn;

// Paints one data cell of one column kind. Takes a QPainter, so the
// screen and the printed table share the drawing.
class TGridCellPainter
{
public:
    virtual ~TGridCellPainter();

    // rect: the cell without its grid lines.
    virtual void paint(QPainter *painter, const QRect &rect, const TCell &cell, const TCustomGridColumn &column,
                       const TCellPaintState &state) const = 0;

    // The painter for the column's kind (check box or text).
    static const TGridCellPainter &forColumn(const TCustomGridColumn &column);

    // The column's font with the cell's font style, bold on request.
    static QFont cellFont(const TCustomGridColumn &column, const TCell &cell, bool bold);

    // A font sized in screen pixels at the point size it has on the screen,
    // so the printer's far smaller pixels draw it as large as the screen.
    static QFont paperFont(const QFont &screenFont);
    // The factor by which paperFont enlarges text on the device: its
    // resolution over the screen's. Glyphs drawn beside the text take it too.
    static qreal paperScale(const QPaintDevice &device);

protected:
    static void fillBackground(QPainter *painter, const QRect &rect, const TCellPaintState &state);
};
