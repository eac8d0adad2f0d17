#pragma once

#include "grid/GridColumn.h"

#include <functional>

// A column of ticks (boolean cells), toggled by mouse or space bar.
class TCheckBoxColumn : public TCustomGridColumn
{
public:
    TCheckBoxColumn(TCustomCellGrid &AGrid, int AIndex);

    // Raised after every toggle, also after one the grid's OnEditAccept refused.
    std::function<void(TCheckBoxColumn *Sender)> OnChange;

protected:
    std::unique_ptr<TCell> NewCell(TGridRows &ARows) const override;
};
