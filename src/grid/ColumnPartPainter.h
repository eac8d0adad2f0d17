#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;
class QStyle;
class QWidget;
class TCustomGridColumn;

// What header and footer cells are drawn with besides their column.
struct TPartPaintState
{
    QFont Font;
    QColor TextColor;
    bool Pressed = false; // header held down by the mouse
    const QWidget *Widget = nullptr; // may be null (printer)
    QStyle *Style = nullptr; // null: the application style
};

// Where a header cell's caption and sort arrow go.
struct THeaderCaptionPlace
{
    QString Caption; // as drawn, perhaps cut with an ellipsis
    QRect Text;
    QRect Arrow; // empty: no arrow
};

// Header and footer cells of a column, shared by screen and printer.
namespace ColumnPartPainter {

// Gap between the caption arrow and the caption's end, and the arrow's
// size, pixels.
constexpr int ArrowGap = 21;
constexpr int ArrowSize = 8;
// Room a right-aligned caption leaves for the arrow of a sorted column.
constexpr int ArrowRoom = 31;
constexpr int CaptionInset = 2;

// The header style's section with Header.Caption and, for a Sorted
// column, the arrow of its SortKind.
void paintHeader(QPainter *painter, const QRect &rect, const TCustomGridColumn &column, const TPartPaintState &state);

// The caption and arrow of a header cell in the given font metrics; with
// elide a caption too long for the cell is cut with a trailing ellipsis.
// The arrow, its gap and its room grow by scale (device pixels per screen
// pixel), as the printed text does.
THeaderCaptionPlace headerCaptionPlace(const QRect &rect, const TCustomGridColumn &column, const QFontMetrics &metrics,
                                       bool elide, qreal scale = 1);

// Only the caption and the arrow, without the section: the printed header.
void paintHeaderCaption(QPainter *painter, const THeaderCaptionPlace &place, const TCustomGridColumn &column,
                        const TPartPaintState &state);

// A header section without a column (right of the last one).
void paintEmptyHeader(QPainter *painter, const QRect &rect, const TPartPaintState &state);

// Footer.Color with TextBefore + Caption + TextAfter in the column's font.
void paintFooter(QPainter *painter, const QRect &rect, const TCustomGridColumn &column, const TPartPaintState &state);

// Where a header's sort arrow goes for a caption of the given width;
// empty when the arrow is not drawn.
QRect headerArrowRect(const QRect &rect, const TCustomGridColumn &column, int captionWidth, qreal scale = 1);

} // namespace ColumnPartPainter
