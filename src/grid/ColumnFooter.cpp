#include "grid/ColumnFooter.h"

#include "grid/GridPalette.h"

TColumnFooter::TColumnFooter(TCustomGridColumn &AColumn)
    : TColumnPart(AColumn, GridPalette::window())
{
}

void TColumnFooter::SetTextBefore(const QString &Value)
{
    SetShownText(m_textBefore, Value);
}

void TColumnFooter::SetTextAfter(const QString &Value)
{
    SetShownText(m_textAfter, Value);
}

QString TColumnFooter::DisplayText() const
{
    return m_textBefore + Caption() + m_textAfter;
}
