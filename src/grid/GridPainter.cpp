#include "grid/GridPainter.h"

#include "grid/ColumnPartPainter.h"
#include "grid/CustomCellGrid.h"
#include "grid/GridCellPainter.h"
#include "grid/GridPalette.h"
#include "grid/ReadableColors.h"

#include <QPainter>
#include <QWidget>

GridPainter::GridPainter(const TCustomCellGrid &grid, const GridGeometry &geometry, const TGridViewState &view,
                         const QWidget *widget)
    : m_grid(grid)
    , m_geometry(geometry)
    , m_view(view)
    , m_widget(widget)
{
    for (int position = 0; position < grid.Columns.Count(); ++position) {
        const TCustomGridColumn *column = grid.Columns.PositionItem(position);
        if (column->Visible())
            m_columns.push_back(column);
    }
}

void GridPainter::paint(QPainter *painter, const QRect &dirty) const
{
    painter->fillRect(dirty, m_grid.Color());
    paintCells(painter, dirty);
    if (m_geometry.headerHeight() > 0)
        paintHeader(painter);
    if (m_geometry.footerHeight() > 0)
        paintFooter(painter);
    paintTrackingLine(painter);
}

void GridPainter::paintCells(QPainter *painter, const QRect &dirty) const
{
    const QRect area = m_geometry.dataArea() & dirty;
    if (area.isEmpty())
        return;
    painter->save();
    painter->setClipRect(area);
    for (int row = m_geometry.topRow(); row <= m_geometry.lastVisibleRow(); ++row) {
        for (const TCustomGridColumn *column : m_columns)
            if (m_geometry.cellRect(column->Index(), row).intersects(area))
                paintCell(painter, *column, row);
    }
    painter->restore();
}

void GridPainter::paintCell(QPainter *painter, const TCustomGridColumn &column, int ARow) const
{
    const int col = column.Index();
    TCellPaintState state = CellPaintStates::forCell(m_grid, col, ARow, m_view);
    state.Widget = m_widget;
    const QRect content = m_geometry.cellContentRect(col, ARow);
    TGridCellPainter::forColumn(column).paint(painter, content, m_grid.Cell(col, ARow), column, state);
    // Our own frame rather than the style's focus rectangle, which some
    // styles leave out: the focused cell shows in every style.
    if (CellPaintStates::hasFocusFrame(m_grid, col, ARow, m_view)) {
        painter->setPen(ReadableColors::strongestOn(state.Background));
        painter->drawRect(content.adjusted(0, 0, -1, -1));
    }
    paintGridLines(painter, m_geometry.cellRect(col, ARow));
}

void GridPainter::paintGridLines(QPainter *painter, const QRect &cell) const
{
    if (!m_grid.Options().Contains(goGrid))
        return;
    painter->setPen(m_grid.GridLinesColor());
    painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
}

void GridPainter::paintHeader(QPainter *painter) const
{
    TPartPaintState state;
    state.Font = m_grid.GridFont();
    const QPalette palette = m_widget ? m_widget->palette() : QPalette();
    state.TextColor = ReadableColors::readableText(palette.color(QPalette::ButtonText), palette.color(QPalette::Button));
    state.Widget = m_widget;
    int right = 0;
    for (const TCustomGridColumn *column : m_columns) {
        const QRect rect = m_geometry.headerRect(column->Index());
        state.Pressed = m_view.PressedHeader == column->Index();
        ColumnPartPainter::paintHeader(painter, rect, *column, state);
        right = rect.left() + rect.width();
    }
    // The header row goes on as one empty section right of the last column.
    const QRect rest(right, 0, m_geometry.dataArea().width() - right, m_geometry.headerHeight());
    state.Pressed = false;
    if (rest.width() > 0)
        ColumnPartPainter::paintEmptyHeader(painter, rest, state);
}

void GridPainter::paintFooter(QPainter *painter) const
{
    TPartPaintState state;
    state.Widget = m_widget;
    for (const TCustomGridColumn *column : m_columns) {
        const QRect rect = m_geometry.footerRect(column->Index());
        state.Font = column->Font();
        state.TextColor = CellPaintStates::footerTextColor(*column);
        ColumnPartPainter::paintFooter(painter, rect, *column, state);
        if (m_grid.Options().Contains(goGrid)) {
            painter->setPen(m_grid.GridLinesColor());
            painter->drawLine(rect.topLeft(), rect.topRight());
            painter->drawLine(rect.topRight(), rect.bottomRight());
        }
    }
}

void GridPainter::paintTrackingLine(QPainter *painter) const
{
    if (m_view.TrackingLineX < 0)
        return;
    painter->fillRect(QRect(m_view.TrackingLineX - 1, 0, 2, m_geometry.dataArea().bottom() + 1),
                      GridPalette::windowText());
}
