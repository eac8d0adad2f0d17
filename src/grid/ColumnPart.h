#pragma once

#include "grid/GridTypes.h"

#include <QColor>
#include <QImage>
#include <QString>

class TCustomGridColumn;

// What header and footer cells share. Setting Caption repaints the column
// (header, cells and footer) and, when it differs, tells the grid of the
// new text; setting Hint only stores the text.
class TColumnPart
{
public:
    TColumnPart(TCustomGridColumn &AColumn, const QColor &AColor);
    virtual ~TColumnPart();
    TColumnPart(const TColumnPart &) = delete;
    TColumnPart &operator=(const TColumnPart &) = delete;

    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &Value);
    const QString &Hint() const { return m_hint; }
    void SetHint(const QString &Value) { m_hint = Value; }
    QColor Color() const { return m_color; }
    void SetColor(const QColor &Value);
    TDisplayMode DisplayMode() const { return m_displayMode; }
    void SetDisplayMode(TDisplayMode Value);
    TDrawingOptions DrawingOptions() const { return m_drawingOptions; }
    void SetDrawingOptions(TDrawingOptions Value) { m_drawingOptions = Value; }
    const QImage &Glyph() const { return m_glyph; }
    void SetGlyph(const QImage &Value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);

    TCustomGridColumn &Column() const { return m_column; }

protected:
    void Repaint();
    // Stores a text the part shows and repaints; tells the grid when the
    // part reads differently now.
    void SetShownText(QString &Text, const QString &Value);

private:
    TCustomGridColumn &m_column;
    QString m_caption;
    QString m_hint;
    QColor m_color;
    TDisplayMode m_displayMode = dmTextOnly;
    TDrawingOptions m_drawingOptions = doNormal;
    QImage m_glyph;
    TAlignment m_alignment = taLeftJustify;
};
