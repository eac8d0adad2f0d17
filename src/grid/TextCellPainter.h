#pragma once

#include "grid/GridCellPainter.h"

// A text: TextBefore + cell text + TextAfter, 2 pixels in from the left and
// right edges, aligned by the column, on one line unless the column wraps,
// cut with a trailing ellipsis; "&" is drawn as it is.
class TTextCellPainter : public TGridCellPainter
{
public:
    // Space kept free on the left and right of the text, pixels.
    static constexpr int TextInset = 2;

    void paint(QPainter *painter, const QRect &rect, const TCell &cell, const TCustomGridColumn &column,
               const TCellPaintState &state) const override;

    // The text in the cell, as a text cell draws its own.
    static void paintText(QPainter *painter, const QRect &rect, const QString &text, const TCell &cell,
                          const TCustomGridColumn &column, const TCellPaintState &state);

    // Qt alignment flags for the column's alignments.
    static int alignmentFlags(TAlignment alignment, TVerticalAlignment verticalAlignment);
};
