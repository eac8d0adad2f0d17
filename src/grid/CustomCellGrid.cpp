#include "grid/CustomCellGrid.h"

#include "grid/GridBinding.h"
#include "grid/GridPalette.h"
#include "grid/GridTextFile.h"

#include <algorithm>
#include <utility>

TCustomCellGrid::TCustomCellGrid()
    : Columns(*this)
    , m_rows(*this)
    , m_color(GridPalette::window())
    , m_gridLinesColor(GridPalette::buttonFace())
    , m_selectionColor(GridPalette::highlight())
    , m_inactiveSelectionColor(GridPalette::buttonFace())
    , m_highlightedTextColor(GridPalette::highlightedText())
{
}

TCustomCellGrid::~TCustomCellGrid()
{
    // A binding may remove itself while it is told, so tell a copy.
    const std::vector<TGridBinding *> bindings = std::exchange(m_bindings, {});
    for (TGridBinding *binding : bindings)
        binding->GridDestroyed(this);
}

void TCustomCellGrid::AddBinding(TGridBinding *Binding)
{
    if (std::find(m_bindings.begin(), m_bindings.end(), Binding) == m_bindings.end())
        m_bindings.push_back(Binding);
}

void TCustomCellGrid::RemoveBinding(TGridBinding *Binding)
{
    std::erase(m_bindings, Binding);
}

// --- Rows and cells ----------------------------------------------------------

void TCustomCellGrid::SetRowCount(int Value)
{
    if (Value < 0)
        return;
    if (Value > RowCount())
        AddRow(Value - RowCount());
    while (RowCount() > Value)
        DeleteRow(RowCount() - 1);
}

void TCustomCellGrid::SetStartRowCount(int Value)
{
    if (Value < 0 || Value == m_startRowCount)
        return;
    if (Value > m_startRowCount) {
        AddRow(Value - m_startRowCount);
    } else {
        const int surplus = std::min(m_startRowCount, RowCount()) - Value;
        for (int deleted = 0; deleted < surplus; ++deleted)
            DeleteRow(0);
    }
    m_startRowCount = Value;
}

TCell &TCustomCellGrid::Cell(int ACol, int ARow)
{
    return m_rows.Cell(ACol, ARow);
}

const TCell &TCustomCellGrid::Cell(int ACol, int ARow) const
{
    return m_rows.Cell(ACol, ARow);
}

QString TCustomCellGrid::Cells(int ACol, int ARow) const
{
    return CellExists(ACol, ARow) ? Cell(ACol, ARow).AsString() : QString();
}

void TCustomCellGrid::SetCells(int ACol, int ARow, const QString &Text)
{
    if (CellExists(ACol, ARow))
        Cell(ACol, ARow).SetAsString(Text);
}

bool TCustomCellGrid::CellExists(int ACol, int ARow) const
{
    return m_rows.Contains(ACol, ARow);
}

int TCustomCellGrid::AddRow(int Count)
{
    if (Count < 1)
        return RowCount() - 1;
    const int first = RowCount();
    m_rows.Append(Count);
    if (m_rowsLoadCount == 0)
        RowsChanged({TRowsChangeKind::Appended, first});
    else if (m_firstRowLoaded < 0)
        m_firstRowLoaded = first;
    const int last = RowCount() - 1;
    if (OnDataChange)
        OnDataChange(this, dcAddRow, last);
    return last;
}

void TCustomCellGrid::InsertRow(int Index)
{
    const bool rowWasSelected = m_selectedRow < RowCount();
    m_rows.Insert(Index);
    // The selected row stays the selected row as it moves down.
    if (rowWasSelected && m_selectedRow >= Index)
        ++m_selectedRow;
    RowsChanged({TRowsChangeKind::Inserted, Index});
    Refresh();
    if (OnDataChange)
        OnDataChange(this, dcInsertRow, Index);
}

void TCustomCellGrid::DeleteRow(int Index)
{
    m_rows.Delete(Index);
    if (m_selectedRow > Index)
        --m_selectedRow;
    KeepSelectionInside();
    RowsChanged({TRowsChangeKind::Deleted, Index});
    Refresh();
    if (OnDataChange)
        OnDataChange(this, dcDeleteRow, Index);
}

void TCustomCellGrid::ClearRows()
{
    m_rows.Clear();
    m_firstRowLoaded = -1;
    m_selectedRow = 0;
    RowsChanged({TRowsChangeKind::Cleared});
    ScrollToTop();
    Refresh();
}

void TCustomCellGrid::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        Refresh();
}

void TCustomCellGrid::EndRowsLoad()
{
    if (m_rowsLoadCount == 0 || --m_rowsLoadCount > 0 || m_firstRowLoaded < 0)
        return;
    RowsChanged({TRowsChangeKind::Appended, std::exchange(m_firstRowLoaded, -1)});
}

void TCustomCellGrid::CellChanged(int ACol, int ARow)
{
    if (m_updateCount > 0)
        return;
    InvalidateCell(ACol, ARow);
    CellWritten(ACol, ARow);
    if (OnChange)
        OnChange(this, ACol, ARow);
}

void TCustomCellGrid::ColumnAdded(const TCustomGridColumn &AColumn)
{
    m_rows.AddColumn(AColumn);
}

void TCustomCellGrid::KeepSelectionInside()
{
    m_selectedRow = std::clamp(m_selectedRow, 0, std::max(RowCount() - 1, 0));
}

// --- Text files ----------------------------------------------------------------

void TCustomCellGrid::SaveToTextFile(const QString &FileName, QChar Separator, QChar LineBreakChar) const
{
    GridTextFile::save(*this, FileName, Separator, LineBreakChar);
}

void TCustomCellGrid::LoadFromTextFile(const QString &FileName, QChar Separator, QChar LineBreakChar)
{
    GridTextFile::load(*this, FileName, Separator, LineBreakChar);
}

// --- View hooks: a grid without a window has nothing to paint -------------------

void TCustomCellGrid::InvalidateCell(int, int) {}
void TCustomCellGrid::InvalidateColumn(int) {}
void TCustomCellGrid::InvalidateHeader() {}
void TCustomCellGrid::LayoutChanged() {}
void TCustomCellGrid::RowsChanged(TRowsChange) {}
void TCustomCellGrid::ScrollToTop() {}
void TCustomCellGrid::SelectionChanged() {}
void TCustomCellGrid::CellWritten(int, int) {}
void TCustomCellGrid::ColumnShownChanged() {}
void TCustomCellGrid::PartTextChanged(const TColumnPart &) {}
void TCustomCellGrid::Refresh() {}
void TCustomCellGrid::Update() {}
void TCustomCellGrid::ApplyEditing() {}

QFont TCustomCellGrid::GridFont() const
{
    return QFont();
}
