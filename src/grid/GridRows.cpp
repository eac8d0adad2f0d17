#include "grid/GridRows.h"

#include "grid/CustomCellGrid.h"
#include "platform/Errors.h"

#include <algorithm>

TGridRows::TGridRows(TCustomCellGrid &AGrid)
    : m_grid(AGrid)
{
}

TGridRows::~TGridRows() = default;

bool TGridRows::Contains(int ACol, int ARow) const
{
    return ACol >= 0 && ACol < int(m_columns.size()) && ARow >= 0 && ARow < Count();
}

TCell &TGridRows::Cell(int ACol, int ARow)
{
    CheckCell(ACol, ARow);
    m_lastCol = ACol;
    m_lastRow = ARow;
    return *m_columns[size_t(ACol)][size_t(ARow)];
}

const TCell &TGridRows::Cell(int ACol, int ARow) const
{
    CheckCell(ACol, ARow);
    return *m_columns[size_t(ACol)][size_t(ARow)];
}

void TGridRows::AddColumn(const TCustomGridColumn &AColumn)
{
    std::vector<std::unique_ptr<TCell>> cells;
    cells.reserve(m_records.capacity());
    for (int row = 0; row < Count(); ++row)
        cells.push_back(AColumn.CreateCell(*this));
    m_columns.push_back(std::move(cells));
}

void TGridRows::Append(int ACount)
{
    for (size_t col = 0; col < m_columns.size(); ++col)
        for (int added = 0; added < ACount; ++added)
            m_columns[col].push_back(NewCell(int(col)));
    m_records.resize(m_records.size() + size_t(ACount));
}

void TGridRows::Insert(int AIndex)
{
    if (AIndex < 0 || AIndex > Count())
        throw ListIndexError(AIndex);
    for (size_t col = 0; col < m_columns.size(); ++col)
        m_columns[col].insert(m_columns[col].begin() + AIndex, NewCell(int(col)));
    m_records.insert(m_records.begin() + AIndex, TRowRecord());
}

void TGridRows::Delete(int AIndex)
{
    CheckRow(AIndex);
    for (auto &cells : m_columns)
        cells.erase(cells.begin() + AIndex);
    m_records.erase(m_records.begin() + AIndex);
}

void TGridRows::Clear()
{
    for (auto &cells : m_columns)
        cells.clear();
    m_records.clear();
}

void TGridRows::Reorder(const std::vector<int> &Order)
{
    for (auto &cells : m_columns) {
        std::vector<std::unique_ptr<TCell>> sorted;
        sorted.reserve(cells.size());
        for (int from : Order)
            sorted.push_back(std::move(cells[size_t(from)]));
        cells = std::move(sorted);
    }
    std::vector<TRowRecord> records;
    records.reserve(m_records.size());
    for (int from : Order)
        records.push_back(m_records[size_t(from)]);
    m_records = std::move(records);
}

void TGridRows::Reserve(int ARows)
{
    for (auto &cells : m_columns)
        cells.reserve(size_t(ARows));
    m_records.reserve(size_t(ARows));
}

void TGridRows::CellChanged(const TCell &ACell)
{
    const bool lastFetched = Contains(m_lastCol, m_lastRow) && m_columns[size_t(m_lastCol)][size_t(m_lastRow)].get() == &ACell;
    const int row = lastFetched ? m_lastRow : RowOf(ACell);
    if (row >= 0)
        m_grid.CellChanged(ACell.Column(), row);
}

std::unique_ptr<TCell> TGridRows::NewCell(int ACol)
{
    return m_grid.Columns[ACol]->CreateCell(*this);
}

int TGridRows::RowOf(const TCell &ACell) const
{
    if (ACell.Column() < 0 || ACell.Column() >= int(m_columns.size()))
        return -1;
    const auto &cells = m_columns[size_t(ACell.Column())];
    const auto found = std::find_if(cells.begin(), cells.end(), [&](const auto &cell) { return cell.get() == &ACell; });
    return found == cells.end() ? -1 : int(found - cells.begin());
}

const TRowRecord &TGridRows::Record(int ARow) const
{
    CheckRow(ARow);
    return m_records[size_t(ARow)];
}

void TGridRows::CheckRow(int ARow) const
{
    if (ARow < 0 || ARow >= Count())
        throw ListIndexError(ARow);
}

void TGridRows::CheckCell(int ACol, int ARow) const
{
    CheckRow(ARow);
    if (ACol < 0 || ACol >= int(m_columns.size()))
        throw ListIndexError(ACol);
}
