#pragma once

#include "grid/CheckBoxColumn.h"
#include "grid/CustomCellGrid.h"
#include "grid/TextColumn.h"

// A windowless grid shaped like the bit table.
class BitTable : public TCustomCellGrid
{
public:
    BitTable()
    {
        Columns.Add<TCheckBoxColumn>();
        for (int n = 0; n < 3; ++n)
            Columns.Add<TTextColumn>();
    }
};
