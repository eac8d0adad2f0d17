#include "grid/StringCell.h"

#include "grid/CellConversions.h"

bool TStringCell::AsBoolean() const
{
    return CellConversions::toBoolean(m_text);
}

void TStringCell::SetAsBoolean(bool Value)
{
    SetAsString(CellConversions::fromBoolean(Value));
}

void TStringCell::SetAsString(const QString &Value)
{
    m_text = Value;
    Changed();
}

int TStringCell::AsInteger() const
{
    return CellConversions::toInteger(m_text);
}

void TStringCell::SetAsInteger(int Value)
{
    SetAsString(QString::number(Value));
}

double TStringCell::AsFloat() const
{
    return CellConversions::toFloat(m_text);
}

void TStringCell::SetAsFloat(double Value)
{
    SetAsString(CellConversions::fromFloat(Value));
}

double TStringCell::AsDateTime() const
{
    return CellConversions::toDateTime(m_text);
}

void TStringCell::SetAsDateTime(double Value)
{
    SetAsString(CellConversions::fromDateTime(Value));
}
