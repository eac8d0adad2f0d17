#pragma once

#include "grid/ColumnPart.h"

// The footer cell of a column; it always shows TextBefore + Caption +
// TextAfter. Formulas are stored but never computed.
class TColumnFooter : public TColumnPart
{
public:
    explicit TColumnFooter(TCustomGridColumn &AColumn);

    TFormulaKind FormulaKind() const { return m_formulaKind; }
    void SetFormulaKind(TFormulaKind Value) { m_formulaKind = Value; }
    const QString &FormatMask() const { return m_formatMask; }
    void SetFormatMask(const QString &Value) { m_formatMask = Value; }
    TFormatMaskKind FormatMaskKind() const { return m_formatMaskKind; }
    void SetFormatMaskKind(TFormatMaskKind Value) { m_formatMaskKind = Value; }
    const QString &TextBefore() const { return m_textBefore; }
    void SetTextBefore(const QString &Value);
    const QString &TextAfter() const { return m_textAfter; }
    void SetTextAfter(const QString &Value);
    // What the footer row shows.
    QString DisplayText() const;

private:
    TFormulaKind m_formulaKind = fkNone;
    QString m_formatMask;
    TFormatMaskKind m_formatMaskKind = mkText;
    QString m_textBefore;
    QString m_textAfter;
};
