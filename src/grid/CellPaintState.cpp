#include "grid/CellPaintState.h"

#include "grid/CustomCellGrid.h"
#include "grid/GridPalette.h"
#include "grid/ReadableColors.h"

namespace {

int darkened(int component)
{
    return 245 * component / 256;
}

QColor plainBackground(const TCustomCellGrid &grid, const TCustomGridColumn &column, const TCell &cell)
{
    const QColor color = column.ParentCellColor() ? column.Color() : cell.Color();
    const bool indicateSorted = grid.AppearanceOptions().Contains(aoIndicateSortedColumn) && column.Sorted();
    return indicateSorted ? CellPaintStates::sortedColumnColor(color) : color;
}

bool isHighlighted(const TCustomCellGrid &grid, const TCustomGridColumn &column, TCellAddress cell,
                   const TGridViewState &view)
{
    const bool selected = cell == TCellAddress{grid.SelectedColumn(), grid.SelectedRow()};
    if (!selected || column.Options().Contains(coDontHighlight) || view.EditorCell == cell)
        return false;
    return view.HasFocus || !grid.AppearanceOptions().Contains(aoHideSelection);
}

} // namespace

namespace CellPaintStates {

QColor sortedColumnColor(const QColor &color)
{
    return QColor(darkened(color.red()), darkened(color.green()), darkened(color.blue()), color.alpha());
}

TCellPaintState forCell(const TCustomCellGrid &grid, int ACol, int ARow, const TGridViewState &view)
{
    const TCustomGridColumn &column = *grid.Columns[ACol];
    const TCell &cell = grid.Cell(ACol, ARow);
    const TCellAddress address{ACol, ARow};
    TCellPaintState state;
    state.Background = plainBackground(grid, column, cell);
    state.TextColor = cell.TextColor();
    state.Highlighted = isHighlighted(grid, column, address, view);
    if (state.Highlighted) {
        state.Background = view.HasFocus ? grid.SelectionColor() : grid.InactiveSelectionColor();
        if (view.HasFocus)
            state.TextColor = grid.HighlightedTextColor();
        state.Bold = grid.AppearanceOptions().Contains(aoBoldTextSelection);
    }
    // Whatever the palette and the cell's own colours, its text stays readable.
    state.TextColor = ReadableColors::readableText(state.TextColor, state.Background);
    state.Enabled = grid.Enabled() && column.Enabled();
    state.Hot = view.HotGlyph == address;
    state.Pressed = view.PressedGlyph == address;
    return state;
}

bool hasFocusFrame(const TCustomCellGrid &grid, int ACol, int ARow, const TGridViewState &view)
{
    const TCellAddress cell{ACol, ARow};
    return view.HasFocus && cell == TCellAddress{grid.SelectedColumn(), grid.SelectedRow()} &&
           view.EditorCell != cell && !grid.AppearanceOptions().Contains(aoHideFocus);
}

QColor footerTextColor(const TCustomGridColumn &column)
{
    return ReadableColors::readableText(GridPalette::windowText(), column.Footer().Color());
}

} // namespace CellPaintStates
