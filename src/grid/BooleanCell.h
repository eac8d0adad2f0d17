#pragma once

#include "grid/Cell.h"

// The cell of a check box column: a tick.
class TBooleanCell : public TCell
{
public:
    using TCell::TCell;

    bool AsBoolean() const override { return m_value; }
    void SetAsBoolean(bool Value) override;
    QString AsString() const override;
    void SetAsString(const QString &Value) override;
    int AsInteger() const override;
    void SetAsInteger(int Value) override;
    double AsFloat() const override;
    void SetAsFloat(double Value) override;
    double AsDateTime() const override;
    void SetAsDateTime(double Value) override;

private:
    bool m_value = false;
};
