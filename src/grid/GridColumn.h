#pragma once

#include "grid/ColumnFooter.h"
#include "grid/ColumnHeader.h"
#include "grid/GridTypes.h"

#include <QColor>
#include <QFont>
#include <memory>

class TCell;
class TCustomCellGrid;
class TGridRows;

// A column of the grid, created through TGridColumns::Add. Index() is its
// place in creation order (the ACol of every event), Position() its
// display slot. Setters apply their effects at once: repaints, geometry,
// OnColumnResize / OnColumnMove and the sort mark.
class TCustomGridColumn
{
public:
    static constexpr TColumnOptions DefaultOptions{coCanClick, coCanInput, coCanSort, coPublicUsing};
    // Wider than any screen, and small enough that the widths of any
    // number of columns a grid can hold add up without overflow.
    static constexpr int MaxWidth = 32767;

    TCustomGridColumn(TCustomCellGrid &AGrid, int AIndex, TColumnOptions AOptions = DefaultOptions);
    virtual ~TCustomGridColumn();
    TCustomGridColumn(const TCustomGridColumn &) = delete;
    TCustomGridColumn &operator=(const TCustomGridColumn &) = delete;

    TCustomCellGrid &Grid() const { return m_grid; }
    int Index() const { return m_index; }

    TColumnHeader &Header() { return m_header; }
    const TColumnHeader &Header() const { return m_header; }
    TColumnFooter &Footer() { return m_footer; }
    const TColumnFooter &Footer() const { return m_footer; }

    int Width() const { return m_width; }
    void SetWidth(int Value); // stores Value within MinWidth..MaxWidth, raises OnColumnResize
    int DefaultWidth() const { return m_defaultWidth; }
    void SetDefaultWidth(int Value) { m_defaultWidth = Value; }
    int MinWidth() const { return m_minWidth; }
    void SetMinWidth(int Value); // within 0..MaxWidth
    bool Visible() const { return m_visible; }
    void SetVisible(bool Value);
    int Position() const { return m_position; }
    void SetPosition(int Value); // moves the column in the display order, raises OnColumnMove
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool Value); // True unmarks every other column first
    TSortKind SortKind() const { return m_sortKind; }
    void SetSortKind(TSortKind Value);
    TSortType SortType() const { return m_sortType; }
    void SetSortType(TSortType Value) { m_sortType = Value; }
    TColumnOptions Options() const { return m_options; }
    void SetOptions(TColumnOptions Value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);
    TVerticalAlignment VerticalAlignment() const { return m_verticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment Value);
    TWrapKind WrapKind() const { return m_wrapKind; }
    void SetWrapKind(TWrapKind Value);
    QColor Color() const { return m_color; } // initial background of new cells
    void SetColor(const QColor &Value);
    bool ParentCellColor() const { return m_parentCellColor; }
    void SetParentCellColor(bool Value);
    QFont Font() const; // the grid's font while ParentFont
    void SetFont(const QFont &Value); // also clears ParentFont
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool Value);
    QColor FontColor() const { return m_fontColor; } // initial text colour of new cells
    void SetFontColor(const QColor &Value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value);
    int Padding() const { return m_padding; }
    void SetPadding(int Value);
    const QString &DefaultValue() const { return m_defaultValue; }
    void SetDefaultValue(const QString &Value) { m_defaultValue = Value; }

    // Geometry, kept by TGridColumns::UpdatePositions: the left edge in
    // content pixels (0 = left edge of the cell area) and the index among
    // the visible columns in display order (-1 while hidden).
    int Left() const { return m_left; }
    int Right() const { return m_left + m_width; }
    int VisibleIndex() const { return m_visibleIndex; }

    // A new, silent cell of this column's kind for the given store.
    std::unique_ptr<TCell> CreateCell(TGridRows &ARows) const;
    // The text that cells of this column show around their own text.
    virtual QString DisplayText(const QString &CellText) const;

protected:
    virtual std::unique_ptr<TCell> NewCell(TGridRows &ARows) const = 0;
    void Repaint();

private:
    friend class TGridColumns;
    void SetGeometry(int ALeft, int AVisibleIndex);
    void AssignPosition(int APosition) { m_position = APosition; }
    void ClearSortedMark() { m_sorted = false; }

    TCustomCellGrid &m_grid;
    int m_index;
    TColumnHeader m_header;
    TColumnFooter m_footer;
    int m_width = 80;
    int m_defaultWidth = 80;
    int m_minWidth = 8;
    bool m_visible = true;
    int m_position;
    bool m_sorted = false;
    TSortKind m_sortKind = skAscending;
    TSortType m_sortType = stAlphabetic;
    TColumnOptions m_options;
    TAlignment m_alignment = taLeftJustify;
    TVerticalAlignment m_verticalAlignment = taVerticalCenter;
    TWrapKind m_wrapKind = wkEllipsis;
    QColor m_color;
    bool m_parentCellColor = false;
    QFont m_font;
    bool m_parentFont = true;
    QColor m_fontColor;
    bool m_enabled = true;
    int m_padding = 0;
    QString m_defaultValue;
    int m_left = 0;
    int m_visibleIndex = -1;
};
