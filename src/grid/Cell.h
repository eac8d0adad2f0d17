#pragma once

#include "grid/GridTypes.h"

#include <QColor>
#include <QString>

class TGridRows;

// One cell of the grid. Every writer stores and then tells the row store,
// which repaints the cell and raises the grid's OnChange before the write
// returns; a cell that is still being built stays silent.
class TCell
{
public:
    TCell(TGridRows &AOwner, int ACol);
    virtual ~TCell();
    TCell(const TCell &) = delete;
    TCell &operator=(const TCell &) = delete;

    virtual bool AsBoolean() const = 0;
    virtual void SetAsBoolean(bool Value) = 0;
    virtual QString AsString() const = 0;
    virtual void SetAsString(const QString &Value) = 0;
    virtual int AsInteger() const = 0;
    virtual void SetAsInteger(int Value) = 0;
    virtual double AsFloat() const = 0;
    virtual void SetAsFloat(double Value) = 0;
    // Days since 30 December 1899; the fraction is the time of day.
    virtual double AsDateTime() const = 0;
    virtual void SetAsDateTime(double Value) = 0;

    QColor Color() const { return m_color; }
    void SetColor(const QColor &Value);
    QColor TextColor() const { return m_textColor; }
    void SetTextColor(const QColor &Value);
    TFontStyles FontStyle() const { return m_fontStyle; }
    void SetFontStyle(TFontStyles Value);
    // A hint of the cell's own, shown where the mouse rests on it; none when empty.
    const QString &Hint() const { return m_hint; }
    void SetHint(const QString &Value);
    // A text the cell shows and prints in place of its value; none when empty.
    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &Value);

    int Column() const { return m_column; }
    bool Creating() const { return m_creating; }
    // Ends the silent building phase; from now on writes are reported.
    void FinishCreation() { m_creating = false; }

protected:
    // Call at the end of every writer.
    void Changed();

private:
    TGridRows &m_owner;
    int m_column;
    bool m_creating = true;
    QColor m_color;
    QColor m_textColor;
    TFontStyles m_fontStyle;
    QString m_hint;
    QString m_caption;
};
