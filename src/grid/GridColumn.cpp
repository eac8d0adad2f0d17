#include "grid/GridColumn.h"

#include "grid/CustomCellGrid.h"
#include "grid/GridPalette.h"

#include <algorithm>

TCustomGridColumn::TCustomGridColumn(TCustomCellGrid &AGrid, int AIndex, TColumnOptions AOptions)
    : m_grid(AGrid)
    , m_index(AIndex)
    , m_header(*this)
    , m_footer(*this)
    , m_position(AIndex)
    , m_options(AOptions)
    , m_color(GridPalette::window())
    , m_fontColor(GridPalette::windowText())
{
}

TCustomGridColumn::~TCustomGridColumn() = default;

void TCustomGridColumn::SetWidth(int Value)
{
    m_width = std::clamp(Value, m_minWidth, MaxWidth);
    m_grid.Columns.UpdatePositions(false);
    m_grid.LayoutChanged();
    if (m_grid.OnColumnResize)
        m_grid.OnColumnResize(&m_grid, m_index);
}

void TCustomGridColumn::SetMinWidth(int Value)
{
    m_minWidth = std::clamp(Value, 0, MaxWidth);
    if (m_width < m_minWidth)
        SetWidth(m_width);
}

void TCustomGridColumn::SetVisible(bool Value)
{
    if (Value == m_visible)
        return;
    m_visible = Value;
    m_grid.Columns.UpdatePositions(false);
    m_grid.LayoutChanged();
    m_grid.ColumnShownChanged();
}

void TCustomGridColumn::SetPosition(int Value)
{
    const int fromPos = m_position;
    m_grid.Columns.Move(fromPos, Value);
    m_grid.LayoutChanged();
    if (m_grid.OnColumnMove)
        m_grid.OnColumnMove(&m_grid, m_index, fromPos, m_position);
}

void TCustomGridColumn::SetSorted(bool Value)
{
    if (Value)
        m_grid.Columns.ClearSortedMarks(this);
    m_sorted = Value;
    m_grid.Refresh();
    if (Value)
        m_grid.SortByColumn(m_index);
}

void TCustomGridColumn::SetSortKind(TSortKind Value)
{
    m_sortKind = Value;
    if (!m_sorted)
        return;
    m_grid.InvalidateHeader();
    m_grid.SortByColumn(m_index);
}

void TCustomGridColumn::SetOptions(TColumnOptions Value)
{
    m_options = Value;
    Repaint();
}

void TCustomGridColumn::SetAlignment(TAlignment Value)
{
    m_alignment = Value;
    Repaint();
}

void TCustomGridColumn::SetVerticalAlignment(TVerticalAlignment Value)
{
    m_verticalAlignment = Value;
    Repaint();
}

void TCustomGridColumn::SetWrapKind(TWrapKind Value)
{
    m_wrapKind = Value;
    Repaint();
}

void TCustomGridColumn::SetColor(const QColor &Value)
{
    m_color = Value;
    Repaint();
}

void TCustomGridColumn::SetParentCellColor(bool Value)
{
    m_parentCellColor = Value;
    Repaint();
}

QFont TCustomGridColumn::Font() const
{
    return m_parentFont ? m_grid.GridFont() : m_font;
}

void TCustomGridColumn::SetFont(const QFont &Value)
{
    m_font = Value;
    m_parentFont = false;
    Repaint();
}

void TCustomGridColumn::SetParentFont(bool Value)
{
    m_parentFont = Value;
    Repaint();
}

void TCustomGridColumn::SetFontColor(const QColor &Value)
{
    m_fontColor = Value;
    Repaint();
}

void TCustomGridColumn::SetEnabled(bool Value)
{
    m_enabled = Value;
    Repaint();
}

void TCustomGridColumn::SetPadding(int Value)
{
    m_padding = Value;
    Repaint();
}

std::unique_ptr<TCell> TCustomGridColumn::CreateCell(TGridRows &ARows) const
{
    std::unique_ptr<TCell> cell = NewCell(ARows);
    const QFont font = Font();
    TFontStyles style;
    if (font.bold())
        style.Include(fsBold);
    if (font.italic())
        style.Include(fsItalic);
    if (font.underline())
        style.Include(fsUnderline);
    if (font.strikeOut())
        style.Include(fsStrikeOut);
    cell->SetColor(m_color);
    cell->SetTextColor(m_fontColor);
    cell->SetFontStyle(style);
    cell->FinishCreation();
    return cell;
}

QString TCustomGridColumn::DisplayText(const QString &CellText) const
{
    return CellText;
}

void TCustomGridColumn::Repaint()
{
    m_grid.InvalidateColumn(m_index);
}

void TCustomGridColumn::SetGeometry(int ALeft, int AVisibleIndex)
{
    m_left = ALeft;
    m_visibleIndex = AVisibleIndex;
}
