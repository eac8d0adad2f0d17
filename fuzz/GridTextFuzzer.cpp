// The grid text reader: what it reads, written and read again, gives the
// same cells and row count.
#include "FuzzSupport.h"

#include "grid/CheckBoxColumn.h"
#include "grid/CustomCellGrid.h"
#include "grid/GridTextFile.h"
#include "grid/TextColumn.h"

#include <QStringList>

namespace {

// The bit table's columns: a check box and three texts.
struct BitTable
{
    BitTable()
    {
        grid.Columns.Add<TCheckBoxColumn>();
        for (int col = 1; col < 4; ++col)
            grid.Columns.Add<TTextColumn>();
    }
    QStringList cells() const
    {
        QStringList all;
        for (int row = 0; row < grid.RowCount(); ++row)
            for (int col = 0; col < grid.Columns.Count(); ++col)
                all << grid.Cells(col, row);
        return all;
    }
    TCustomCellGrid grid;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startOffscreenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    BitTable first;
    GridTextFile::decode(first.grid, fuzzInput(data, size), u';', u'|');
    BitTable second;
    GridTextFile::decode(second.grid, GridTextFile::encode(first.grid, u';', u'|'), u';', u'|');
    require(second.grid.RowCount() == first.grid.RowCount(), "the row count survives writing and reading");
    require(second.cells() == first.cells(), "every cell survives writing and reading");
    return 0;
}
