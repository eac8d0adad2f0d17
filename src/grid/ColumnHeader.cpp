#include "grid/ColumnHeader.h"

#include "grid/GridPalette.h"

TColumnHeader::TColumnHeader(TCustomGridColumn &AColumn)
    : TColumnPart(AColumn, GridPalette::buttonFace())
{
}

void TColumnHeader::SetHideArrow(bool Value)
{
    m_hideArrow = Value;
    Repaint();
}

void TColumnHeader::SetMultiLine(bool Value)
{
    m_multiLine = Value;
    Repaint();
}

void TColumnHeader::SetOrientation(THeaderOrientation Value)
{
    m_orientation = Value;
    Repaint();
}
