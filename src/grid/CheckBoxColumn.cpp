#include "grid/CheckBoxColumn.h"

#include "grid/BooleanCell.h"

TCheckBoxColumn::TCheckBoxColumn(TCustomCellGrid &AGrid, int AIndex)
    : TCustomGridColumn(AGrid, AIndex)
{
    SetSortType(stBoolean);
}

std::unique_ptr<TCell> TCheckBoxColumn::NewCell(TGridRows &ARows) const
{
    return std::make_unique<TBooleanCell>(ARows, Index());
}
