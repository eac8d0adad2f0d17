#include "grid/GridColumns.h"

#include "grid/CustomCellGrid.h"
#include "platform/Errors.h"

#include <algorithm>

TGridColumns::TGridColumns(TCustomCellGrid &AGrid)
    : m_grid(AGrid)
{
}

TGridColumns::~TGridColumns() = default;

TCustomGridColumn *TGridColumns::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw ListIndexError(Index);
    return m_items[size_t(Index)].get();
}

TCustomGridColumn *TGridColumns::PositionItem(int Position) const
{
    if (Position < 0 || Position >= Count())
        throw ListIndexError(Position);
    return m_display[size_t(Position)];
}

void TGridColumns::SetPositionItem(int Position, TCustomGridColumn *Column)
{
    if (Position < 0 || Position >= Count())
        throw ListIndexError(Position);
    if (Column)
        m_display[size_t(Position)] = Column;
}

void TGridColumns::UpdatePositions(bool AssignPositions)
{
    RepairDisplayOrder();
    int left = 0;
    int visibleIndex = 0;
    for (int slot = 0; slot < Count(); ++slot) {
        TCustomGridColumn *column = m_display[size_t(slot)];
        if (AssignPositions)
            column->AssignPosition(slot);
        column->SetGeometry(left, column->Visible() ? visibleIndex : -1);
        if (column->Visible()) {
            left += column->Width();
            ++visibleIndex;
        }
    }
}

void TGridColumns::Move(int FromPos, int ToPos)
{
    const int last = Count() - 1;
    FromPos = std::clamp(FromPos, 0, last);
    ToPos = std::clamp(ToPos, 0, last);
    TCustomGridColumn *moved = m_display[size_t(FromPos)];
    m_display.erase(m_display.begin() + FromPos);
    m_display.insert(m_display.begin() + ToPos, moved);
    UpdatePositions(true);
}

int TGridColumns::VisibleCount() const
{
    return int(std::count_if(m_items.begin(), m_items.end(), [](const auto &column) { return column->Visible(); }));
}

TCustomGridColumn *TGridColumns::VisibleItem(int VisibleIndex) const
{
    for (TCustomGridColumn *column : m_display)
        if (column->Visible() && column->VisibleIndex() == VisibleIndex)
            return column;
    return nullptr;
}

int TGridColumns::TotalWidth() const
{
    int width = 0;
    for (const auto &column : m_items)
        if (column->Visible())
            width += column->Width();
    return width;
}

TCustomGridColumn *TGridColumns::ColumnAt(int X) const
{
    for (TCustomGridColumn *column : m_display)
        if (column->Visible() && X >= column->Left() && X < column->Right())
            return column;
    return nullptr;
}

void TGridColumns::ClearSortedMarks(const TCustomGridColumn *Except)
{
    for (const auto &column : m_items)
        if (column.get() != Except)
            column->ClearSortedMark();
}

void TGridColumns::Append(std::unique_ptr<TCustomGridColumn> Column)
{
    m_display.push_back(Column.get());
    m_items.push_back(std::move(Column));
    m_grid.ColumnAdded(*m_items.back());
    UpdatePositions(false);
    m_grid.LayoutChanged();
}

void TGridColumns::RepairDisplayOrder()
{
    std::vector<bool> placed(m_items.size(), false);
    std::vector<size_t> freeSlots;
    for (size_t slot = 0; slot < m_display.size(); ++slot) {
        const int index = m_display[slot]->Index();
        if (placed[size_t(index)])
            freeSlots.push_back(slot);
        placed[size_t(index)] = true;
    }
    auto freeSlot = freeSlots.begin();
    for (size_t index = 0; index < m_items.size() && freeSlot != freeSlots.end(); ++index)
        if (!placed[index])
            m_display[*freeSlot++] = m_items[index].get();
}
