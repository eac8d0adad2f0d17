#include "grid/TextColumn.h"

#include "grid/StringCell.h"

TTextColumn::TTextColumn(TCustomCellGrid &AGrid, int AIndex)
    : TCustomGridColumn(AGrid, AIndex, TColumnOptions(DefaultOptions).Include(coShowTextFitHint))
{
}

void TTextColumn::SetMultiLine(bool Value)
{
    m_multiLine = Value;
    Repaint();
}

void TTextColumn::SetPasswordChar(QChar Value)
{
    m_passwordChar = Value;
    Repaint();
}

void TTextColumn::SetTextBefore(const QString &Value)
{
    m_textBefore = Value;
    Repaint();
}

void TTextColumn::SetTextAfter(const QString &Value)
{
    m_textAfter = Value;
    Repaint();
}

QString TTextColumn::DisplayText(const QString &CellText) const
{
    const QString text = m_passwordChar.isNull() ? CellText : QString(CellText.size(), m_passwordChar);
    return m_textBefore + text + m_textAfter;
}

std::unique_ptr<TCell> TTextColumn::NewCell(TGridRows &ARows) const
{
    return std::make_unique<TStringCell>(ARows, Index());
}
