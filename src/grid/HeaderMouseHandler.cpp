#include "grid/HeaderMouseHandler.h"

#include "grid/CellGrid.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Pixels a pressed header cell must travel before it becomes a drag.
constexpr int DragDistance = 3;

} // namespace

HeaderMouseHandler::HeaderMouseHandler(TCellGrid &grid)
    : m_grid(grid)
{
}

bool HeaderMouseHandler::inHeaderRow(QPoint pos) const
{
    return pos.y() >= 0 && pos.y() < m_grid.gridGeometry().headerHeight();
}

bool HeaderMouseHandler::press(QPoint pos)
{
    if (!inHeaderRow(pos))
        return false;
    const GridGeometry geometry = m_grid.gridGeometry();
    m_start = pos;
    m_column = geometry.resizeColumnAt(pos);
    if (m_column >= 0) {
        m_mode = Mode::Resizing;
        m_startWidth = m_grid.Columns[m_column]->Width();
        trackTo(pos);
        return true;
    }
    m_column = geometry.headerColumnAt(pos);
    if (m_column >= 0 && m_grid.Columns[m_column]->Options().Contains(coCanClick)) {
        m_mode = Mode::Pressed;
        m_grid.InvalidateHeader();
    }
    return true;
}

bool HeaderMouseHandler::move(QPoint pos)
{
    switch (m_mode) {
    case Mode::None:
        updateCursor(pos);
        return inHeaderRow(pos);
    case Mode::Pressed:
        if (std::abs(pos.x() - m_start.x()) < DragDistance || !canMove(m_column))
            return true;
        m_mode = Mode::Dragging;
        m_grid.InvalidateHeader();
        trackTo(pos);
        return true;
    case Mode::Resizing:
    case Mode::Dragging:
        trackTo(pos);
        return true;
    }
    return false;
}

bool HeaderMouseHandler::release(QPoint pos)
{
    const Mode mode = m_mode;
    const int column = m_column;
    reset();
    switch (mode) {
    case Mode::None: return false; // a press elsewhere ends there
    case Mode::Pressed: finishPress(column, pos); return true;
    case Mode::Resizing: m_grid.Columns[column]->SetWidth(resizedWidth(pos, column)); return true;
    case Mode::Dragging: {
        const int target = m_grid.gridGeometry().dropPositionAt(pos.x());
        if (target != m_grid.Columns[column]->Position())
            m_grid.Columns[column]->SetPosition(target);
        return true;
    }
    }
    return false;
}

bool HeaderMouseHandler::doubleClick(QPoint pos)
{
    if (!inHeaderRow(pos))
        return false;
    // Not a press: the release that ends the double click clicks nothing.
    reset();
    const int column = m_grid.gridGeometry().headerColumnAt(pos);
    if (column >= 0 && m_grid.OnHeaderDblClick)
        m_grid.OnHeaderDblClick(&m_grid, column);
    return true;
}

int HeaderMouseHandler::pressedColumn() const
{
    return m_mode == Mode::Pressed ? m_column : -1;
}

void HeaderMouseHandler::finishPress(int ACol, QPoint pos)
{
    m_grid.InvalidateHeader();
    if (m_grid.OnHeaderClick)
        m_grid.OnHeaderClick(&m_grid, ACol);
    if (m_grid.gridGeometry().headerColumnAt(pos) == ACol)
        m_grid.HeaderSortClick(ACol);
}

bool HeaderMouseHandler::canMove(int ACol) const
{
    return !m_grid.Options().Contains(goDisableColumnMoving)
        && !m_grid.Columns[ACol]->Options().Contains(coDisableMoving);
}

int HeaderMouseHandler::resizedWidth(QPoint pos, int ACol) const
{
    return std::max(m_startWidth + pos.x() - m_start.x(), m_grid.Columns[ACol]->MinWidth());
}

int HeaderMouseHandler::dropMarkX(int position) const
{
    const GridGeometry geometry = m_grid.gridGeometry();
    const TCustomGridColumn &target = *m_grid.Columns.PositionItem(position);
    const int left = geometry.columnX(target);
    return position < m_grid.Columns[m_column]->Position() ? left : left + target.Width();
}

void HeaderMouseHandler::trackTo(QPoint pos)
{
    const GridGeometry geometry = m_grid.gridGeometry();
    if (m_mode == Mode::Resizing)
        m_trackingX = geometry.columnX(*m_grid.Columns[m_column]) + resizedWidth(pos, m_column);
    else
        m_trackingX = dropMarkX(geometry.dropPositionAt(pos.x()));
    m_grid.viewport()->update();
}

void HeaderMouseHandler::updateCursor(QPoint pos)
{
    if (m_grid.gridGeometry().resizeColumnAt(pos) >= 0)
        m_grid.viewport()->setCursor(Qt::SplitHCursor);
    else
        m_grid.viewport()->unsetCursor();
}

void HeaderMouseHandler::reset()
{
    const bool tracked = m_trackingX >= 0;
    m_mode = Mode::None;
    m_column = -1;
    m_trackingX = -1;
    if (tracked)
        m_grid.viewport()->update();
}
