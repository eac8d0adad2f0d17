#pragma once

#include "grid/GridTypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class TCustomCellGrid;
class TCustomGridColumn;

// A data cell address: ACol in creation order, ARow a row index.
struct TCellAddress
{
    int ACol = -1;
    int ARow = -1;

    bool IsValid() const { return ACol >= 0 && ARow >= 0; }
    bool operator==(const TCellAddress &) const = default;
};

// Where the grid's parts lie in the viewport for one scroll position, and
// which part a point hits. Knows no widget: it reads the model's sizes and
// column edges, so painting, input and tests share one set of numbers.
// All rectangles and points are viewport pixels.
class GridGeometry
{
public:
    // Check box glyph side with visual styles, pixels.
    static constexpr int GlyphSize = 13;

    // topRow: the first row shown under the header; xOffset: content pixels
    // scrolled out on the left.
    GridGeometry(const TCustomCellGrid &grid, QSize viewportSize, int topRow, int xOffset);

    int headerHeight() const; // 0 without goHeader
    int footerHeight() const; // 0 without goFooter
    QRect dataArea() const; // between header and footer
    // Whole rows that fit into the data area; at least 1 (one page).
    int pageRows() const;
    int topRow() const { return m_topRow; }
    // The last row index drawn, possibly only partly visible; topRow - 1
    // when no row is shown.
    int lastVisibleRow() const;

    int columnX(const TCustomGridColumn &column) const; // left edge
    QRect cellRect(int ACol, int ARow) const;
    QRect headerRect(int ACol) const;
    QRect footerRect(int ACol) const;
    // The cell without its right and bottom grid line (goGrid).
    QRect cellContentRect(int ACol, int ARow) const;

    TCellAddress cellAt(QPoint point) const; // invalid outside the data cells
    int headerColumnAt(QPoint point) const; // ACol or -1
    // The column whose right edge zone (3 pixels left to 2 pixels right of
    // the edge, in the header row) holds the point; -1 when none or the
    // column has coFixedSize.
    int resizeColumnAt(QPoint point) const;
    // The display slot a header dragged to x would land in.
    int dropPositionAt(int x) const;

    // The glyph square inside a cell, placed by the column's alignments;
    // the printer draws it larger than GlyphSize.
    static QRect checkBoxRect(const QRect &cell, TAlignment alignment, TVerticalAlignment verticalAlignment,
                              int glyphSize = GlyphSize);
    QRect checkBoxRect(int ACol, int ARow) const;

    // Scroll values that bring a cell fully into view (rows by index,
    // columns by content pixels), changing as little as possible.
    int topRowShowing(int ARow) const;
    int xOffsetShowing(int ACol) const;
    int maxTopRow() const;
    int maxXOffset() const;

private:
    int rowY(int ARow) const;
    const TCustomGridColumn *visibleColumn(int ACol) const;

    const TCustomCellGrid &m_grid;
    QSize m_viewport;
    int m_topRow;
    int m_xOffset;
};
