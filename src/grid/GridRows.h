#pragma once

#include "grid/Cell.h"

#include <memory>
#include <vector>

class TCustomCellGrid;
class TCustomGridColumn;

// What the row store keeps per row besides its cells. All rows of the
// system are visible top-level rows.
struct TRowRecord
{
    bool Visible = true;
    int Level = 0; // tree depth
    bool Expanded = false;
};

// The grid's cells, stored per column: for every column one list of cell
// objects indexed by row, plus one list of row records. New cells are
// built silently in their column's kind, colour and font.
class TGridRows
{
public:
    explicit TGridRows(TCustomCellGrid &AGrid);
    ~TGridRows();
    TGridRows(const TGridRows &) = delete;
    TGridRows &operator=(const TGridRows &) = delete;

    int Count() const { return int(m_records.size()); }
    bool Contains(int ACol, int ARow) const;

    // The cell object; remembers (ACol, ARow) as the cell most recently
    // fetched. Raises ListIndexError for a row or column outside the grid.
    TCell &Cell(int ACol, int ARow);
    const TCell &Cell(int ACol, int ARow) const;

    // Visibility and tree state of a row; raises ListIndexError.
    const TRowRecord &Record(int ARow) const;

    void AddColumn(const TCustomGridColumn &AColumn);
    void Append(int ACount);
    void Insert(int AIndex);
    void Delete(int AIndex); // raises ListIndexError
    void Clear();
    // Puts old row Order[i] at row i, for every column and the records.
    void Reorder(const std::vector<int> &Order);
    // Room for that many rows, so bulk loading does not reallocate.
    void Reserve(int ARows);

    // Called by a cell after a write: reports the cell's column and row
    // to the grid (the most recently fetched one, found by search when the
    // caller kept an older cell).
    void CellChanged(const TCell &ACell);

private:
    std::unique_ptr<TCell> NewCell(int ACol);
    int RowOf(const TCell &ACell) const;
    void CheckRow(int ARow) const;
    void CheckCell(int ACol, int ARow) const;

    TCustomCellGrid &m_grid;
    std::vector<std::vector<std::unique_ptr<TCell>>> m_columns;
    std::vector<TRowRecord> m_records;
    int m_lastCol = -1;
    int m_lastRow = -1;
};
