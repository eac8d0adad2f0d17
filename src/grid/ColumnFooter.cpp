#include "grid/ColumnFooter.h"

#include "grid/GridPalette.h"

TColumnFooter::TColumnFooter(TCustomGridColumn &AColumn)
    : TColumnPart(AColumn, GridPalette::window())
{
}

void TColumnFooter::SetTextBefore(const QString &Value)
{
    m_textBefore = Value;
    Repaint();
}

void TColumnFooter::SetTextAfter(const QString &Value)
{
    m_textAfter = Value;
    Repaint();
}

QString TColumnFooter::DisplayText() const
{
    return m_textBefore + Caption() + m_textAfter;
}
