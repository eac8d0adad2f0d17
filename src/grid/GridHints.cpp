#include "grid/GridHints.h"

#include "grid/CustomCellGrid.h"
#include "grid/GridCellPainter.h"

#include <QFontMetrics>

namespace {

std::optional<TGridHint> headerHint(const TCustomCellGrid &grid, const GridGeometry &geometry, int ACol)
{
    const QString &hint = grid.Columns[ACol]->Header().Hint();
    if (hint.isEmpty())
        return std::nullopt;
    const QRect header = geometry.headerRect(ACol);
    return TGridHint{hint, QPoint(header.left(), geometry.headerHeight()), header, 0};
}

std::optional<TGridHint> cellHint(const TCustomCellGrid &grid, const GridGeometry &geometry, TCellAddress cell,
                                  const TGridViewState &view)
{
    const TCustomGridColumn &column = *grid.Columns[cell.ACol];
    const QRect rect = geometry.cellRect(cell.ACol, cell.ARow);
    if (const QString &own = grid.Cell(cell.ACol, cell.ARow).Hint(); !own.isEmpty())
        return TGridHint{own, rect.topLeft(), rect, 0, true};
    if (!column.Options().Contains(coShowTextFitHint) || GridHints::textFits(grid, cell.ACol, cell.ARow, view))
        return std::nullopt;
    const QString text = column.DisplayText(grid.Cells(cell.ACol, cell.ARow));
    return TGridHint{text, rect.topLeft(), rect, geometry.dataArea().width()};
}

} // namespace

namespace GridHints {

bool textFits(const TCustomCellGrid &grid, int ACol, int ARow, const TGridViewState &view)
{
    const TCustomGridColumn &column = *grid.Columns[ACol];
    const TCell &cell = grid.Cell(ACol, ARow);
    const bool bold = CellPaintStates::forCell(grid, ACol, ARow, view).Bold;
    const QFontMetrics metrics(TGridCellPainter::cellFont(column, cell, bold));
    const int textWidth = metrics.horizontalAdvance(column.DisplayText(cell.AsString()));
    return column.Width() >= textWidth + FitMargin;
}

std::optional<TGridHint> hintAt(const TCustomCellGrid &grid, const GridGeometry &geometry, QPoint pos,
                                const TGridViewState &view)
{
    const int headerColumn = geometry.headerColumnAt(pos);
    const TCellAddress cell = geometry.cellAt(pos);
    std::optional<TGridHint> hint;
    if (headerColumn >= 0)
        hint = headerHint(grid, geometry, headerColumn);
    else if (cell.IsValid() && cell != view.EditorCell)
        hint = cellHint(grid, geometry, cell, view);
    if (!hint && grid.ShowHint() && !grid.Hint().isEmpty())
        hint = TGridHint{grid.Hint(), pos, QRect(), 0, true};
    return hint;
}

} // namespace GridHints
