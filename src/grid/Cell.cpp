#include "grid/Cell.h"

#include "grid/GridRows.h"

TCell::TCell(TGridRows &AOwner, int ACol)
    : m_owner(AOwner)
    , m_column(ACol)
{
}

TCell::~TCell() = default;

void TCell::SetColor(const QColor &Value)
{
    m_color = Value;
    Changed();
}

void TCell::SetTextColor(const QColor &Value)
{
    m_textColor = Value;
    Changed();
}

void TCell::SetFontStyle(TFontStyles Value)
{
    m_fontStyle = Value;
    Changed();
}

void TCell::SetHint(const QString &Value)
{
    m_hint = Value;
    Changed();
}

void TCell::SetCaption(const QString &Value)
{
    m_caption = Value;
    Changed();
}

void TCell::Changed()
{
    if (!m_creating)
        m_owner.CellChanged(*this);
}
