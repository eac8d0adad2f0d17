#include "grid/GridCellAccessible.h"

#include "grid/CellGrid.h"
#include "grid/CellGridAccessible.h"
#include "grid/CheckBoxColumn.h"
#include "platform/CommandGuard.h"

TGridCellAccessible::TGridCellAccessible(TCellGrid *grid, int ACol, int ARow)
    : m_grid(grid)
    , m_col(ACol)
    , m_row(ARow)
{
}

bool TGridCellAccessible::isValid() const
{
    return m_grid && m_grid->CellExists(m_col, m_row);
}

QObject *TGridCellAccessible::object() const
{
    return nullptr;
}

QAccessibleInterface *TGridCellAccessible::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface *TGridCellAccessible::parent() const
{
    return table();
}

QAccessibleInterface *TGridCellAccessible::child(int) const
{
    return nullptr;
}

int TGridCellAccessible::childCount() const
{
    return 0;
}

int TGridCellAccessible::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

// A check box cell is read by its state, not by "True" or "False"; its
// column's caption names it. A cell that shows a caption in place of its
// value is read as shown. A cell's hint (why it is marked) describes it.
QString TGridCellAccessible::text(QAccessible::Text type) const
{
    if (!isValid())
        return {};
    const TCustomGridColumn *column = m_grid->Columns[m_col];
    switch (type) {
    case QAccessible::Name:
        if (const QString &caption = m_grid->Cell(m_col, m_row).Caption(); !caption.isEmpty())
            return caption;
        return isCheckBox() ? column->Header().Caption() : column->DisplayText(m_grid->Cells(m_col, m_row));
    case QAccessible::Description: return m_grid->Cell(m_col, m_row).Hint();
    default: return {};
    }
}

void TGridCellAccessible::setText(QAccessible::Text, const QString &) {}

QRect TGridCellAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect cell = m_grid->gridGeometry().cellRect(m_col, m_row);
    return QRect(m_grid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
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
    state.focused = state.selected && m_grid->hasGridFocus();
    state.disabled = !m_grid->isEnabled() || !m_grid->Columns[m_col]->Enabled();
    state.editable = m_grid->CanEditCell(m_col, m_row);
    state.readOnly = !state.editable && !m_grid->CanToggleCell(m_col, m_row);
    if (isCheckBox()) {
        state.checkable = true;
        state.checked = m_grid->Cell(m_col, m_row).AsBoolean();
    }
    const QRect cell = m_grid->gridGeometry().cellRect(m_col, m_row);
    state.invisible = cell.isEmpty() || !m_grid->viewport()->rect().intersects(cell);
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
    return m_grid && m_grid->SelectedColumn() == m_col && m_grid->SelectedRow() == m_row;
}

QList<QAccessibleInterface *> TGridCellAccessible::columnHeaderCells() const
{
    const auto *grid = m_grid ? dynamic_cast<TCellGridAccessible *>(table()) : nullptr;
    QAccessibleInterface *header = grid ? grid->headerInterface(m_col) : nullptr;
    return header ? QList<QAccessibleInterface *>{header} : QList<QAccessibleInterface *>{};
}

QList<QAccessibleInterface *> TGridCellAccessible::rowHeaderCells() const
{
    return {};
}

int TGridCellAccessible::columnIndex() const
{
    return m_grid ? m_grid->Columns[m_col]->VisibleIndex() : -1;
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
    return m_grid ? QAccessible::queryAccessibleInterface(m_grid.data()) : nullptr;
}

// --- QAccessibleActionInterface --------------------------------------------------

QStringList TGridCellAccessible::actionNames() const
{
    if (isValid() && m_grid->CanToggleCell(m_col, m_row))
        return {toggleAction()};
    return {};
}

// Toggling goes the way of Space on the cell, so every event, the undo
// history and whatever follows the grid see the same toggle.
void TGridCellAccessible::doAction(const QString &actionName)
{
    if (actionName != toggleAction() || !isValid())
        return;
    TCellGrid *grid = m_grid;
    const int col = m_col;
    const int row = m_row;
    runCommand(grid, [grid, col, row] { grid->ToggleByKey(col, row); });
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
    return m_grid && dynamic_cast<const TCheckBoxColumn *>(m_grid->Columns[m_col]) &&
           m_grid->Cell(m_col, m_row).Caption().isEmpty();
}
