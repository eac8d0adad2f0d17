#include "grid/BooleanCell.h"

#include "grid/CellConversions.h"

void TBooleanCell::SetAsBoolean(bool Value)
{
    m_value = Value;
    Changed();
}

QString TBooleanCell::AsString() const
{
    return CellConversions::fromBoolean(m_value);
}

void TBooleanCell::SetAsString(const QString &Value)
{
    SetAsBoolean(Value == u"1" || Value.compare(u"true", Qt::CaseInsensitive) == 0);
}

int TBooleanCell::AsInteger() const
{
    return m_value ? 1 : 0;
}

void TBooleanCell::SetAsInteger(int Value)
{
    SetAsBoolean(Value != 0);
}

double TBooleanCell::AsFloat() const
{
    return m_value ? 1.0 : 0.0;
}

void TBooleanCell::SetAsFloat(double Value)
{
    SetAsBoolean(Value != 0.0);
}

double TBooleanCell::AsDateTime() const
{
    return 0.0;
}

void TBooleanCell::SetAsDateTime(double)
{
    SetAsBoolean(false);
}
