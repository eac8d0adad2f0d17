#pragma once

#include "grid/GridCellPainter.h"

// A tick: the platform's check box glyph (13 x 13 pixels on the screen,
// GlyphScale times that on paper), placed by the column's alignments; hot
// while the mouse is over it, pressed while the button holds it.
class TCheckBoxCellPainter : public TGridCellPainter
{
public:
    void paint(QPainter *painter, const QRect &rect, const TCell &cell, const TCustomGridColumn &column,
               const TCellPaintState &state) const override;
};
