#pragma once

#include "grid/Cell.h"

// The cell of a text column: a wide text, converted on typed reads.
class TStringCell : public TCell
{
public:
    using TCell::TCell;

    bool AsBoolean() const override;
    void SetAsBoolean(bool Value) override;
    QString AsString() const override { return m_text; }
    void SetAsString(const QString &Value) override;
    int AsInteger() const override;
    void SetAsInteger(int Value) override;
    double AsFloat() const override;
    void SetAsFloat(double Value) override;
    double AsDateTime() const override;
    void SetAsDateTime(double Value) override;

private:
    QString m_text;
};
