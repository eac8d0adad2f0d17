#include "grid/ColumnPartPainter.h"

#include "grid/GridColumn.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionHeader>

namespace {

const QColor PressedShade(0, 0, 0, 40);

QStyle *styleOf(const TPartPaintState &state)
{
    return state.Style ? state.Style : QApplication::style();
}

// What a right-aligned caption leaves free at its right for the arrow.
int arrowRoom(const TCustomGridColumn &column)
{
    const bool rightAligned = column.Header().Alignment() == taRightJustify;
    return rightAligned && column.Sorted() ? ColumnPartPainter::ArrowRoom : 0;
}

// Left edge of a caption of the given width in a header cell.
int captionLeft(const QRect &rect, const TCustomGridColumn &column, int captionWidth)
{
    using namespace ColumnPartPainter;
    switch (column.Header().Alignment()) {
    case taLeftJustify: break;
    case taRightJustify: return rect.left() + rect.width() - CaptionInset - captionWidth - arrowRoom(column);
    case taCenter: return rect.left() + (rect.width() - captionWidth) / 2;
    }
    return rect.left() + CaptionInset;
}

void paintSection(QPainter *painter, const QRect &rect, const TPartPaintState &state)
{
    QStyleOptionHeader option;
    if (state.Widget)
        option.initFrom(state.Widget);
    option.rect = rect;
    option.state |= QStyle::State_Horizontal | (state.Pressed ? QStyle::State_Sunken : QStyle::State_Raised);
    option.position = QStyleOptionHeader::Middle;
    styleOf(state)->drawControl(QStyle::CE_HeaderSection, &option, painter, state.Widget);
    // Not every style draws a sunken header section; a light shade shows
    // the press everywhere.
    if (state.Pressed)
        painter->fillRect(rect, PressedShade);
}

void paintArrow(QPainter *painter, const QRect &arrow, const TCustomGridColumn &column, const TPartPaintState &state)
{
    QStyleOptionHeader option;
    if (state.Widget)
        option.initFrom(state.Widget);
    option.rect = arrow;
    option.state |= QStyle::State_Horizontal;
    // Qt's header arrows are named after what they point at, not the order.
    option.sortIndicator =
        column.SortKind() == skAscending ? QStyleOptionHeader::SortDown : QStyleOptionHeader::SortUp;
    styleOf(state)->drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &option, painter, state.Widget);
}

} // namespace

namespace ColumnPartPainter {

QRect headerArrowRect(const QRect &rect, const TCustomGridColumn &column, int captionWidth)
{
    if (!column.Sorted())
        return {};
    const int left = captionLeft(rect, column, captionWidth) + captionWidth + ArrowGap;
    const int top = rect.top() + rect.height() / 2 - 4;
    const bool fits = left + ArrowSize < rect.left() + rect.width();
    if (!fits && column.Header().HideArrow())
        return {};
    return QRect(left, top, ArrowSize, ArrowSize);
}

THeaderCaptionPlace headerCaptionPlace(const QRect &rect, const TCustomGridColumn &column, const QFontMetrics &metrics,
                                       bool elide)
{
    THeaderCaptionPlace place;
    place.Caption = column.Header().Caption();
    if (elide)
        place.Caption =
            metrics.elidedText(place.Caption, Qt::ElideRight, rect.width() - CaptionInset - arrowRoom(column));
    const int captionWidth = metrics.horizontalAdvance(place.Caption);
    place.Text = QRect(captionLeft(rect, column, captionWidth), rect.top(), captionWidth, rect.height());
    place.Arrow = headerArrowRect(rect, column, captionWidth);
    return place;
}

void paintHeaderCaption(QPainter *painter, const THeaderCaptionPlace &place, const TCustomGridColumn &column,
                        const TPartPaintState &state)
{
    painter->setFont(state.Font);
    painter->setPen(state.TextColor);
    painter->drawText(place.Text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, place.Caption);
    if (!place.Arrow.isEmpty())
        paintArrow(painter, place.Arrow, column, state);
}

void paintHeader(QPainter *painter, const QRect &rect, const TCustomGridColumn &column, const TPartPaintState &state)
{
    painter->save();
    painter->setClipRect(rect);
    paintSection(painter, rect, state);
    const QFontMetrics metrics(state.Font, painter->device());
    paintHeaderCaption(painter, headerCaptionPlace(rect, column, metrics, false), column, state);
    painter->restore();
}

void paintEmptyHeader(QPainter *painter, const QRect &rect, const TPartPaintState &state)
{
    paintSection(painter, rect, state);
}

void paintFooter(QPainter *painter, const QRect &rect, const TCustomGridColumn &column, const TPartPaintState &state)
{
    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, column.Footer().Color());
    painter->setFont(state.Font);
    painter->setPen(state.TextColor);
    int flags = Qt::AlignLeft;
    if (column.Footer().Alignment() == taRightJustify)
        flags = Qt::AlignRight;
    else if (column.Footer().Alignment() == taCenter)
        flags = Qt::AlignHCenter;
    painter->drawText(rect.adjusted(CaptionInset, 0, -CaptionInset, 0), flags | Qt::AlignVCenter | Qt::TextSingleLine,
                      column.Footer().DisplayText());
    painter->restore();
}

} // namespace ColumnPartPainter
