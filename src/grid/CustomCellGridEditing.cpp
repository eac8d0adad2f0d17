// Editing, selection and sorting of TCustomCellGrid: the parts of in-place
// editing, check box toggling and key handling that need no window.
#include "grid/CustomCellGrid.h"

#include "grid/CellConversions.h"
#include "grid/CheckBoxColumn.h"
#include "grid/GridNavigation.h"
#include "grid/GridSorter.h"
#include "grid/TextColumn.h"

void TCustomCellGrid::SetSelectedCell(int ACol, int ARow)
{
    const int oldCol = m_selectedColumn;
    const int oldRow = m_selectedRow;
    m_selectedColumn = ACol;
    m_selectedRow = ARow;
    InvalidateCell(oldCol, oldRow);
    InvalidateCell(ACol, ARow);
    SelectionChanged();
}

TSelectionMove TCustomCellGrid::SelectionAfter(TGridMove Move, int PageRows) const
{
    return GridNavigation::selectionAfter(*this, Move, PageRows);
}

TSelectionMove TCustomCellGrid::MoveSelection(TGridMove Move, int PageRows)
{
    const TSelectionMove move = SelectionAfter(Move, PageRows);
    if (move.Handled)
        SetSelectedCell(move.ACol, move.ARow);
    return move;
}

bool TCustomCellGrid::CanEditCell(int ACol, int ARow) const
{
    if (m_readOnly || !CellExists(ACol, ARow))
        return false;
    // A hidden column's cell has no place on screen for an editor.
    const TCustomGridColumn *column = Columns[ACol];
    return dynamic_cast<const TTextColumn *>(column) && column->Options().Contains(coEditing) && column->Enabled() &&
           column->Visible();
}

bool TCustomCellGrid::CanToggleCell(int ACol, int ARow) const
{
    return !m_readOnly && CellExists(ACol, ARow) && dynamic_cast<const TCheckBoxColumn *>(Columns[ACol]);
}

bool TCustomCellGrid::AcceptBeforeEdit(int ACol, int ARow)
{
    bool accept = true;
    if (OnBeforeEdit)
        OnBeforeEdit(this, ACol, ARow, accept);
    return accept;
}

QString TCustomCellGrid::EditorText(int ACol, int ARow)
{
    QString text = Cells(ACol, ARow);
    if (OnApplyEditText)
        OnApplyEditText(this, ACol, ARow, text);
    return text;
}

bool TCustomCellGrid::ApplyEditText(int ACol, int ARow, const QString &Text)
{
    bool accept = true;
    if (OnEditAccept)
        OnEditAccept(this, ACol, ARow, Text, accept);
    // A cell gone by now (no rows left, or its row deleted) takes nothing.
    if (!CellExists(ACol, ARow))
        return false;
    if (!accept)
        return true;
    QString value = Text;
    if (OnEditText)
        OnEditText(this, ACol, ARow, value);
    SetCells(ACol, ARow, value);
    if (OnAfterEdit)
        OnAfterEdit(this, ACol, ARow, value);
    return true;
}

bool TCustomCellGrid::AcceptEndEditing(int ACol, int ARow, QString &Value)
{
    bool accept = true;
    if (OnEndEditing)
        OnEndEditing(this, ACol, ARow, Value, accept);
    return accept;
}

void TCustomCellGrid::ToggleCheckBox(int ACol, int ARow)
{
    if (!CanToggleCell(ACol, ARow))
        return;
    auto *column = static_cast<TCheckBoxColumn *>(Columns[ACol]);
    const bool newValue = !Cell(ACol, ARow).AsBoolean();
    bool accept = true;
    if (OnEditAccept)
        OnEditAccept(this, ACol, ARow, CellConversions::fromBoolean(newValue), accept);
    // The handler may have deleted rows; the cell is fetched again.
    if (accept && CellExists(ACol, ARow)) {
        Cell(ACol, ARow).SetAsBoolean(newValue);
        if (OnAfterEdit && CellExists(ACol, ARow))
            OnAfterEdit(this, ACol, ARow, Cell(ACol, ARow).AsString());
    }
    if (column->OnChange)
        column->OnChange(column);
}

bool TCustomCellGrid::ToggleByKey(int ACol, int ARow)
{
    bool handled = false;
    if (OnToggleRequest && CellExists(ACol, ARow))
        OnToggleRequest(this, ACol, ARow, handled);
    if (handled)
        return true;
    if (!CanToggleCell(ACol, ARow))
        return false;
    if (AcceptBeforeEdit(ACol, ARow))
        ToggleCheckBox(ACol, ARow);
    return true;
}

// --- Sorting -------------------------------------------------------------------

void TCustomCellGrid::SortByColumn(int ACol)
{
    TCustomGridColumn *column = Columns[ACol];
    if (!column->Options().Contains(coCanSort))
        return;
    const bool ascending = column->SortKind() == skAscending;
    if (OnSortColumn)
        OnSortColumn(this, ACol, ascending);
    const std::vector<int> order = GridSorter::sortedOrder(*this, ACol);
    m_rows.Reorder(order);
    for (int row = 0; row < int(order.size()); ++row)
        if (order[size_t(row)] == m_selectedRow) {
            m_selectedRow = row;
            break;
        }
    RowsChanged({TRowsChangeKind::Reordered});
    Refresh();
    SelectionChanged();
    if (OnAfterSort)
        OnAfterSort(this, ACol);
}

void TCustomCellGrid::HeaderSortClick(int ACol)
{
    TCustomGridColumn *column = Columns[ACol];
    if (!column->Options().Contains(coCanSort))
        return;
    if (!column->Sorted())
        column->SetSorted(true);
    else
        column->SetSortKind(column->SortKind() == skAscending ? skDescending : skAscending);
}
