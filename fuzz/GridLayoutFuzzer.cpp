// The grid layout loader: whatever the settings text, the display order
// stays a permutation, every column's position is its slot, and widths
// and left edges stay within their bounds.
#include "FuzzSupport.h"

#include "grid/CheckBoxColumn.h"
#include "grid/CustomCellGrid.h"
#include "grid/TextColumn.h"
#include "platform/Errors.h"
#include "platform/TextCodec.h"
#include "util/GridAdjust.h"
#include "util/ProfileFile.h"

#include <vector>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startOffscreenApplication();
    return 0;
}

namespace {

// The bit table's four columns; one grid serves every input, its layout
// put back to the columns' first state before each.
TCustomCellGrid &bitTable()
{
    static TCustomCellGrid grid;
    if (grid.Columns.Count() == 0) {
        grid.Columns.Add<TCheckBoxColumn>();
        for (int col = 1; col < 4; ++col)
            grid.Columns.Add<TTextColumn>();
    }
    for (int n = 0; n < grid.Columns.Count(); ++n) {
        TCustomGridColumn &column = *grid.Columns[n];
        column.SetWidth(column.DefaultWidth());
        column.Header().SetCaption(QString());
    }
    ReadGridLayout(grid, TProfileSnapshot(QString()), QString()); // every other key's default
    return grid;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TCustomCellGrid &grid = bitTable();
    const TProfileSnapshot settings(decodeText(fuzzInput(data, size)).text);
    try {
        // The suffix the system loads with, and the one it saves with.
        ReadGridLayout(grid, settings, QString());
        ReadGridLayout(grid, settings, QStringLiteral("Default"));
    } catch (const ListIndexError &) {
        // A position outside the grid stops the reading; what was read stays.
    }

    std::vector<bool> shown(size_t(grid.Columns.Count()), false);
    qint64 left = 0;
    for (int slot = 0; slot < grid.Columns.Count(); ++slot) {
        const TCustomGridColumn *column = grid.Columns.PositionItem(slot);
        require(column != nullptr && !shown[size_t(column->Index())], "the display order is a permutation");
        shown[size_t(column->Index())] = true;
        require(column->Position() == slot, "a column's position is its display slot");
        require(column->Width() >= column->MinWidth() && column->Width() <= TCustomGridColumn::MaxWidth,
                "a width stays within its bounds");
        if (column->Visible()) {
            require(column->Left() == left, "left edges add up the widths before them");
            left += column->Width();
        }
    }
    require(left == grid.Columns.TotalWidth(), "the total width is the sum of the visible widths");
    return 0;
}
