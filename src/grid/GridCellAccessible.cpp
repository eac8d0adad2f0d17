#include "grid/GridCellAccessible.h"

#include "grid/CellGrid.h"
#include "grid/CellGridAccessible.h"
#include "grid/CheckBoxColumn.h"
#include "platform/CommandGuard.h"

TGridCellAccessible::TGridCellAccessible(TCellGrid *grid, int ACol, int ARow)
    : TAccessibleLeaf(grid)
    , m_col(ACol)
    , m_row(ARow)
{
}

TCellGrid *TGridCellAccessible::grid() const
{
    return static_cast<TCellGrid *>(owner());
}

// A cell of a hidden column is not in the table.
bool TGridCellAccessible::isValid() const
{
    return grid() && grid()->CellExists(m_col, m_row) && grid()->Columns[m_col]->Visible();
}

// A check box cell is read by its state, not by "True" or "False"; its
// column's caption names it. A cell that shows a caption in place of its
// value is read as shown. A cell's hint (why it is marked) describes it.
QString TGridCellAccessible::text(QAccessible::Text type) const
{
    if (!isValid())
        return {};
    const TCustomGridColumn *column = grid()->Columns[m_col];
    switch (type) {
    case QAccessible::Name:
        if (const QString &caption = grid()->Cell(m_col, m_row).Caption(); !caption.isEmpty())
            return caption;
        return isCheckBox() ? column->Header().Caption() : column->DisplayText(grid()->Cells(m_col, m_row));
    case QAccessible::Description: return grid()->Cell(m_col, m_row).Hint();
    default: return {};
    }
}

QRect TGridCellAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect cell = grid()->gridGeometry().cellRect(m_col, m_row);
    return QRect(grid()->viewport()->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::Role TGridCellAccessible::role() const
{
    return QAccessible::Cell;
}

QAccessible::State TGridCellAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.selected = isSelected();
    state.focused = state.selected && grid()->hasGridFocus();
    state.disabled = !grid()->isEnabled() || !grid()->Columns[m_col]->Enabled();
    state.editable = grid()->CanEditCell(m_col, m_row);
    state.readOnly = !state.editable && !grid()->CanToggleCell(m_col, m_row);
    if (isCheckBox()) {
        state.checkable = true;
        state.checked = grid()->Cell(m_col, m_row).AsBoolean();
    }
    const QRect cell = grid()->gridGeometry().cellRect(m_col, m_row);
    state.invisible = cell.isEmpty() || !grid()->viewport()->rect().intersects(cell);
    state.offscreen = state.invisible;
    return state;
}

void *TGridCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

// --- QAccessibleTableCellInterface ---------------------------------------------

bool TGridCellAccessible::isSelected() const
{
    return grid() && grid()->SelectedColumn() == m_col && grid()->SelectedRow() == m_row;
}

QList<QAccessibleInterface *> TGridCellAccessible::columnHeaderCells() const
{
    const auto *accessibleTable = dynamic_cast<TCellGridAccessible *>(table());
    QAccessibleInterface *header = accessibleTable ? accessibleTable->headerInterface(m_col) : nullptr;
    return header ? QList<QAccessibleInterface *>{header} : QList<QAccessibleInterface *>{};
}

QList<QAccessibleInterface *> TGridCellAccessible::rowHeaderCells() const
{
    return {};
}

int TGridCellAccessible::columnIndex() const
{
    return isValid() ? grid()->Columns[m_col]->VisibleIndex() : -1;
}

int TGridCellAccessible::rowIndex() const
{
    return m_row;
}

int TGridCellAccessible::columnExtent() const
{
    return 1;
}

int TGridCellAccessible::rowExtent() const
{
    return 1;
}

QAccessibleInterface *TGridCellAccessible::table() const
{
    return parent();
}

// --- QAccessibleActionInterface --------------------------------------------------

QStringList TGridCellAccessible::actionNames() const
{
    if (isValid() && grid()->CanToggleCell(m_col, m_row))
        return {toggleAction()};
    return {};
}

// Toggling goes the way of Space on the cell, so every event, the undo
// history and whatever follows the grid see the same toggle.
void TGridCellAccessible::doAction(const QString &actionName)
{
    if (actionName != toggleAction() || !isValid())
        return;
    TCellGrid *target = grid();
    const int col = m_col;
    const int row = m_row;
    runCommand(target, [target, col, row] { target->ToggleByKey(col, row); });
}

QStringList TGridCellAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == toggleAction())
        return {QStringLiteral("Space")};
    return {};
}

// A caption drawn in place of the box leaves nothing to tick.
bool TGridCellAccessible::isCheckBox() const
{
    return grid() && dynamic_cast<const TCheckBoxColumn *>(grid()->Columns[m_col]) &&
           grid()->Cell(m_col, m_row).Caption().isEmpty();
}
