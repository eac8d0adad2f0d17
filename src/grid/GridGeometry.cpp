#include "grid/GridGeometry.h"

#include "grid/CustomCellGrid.h"

#include <algorithm>

namespace {

// The resize zone around a column's right edge, pixels.
constexpr int ResizeZoneLeft = 3;
constexpr int ResizeZoneRight = 2;
// Gap between a left- or right-aligned glyph and the cell edge, pixels.
constexpr int GlyphInset = 2;

} // namespace

GridGeometry::GridGeometry(const TCustomCellGrid &grid, QSize viewportSize, int topRow, int xOffset)
    : m_grid(grid)
    , m_viewport(viewportSize)
    , m_topRow(topRow)
    , m_xOffset(xOffset)
{
}

int GridGeometry::headerHeight() const
{
    return m_grid.Options().Contains(goHeader) ? m_grid.HeaderSize() : 0;
}

int GridGeometry::footerHeight() const
{
    return m_grid.Options().Contains(goFooter) ? m_grid.FooterSize() : 0;
}

QRect GridGeometry::dataArea() const
{
    const int top = headerHeight();
    const int bottom = std::max(top, m_viewport.height() - footerHeight());
    return QRect(0, top, m_viewport.width(), bottom - top);
}

int GridGeometry::pageRows() const
{
    return std::max(1, dataArea().height() / std::max(1, m_grid.RowSize()));
}

int GridGeometry::lastVisibleRow() const
{
    const int rowSize = std::max(1, m_grid.RowSize());
    // -1 keeps a row that starts exactly at the bottom edge out.
    const int rowsShown = (dataArea().height() + rowSize - 1) / rowSize;
    return std::min(m_grid.RowCount() - 1, m_topRow + rowsShown - 1);
}

int GridGeometry::columnX(const TCustomGridColumn &column) const
{
    return column.Left() - m_xOffset;
}

int GridGeometry::rowY(int ARow) const
{
    return headerHeight() + (ARow - m_topRow) * m_grid.RowSize();
}

const TCustomGridColumn *GridGeometry::visibleColumn(int ACol) const
{
    if (ACol < 0 || ACol >= m_grid.Columns.Count())
        return nullptr;
    const TCustomGridColumn *column = m_grid.Columns[ACol];
    return column->Visible() ? column : nullptr;
}

QRect GridGeometry::cellRect(int ACol, int ARow) const
{
    const TCustomGridColumn *column = visibleColumn(ACol);
    if (!column)
        return {};
    return QRect(columnX(*column), rowY(ARow), column->Width(), m_grid.RowSize());
}

QRect GridGeometry::headerRect(int ACol) const
{
    const TCustomGridColumn *column = visibleColumn(ACol);
    if (!column || headerHeight() == 0)
        return {};
    return QRect(columnX(*column), 0, column->Width(), headerHeight());
}

QRect GridGeometry::footerRect(int ACol) const
{
    const TCustomGridColumn *column = visibleColumn(ACol);
    if (!column || footerHeight() == 0)
        return {};
    return QRect(columnX(*column), dataArea().bottom() + 1, column->Width(), footerHeight());
}

QRect GridGeometry::cellContentRect(int ACol, int ARow) const
{
    const QRect cell = cellRect(ACol, ARow);
    return m_grid.Options().Contains(goGrid) ? cell.adjusted(0, 0, -1, -1) : cell;
}

TCellAddress GridGeometry::cellAt(QPoint point) const
{
    if (!dataArea().contains(point))
        return {};
    const TCustomGridColumn *column = m_grid.Columns.ColumnAt(point.x() + m_xOffset);
    const int row = m_topRow + (point.y() - headerHeight()) / std::max(1, m_grid.RowSize());
    if (!column || row >= m_grid.RowCount())
        return {};
    return {column->Index(), row};
}

int GridGeometry::headerColumnAt(QPoint point) const
{
    if (point.y() < 0 || point.y() >= headerHeight())
        return -1;
    const TCustomGridColumn *column = m_grid.Columns.ColumnAt(point.x() + m_xOffset);
    return column ? column->Index() : -1;
}

int GridGeometry::resizeColumnAt(QPoint point) const
{
    if (point.y() < 0 || point.y() >= headerHeight())
        return -1;
    // The rightmost match wins, so a column shrunk to its minimum can still
    // be widened from its own edge.
    int found = -1;
    for (int visible = 0; visible < m_grid.Columns.VisibleCount(); ++visible) {
        const TCustomGridColumn *column = m_grid.Columns.VisibleItem(visible);
        const int edge = columnX(*column) + column->Width();
        if (point.x() >= edge - ResizeZoneLeft && point.x() <= edge + ResizeZoneRight)
            found = column->Options().Contains(coFixedSize) ? -1 : column->Index();
    }
    return found;
}

int GridGeometry::dropPositionAt(int x) const
{
    const int count = m_grid.Columns.VisibleCount();
    if (count == 0)
        return 0;
    const TCustomGridColumn *column = m_grid.Columns.ColumnAt(x + m_xOffset);
    if (!column)
        column = m_grid.Columns.VisibleItem(x + m_xOffset < 0 ? 0 : count - 1);
    return column->Position();
}

QRect GridGeometry::checkBoxRect(const QRect &cell, TAlignment alignment, TVerticalAlignment verticalAlignment,
                                 int glyphSize)
{
    int x = cell.left() + (cell.width() - glyphSize) / 2;
    if (alignment == taLeftJustify)
        x = cell.left() + GlyphInset;
    else if (alignment == taRightJustify)
        x = cell.left() + cell.width() - GlyphInset - glyphSize;
    int y = cell.top() + (cell.height() - glyphSize) / 2;
    if (verticalAlignment == taAlignTop)
        y = cell.top() + GlyphInset;
    else if (verticalAlignment == taAlignBottom)
        y = cell.top() + cell.height() - GlyphInset - glyphSize;
    return QRect(x, y, glyphSize, glyphSize);
}

QRect GridGeometry::checkBoxRect(int ACol, int ARow) const
{
    const TCustomGridColumn *column = visibleColumn(ACol);
    if (!column)
        return {};
    return checkBoxRect(cellContentRect(ACol, ARow), column->Alignment(), column->VerticalAlignment());
}

int GridGeometry::topRowShowing(int ARow) const
{
    if (ARow < m_topRow)
        return ARow;
    const int lastFull = m_topRow + pageRows() - 1;
    return ARow > lastFull ? ARow - pageRows() + 1 : m_topRow;
}

int GridGeometry::xOffsetShowing(int ACol) const
{
    const TCustomGridColumn *column = visibleColumn(ACol);
    if (!column)
        return m_xOffset;
    if (column->Left() < m_xOffset)
        return column->Left();
    const int overhang = column->Right() - (m_xOffset + m_viewport.width());
    return overhang > 0 ? std::min(column->Left(), m_xOffset + overhang) : m_xOffset;
}

int GridGeometry::maxTopRow() const
{
    return std::max(0, m_grid.RowCount() - pageRows());
}

int GridGeometry::maxXOffset() const
{
    return std::max(0, m_grid.Columns.TotalWidth() - m_viewport.width());
}
