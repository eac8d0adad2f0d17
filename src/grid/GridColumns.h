#pragma once

#include "grid/GridColumn.h"

#include <memory>
#include <vector>

// The grid's columns, kept twice: in creation order (Item, the ACol of
// every event) and in display order (PositionItem). Owns its columns.
class TGridColumns
{
public:
    explicit TGridColumns(TCustomCellGrid &AGrid);
    ~TGridColumns();
    TGridColumns(const TGridColumns &) = delete;
    TGridColumns &operator=(const TGridColumns &) = delete;

    // Creates a column at the end of both orders; every existing row
    // receives a silent cell of the column's kind.
    template<typename TColumn>
    TColumn *Add()
    {
        auto column = std::make_unique<TColumn>(m_grid, Count());
        TColumn *added = column.get();
        Append(std::move(column));
        return added;
    }

    int Count() const { return int(m_items.size()); }
    TCustomGridColumn *Item(int Index) const; // raises ListIndexError outside 0..Count-1
    TCustomGridColumn *operator[](int Index) const { return Item(Index); }

    TCustomGridColumn *PositionItem(int Position) const; // raises ListIndexError
    // Only stores the column into that display slot: nothing is removed
    // or renumbered until UpdatePositions(true).
    void SetPositionItem(int Position, TCustomGridColumn *Column);

    // Walks the display order and assigns left edges and visible indexes;
    // with AssignPositions every column's Position becomes its slot. A
    // display order that holds a column twice is repaired first: the
    // later duplicate slots take the columns that have no slot.
    void UpdatePositions(bool AssignPositions);

    // Moves a column from one display slot to another and renumbers.
    void Move(int FromPos, int ToPos);

    int VisibleCount() const;
    TCustomGridColumn *VisibleItem(int VisibleIndex) const; // nullptr outside
    int TotalWidth() const; // sum of the visible columns' widths, pixels
    // The visible column under content x (pixels), or nullptr.
    TCustomGridColumn *ColumnAt(int X) const;

    void ClearSortedMarks(const TCustomGridColumn *Except);

private:
    void Append(std::unique_ptr<TCustomGridColumn> Column);
    void RepairDisplayOrder();

    TCustomCellGrid &m_grid;
    std::vector<std::unique_ptr<TCustomGridColumn>> m_items;
    std::vector<TCustomGridColumn *> m_display;
};
