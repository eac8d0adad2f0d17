// Property setters of TCustomCellGrid: store, then tell the view.
#include "grid/CustomCellGrid.h"

void TCustomCellGrid::SetOptions(TGridOptions Value)
{
    m_options = Value;
    LayoutChanged();
}

void TCustomCellGrid::SetAppearanceOptions(TAppearanceOptions Value)
{
    m_appearanceOptions = Value;
    Refresh();
}

void TCustomCellGrid::SetHeaderSize(int Value)
{
    m_headerSize = Value;
    LayoutChanged();
}

void TCustomCellGrid::SetFooterSize(int Value)
{
    m_footerSize = Value;
    LayoutChanged();
}

void TCustomCellGrid::SetRowSize(int Value)
{
    m_rowSize = Value;
    LayoutChanged();
}

void TCustomCellGrid::SetColor(const QColor &Value)
{
    m_color = Value;
    Refresh();
}

void TCustomCellGrid::SetGridLinesColor(const QColor &Value)
{
    m_gridLinesColor = Value;
    Refresh();
}

void TCustomCellGrid::SetSelectionColor(const QColor &Value)
{
    m_selectionColor = Value;
    Refresh();
}

void TCustomCellGrid::SetInactiveSelectionColor(const QColor &Value)
{
    m_inactiveSelectionColor = Value;
    Refresh();
}

void TCustomCellGrid::SetHighlightedTextColor(const QColor &Value)
{
    m_highlightedTextColor = Value;
    Refresh();
}

void TCustomCellGrid::SetSortedStyle(TSortedStyle Value)
{
    m_sortedStyle = Value;
    Refresh();
}

void TCustomCellGrid::SetFixedCols(int Value)
{
    m_fixedCols = Value;
    LayoutChanged();
}

void TCustomCellGrid::SetEnabled(bool Value)
{
    m_enabled = Value;
    Refresh();
}
