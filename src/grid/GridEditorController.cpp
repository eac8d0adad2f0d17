#include "grid/GridEditorController.h"

#include "grid/CellGrid.h"
#include "grid/CellPaintState.h"
#include "grid/GridCellPainter.h"
#include "grid/InplaceEdit.h"
#include "grid/TextColumn.h"

#include <QScopedValueRollback>
#include <utility>

GridEditorController::GridEditorController(TCellGrid &grid)
    : m_grid(grid)
    , m_editor(new TInplaceEdit(grid.viewport()))
{
}

GridEditorController::~GridEditorController()
{
    delete m_editor;
}

bool GridEditorController::openWithCellText(TCellAddress cell)
{
    return open(cell, nullptr);
}

bool GridEditorController::openWithTypedText(TCellAddress cell, const QString &typed)
{
    return open(cell, &typed);
}

bool GridEditorController::open(TCellAddress cell, const QString *typed)
{
    if (isOpen() && !applyAndClose())
        return false;
    if (!m_grid.CanEditCell(cell.ACol, cell.ARow) || !m_grid.AcceptBeforeEdit(cell.ACol, cell.ARow))
        return false;
    // The handler may have removed the row.
    if (!m_grid.CanEditCell(cell.ACol, cell.ARow))
        return false;
    const QString text = typed ? QString() : m_grid.EditorText(cell.ACol, cell.ARow);
    m_cell = cell;
    dressFor(cell);
    m_editor->setText(text);
    if (typed)
        m_editor->insert(*typed);
    else if (m_grid.Columns[cell.ACol]->Options().Contains(coEditorAutoSelect))
        m_editor->selectAll();
    else
        m_editor->end(false);
    reposition();
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
    m_grid.InvalidateCell(cell.ACol, cell.ARow);
    return true;
}

void GridEditorController::dressFor(TCellAddress cell)
{
    const TCustomGridColumn &column = *m_grid.Columns[cell.ACol];
    const TCell &gridCell = m_grid.Cell(cell.ACol, cell.ARow);
    TGridViewState view;
    view.EditorCell = cell;
    const TCellPaintState state = CellPaintStates::forCell(m_grid, cell.ACol, cell.ARow, view);
    const auto *textColumn = dynamic_cast<const TTextColumn *>(&column);
    m_editor->adoptCell(state.Background, state.TextColor, TGridCellPainter::cellFont(column, gridCell, false),
                        textColumn ? textColumn->MaxLength() : 0, textColumn ? textColumn->PasswordChar() : QChar());
    // A screen reader names the field after the cell it edits; rows count from 1.
    m_editor->setAccessibleName(
        QStringLiteral("%1, row %2").arg(column.Header().Caption().trimmed()).arg(cell.ARow + 1));
}

void GridEditorController::apply()
{
    if (!isOpen() || m_busy)
        return;
    const QScopedValueRollback busy(m_busy, true);
    m_grid.ApplyEditText(m_cell.ACol, m_cell.ARow, m_editor->text());
}

bool GridEditorController::close()
{
    if (!isOpen())
        return true;
    if (m_busy)
        return false;
    QString value = m_editor->text();
    {
        const QScopedValueRollback busy(m_busy, true);
        if (!m_grid.AcceptEndEditing(m_cell.ACol, m_cell.ARow, value))
            return false;
    }
    dismiss();
    if (m_grid.OnEditExit)
        m_grid.OnEditExit(&m_grid);
    return true;
}

void GridEditorController::dismiss()
{
    const TCellAddress closed = std::exchange(m_cell, TCellAddress{});
    // Hiding a focused editor would pass the focus to the next control.
    if (m_editor->hasFocus())
        m_grid.setFocus(Qt::OtherFocusReason);
    m_editor->hide();
    m_grid.InvalidateCell(closed.ACol, closed.ARow);
}

bool GridEditorController::applyAndClose()
{
    if (!isOpen())
        return true;
    if (m_busy)
        return false;
    apply();
    return close();
}

void GridEditorController::cancel()
{
    if (m_grid.Options().Contains(goEscClearEdit))
        m_editor->clear();
    else
        close();
}

void GridEditorController::reposition()
{
    if (!isOpen())
        return;
    if (!m_grid.Columns[m_cell.ACol]->Visible()) {
        // An editor over a hidden cell would keep the focus unseen and
        // take keys for a cell nobody sees: its text is stored, and it
        // closes without asking OnEndEditing, which could not keep it.
        apply();
        dismiss();
        return;
    }
    m_editor->setGeometry(m_grid.gridGeometry().cellContentRect(m_cell.ACol, m_cell.ARow));
}

void GridEditorController::followRows(TRowsChange change)
{
    // OnEndEditing is not asked: it could not keep the editor over a cell
    // that is not there.
    if (isOpen() && !keepCellThrough(change))
        dismiss();
}

// Moves the edited row with an insertion or deletion above it; false when
// the edited cell is gone, or its row is no longer known after a sort.
bool GridEditorController::keepCellThrough(TRowsChange change)
{
    switch (change.Kind) {
    case TRowsChangeKind::Appended:
        return true;
    case TRowsChangeKind::Inserted:
        if (change.Index <= m_cell.ARow)
            ++m_cell.ARow;
        return true;
    case TRowsChangeKind::Deleted:
        if (change.Index == m_cell.ARow)
            return false;
        if (change.Index < m_cell.ARow)
            --m_cell.ARow;
        return true;
    case TRowsChangeKind::Cleared:
    case TRowsChangeKind::Reordered:
        return false;
    }
    return false;
}
