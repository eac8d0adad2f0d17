#include "grid/GridKeyHandler.h"

#include "grid/CellGrid.h"
#include "grid/GridEditorController.h"

#include <QKeyEvent>

GridKeyHandler::GridKeyHandler(TCellGrid &grid)
    : m_grid(grid)
{
}

bool GridKeyHandler::handle(const QKeyEvent &event)
{
    if (m_grid.Options().Contains(goDisableKeys))
        return false;
    if (leavesWithControlTab(event))
        return true;
    switch (event.key()) {
    case Qt::Key_Left: return move(TGridMove::Left);
    case Qt::Key_Right: return move(TGridMove::Right);
    case Qt::Key_Up: return move(TGridMove::Up);
    case Qt::Key_Down: return move(TGridMove::Down);
    case Qt::Key_PageUp: return move(TGridMove::PageUp);
    case Qt::Key_PageDown: return move(TGridMove::PageDown);
    case Qt::Key_Home: return move(TGridMove::Home);
    case Qt::Key_End: return move(TGridMove::End);
    case Qt::Key_Tab: return tab(event.modifiers().testFlag(Qt::ShiftModifier));
    case Qt::Key_Backtab: return tab(true);
    case Qt::Key_Return:
    case Qt::Key_Enter: return moveAfterReturn();
    case Qt::Key_Space: return toggleSelected();
    default: return startEditing(event.text());
    }
}

bool GridKeyHandler::move(TGridMove move)
{
    if (m_grid.RowCount() == 0)
        return true;
    return m_grid.MoveSelection(move, m_grid.gridGeometry().pageRows()).Handled;
}

bool GridKeyHandler::tab(bool backwards)
{
    const TSelectionMove move =
        m_grid.MoveSelection(backwards ? TGridMove::ShiftTab : TGridMove::Tab, m_grid.gridGeometry().pageRows());
    if (move.LeaveControl)
        m_grid.leaveControl(true);
    return move.Handled;
}

// The grid keeps Tab for its cells; Ctrl+Tab and Ctrl+Shift+Tab still
// move the focus on, as they do out of Qt's text widgets.
bool GridKeyHandler::leavesWithControlTab(const QKeyEvent &event)
{
    const bool tabKey = event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
    if (!tabKey || !event.modifiers().testFlag(Qt::ControlModifier))
        return false;
    m_grid.leaveControl(event.key() == Qt::Key_Tab && !event.modifiers().testFlag(Qt::ShiftModifier));
    return true;
}

// Without WantReturns, Enter belongs to the window (its default button).
bool GridKeyHandler::moveAfterReturn()
{
    if (!m_grid.WantReturns())
        return false;
    switch (m_grid.SelectionMoveDirection()) {
    case mdNone: return true;
    case mdUp: return move(TGridMove::Up);
    case mdDown: return move(TGridMove::Down);
    case mdLeft: return move(TGridMove::Left);
    case mdRight: return move(TGridMove::Right);
    }
    return true;
}

bool GridKeyHandler::toggleSelected()
{
    return m_grid.ToggleByKey(m_grid.SelectedColumn(), m_grid.SelectedRow());
}

// A character above the space opens the editor empty and enters it, so
// the typed text replaces the cell's once it is applied.
bool GridKeyHandler::startEditing(const QString &typed)
{
    const QList<uint> codePoints = typed.toUcs4();
    if (codePoints.size() != 1 || codePoints.front() < 33 || !QChar::isPrint(char32_t(codePoints.front())))
        return false;
    const TCellAddress cell{m_grid.SelectedColumn(), m_grid.SelectedRow()};
    if (!m_grid.CanEditCell(cell.ACol, cell.ARow))
        return false;
    m_grid.editorController().openWithTypedText(cell, typed);
    return true;
}
