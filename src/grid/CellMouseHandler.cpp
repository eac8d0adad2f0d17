#include "grid/CellMouseHandler.h"

#include "grid/CellGrid.h"
#include "grid/GridEditorController.h"

#include <utility>

CellMouseHandler::CellMouseHandler(TCellGrid &grid)
    : m_grid(grid)
{
}

void CellMouseHandler::press(QPoint pos)
{
    m_pressCell = m_grid.gridGeometry().cellAt(pos);
    if (!m_pressCell.IsValid())
        return;
    m_pressCellWasSelected = m_pressCell == TCellAddress{m_grid.SelectedColumn(), m_grid.SelectedRow()};
    m_grid.selectClickedCell(m_pressCell);
    const TCellAddress glyph = glyphAt(pos);
    if (glyph == m_pressCell && m_grid.AcceptBeforeEdit(glyph.ACol, glyph.ARow))
        setPressedGlyph(glyph);
}

void CellMouseHandler::release(QPoint pos)
{
    const TCellAddress pressed = std::exchange(m_pressCell, TCellAddress{});
    const bool toggleArmed = m_pressedGlyph.IsValid();
    setPressedGlyph({});
    if (!pressed.IsValid() || m_grid.gridGeometry().cellAt(pos) != pressed)
        return;
    if (toggleArmed && glyphAt(pos) == pressed)
        toggle(pressed);
    else if (opensEditorOnClick(pressed))
        m_grid.editorController().openWithCellText(pressed);
    if (m_grid.OnCellClick)
        m_grid.OnCellClick(&m_grid, pressed.ACol, pressed.ARow);
}

void CellMouseHandler::doubleClick(QPoint pos)
{
    // The second click of a double click is a press like the first.
    press(pos);
    if (m_pressCell.IsValid() && m_grid.OnCellDblClick)
        m_grid.OnCellDblClick(&m_grid, m_pressCell.ACol, m_pressCell.ARow);
}

void CellMouseHandler::hover(QPoint pos)
{
    setHotGlyph(glyphAt(pos));
}

void CellMouseHandler::leave()
{
    setHotGlyph({});
}

TCellAddress CellMouseHandler::glyphAt(QPoint pos) const
{
    const GridGeometry geometry = m_grid.gridGeometry();
    const TCellAddress cell = geometry.cellAt(pos);
    if (!cell.IsValid() || !m_grid.CanToggleCell(cell.ACol, cell.ARow))
        return {};
    return geometry.checkBoxRect(cell.ACol, cell.ARow).contains(pos) ? cell : TCellAddress{};
}

void CellMouseHandler::toggle(TCellAddress cell)
{
    if (m_grid.AcceptBeforeEdit(cell.ACol, cell.ARow))
        m_grid.ToggleCheckBox(cell.ACol, cell.ARow);
}

bool CellMouseHandler::opensEditorOnClick(TCellAddress cell) const
{
    if (!m_grid.CanEditCell(cell.ACol, cell.ARow))
        return false;
    return !m_grid.Options().Contains(goSecondClickEdit) || m_pressCellWasSelected;
}

void CellMouseHandler::setHotGlyph(TCellAddress cell)
{
    remark(m_hotGlyph, cell);
}

void CellMouseHandler::setPressedGlyph(TCellAddress cell)
{
    remark(m_pressedGlyph, cell);
}

void CellMouseHandler::remark(TCellAddress &mark, TCellAddress cell)
{
    const TCellAddress old = std::exchange(mark, cell);
    if (old == cell)
        return;
    m_grid.InvalidateCell(old.ACol, old.ARow);
    m_grid.InvalidateCell(cell.ACol, cell.ARow);
}
