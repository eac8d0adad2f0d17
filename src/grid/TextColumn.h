#pragma once

#include "grid/GridColumn.h"

#include <QChar>

// A column of texts (string cells), edited in place with coEditing.
class TTextColumn : public TCustomGridColumn
{
public:
    TTextColumn(TCustomCellGrid &AGrid, int AIndex);

    int MaxLength() const { return m_maxLength; } // 0: no limit
    void SetMaxLength(int Value) { m_maxLength = Value; }
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool Value);
    QChar PasswordChar() const { return m_passwordChar; } // null: none
    void SetPasswordChar(QChar Value);
    const QString &TextBefore() const { return m_textBefore; }
    void SetTextBefore(const QString &Value);
    const QString &TextAfter() const { return m_textAfter; }
    void SetTextAfter(const QString &Value);

    QString DisplayText(const QString &CellText) const override;

protected:
    std::unique_ptr<TCell> NewCell(TGridRows &ARows) const override;

private:
    int m_maxLength = 0;
    bool m_multiLine = false;
    QChar m_passwordChar;
    QString m_textBefore;
    QString m_textAfter;
};
