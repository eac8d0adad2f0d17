#pragma once

#include "grid/CellPaintState.h"
#include "grid/GridGeometry.h"

#include <vector>

class QPainter;
class QRect;
class QWidget;
class TCustomCellGrid;
class TCustomGridColumn;

// Paints the grid's viewport: header row, the data rows and columns that
// meet the dirty rectangle, footer row and grid lines, in display order
// with hidden columns skipped.
class GridPainter
{
public:
    GridPainter(const TCustomCellGrid &grid, const GridGeometry &geometry, const TGridViewState &view,
                const QWidget *widget);

    void paint(QPainter *painter, const QRect &dirty) const;

private:
    void paintCells(QPainter *painter, const QRect &dirty) const;
    void paintCell(QPainter *painter, const TCustomGridColumn &column, int ARow) const;
    void paintHeader(QPainter *painter) const;
    void paintFooter(QPainter *painter) const;
    void paintGridLines(QPainter *painter, const QRect &cell) const;
    void paintTrackingLine(QPainter *painter) const;

    const TCustomCellGrid &m_grid;
    const GridGeometry &m_geometry;
    const TGridViewState &m_view;
    const QWidget *m_widget;
    std::vector<const TCustomGridColumn *> m_columns; // visible, in display order
};
