#include "grid/ColumnPart.h"

#include "grid/CustomCellGrid.h"

TColumnPart::TColumnPart(TCustomGridColumn &AColumn, const QColor &AColor)
    : m_column(AColumn)
    , m_color(AColor)
{
}

TColumnPart::~TColumnPart() = default;

void TColumnPart::SetCaption(const QString &Value)
{
    SetShownText(m_caption, Value);
}

void TColumnPart::SetColor(const QColor &Value)
{
    m_color = Value;
    Repaint();
}

void TColumnPart::SetDisplayMode(TDisplayMode Value)
{
    m_displayMode = Value;
    Repaint();
}

void TColumnPart::SetGlyph(const QImage &Value)
{
    m_glyph = Value;
    Repaint();
}

void TColumnPart::SetAlignment(TAlignment Value)
{
    m_alignment = Value;
    Repaint();
}

void TColumnPart::Repaint()
{
    m_column.Grid().InvalidateColumn(m_column.Index());
}

void TColumnPart::SetShownText(QString &Text, const QString &Value)
{
    const bool changed = Text != Value;
    Text = Value;
    Repaint();
    if (changed)
        m_column.Grid().PartTextChanged(*this);
}
