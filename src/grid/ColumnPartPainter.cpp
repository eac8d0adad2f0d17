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
int arrowRoom(const TCustomGridColumn &column, qreal scale)
{
    const bool rightAligned = column.Header().Alignment() == taRightJustify;
    return rightAligned && column.Sorted() ? qRound(ColumnPartPainter::ArrowRoom * scale) : 0;
}

// Left edge of a caption of the given width in a header cell.
int captionLeft(const QRect &rect, const TCustomGridColumn &column, int captionWidth, qreal scale)
{
    using namespace ColumnPartPainter;
    switch (column.Header().Alignment()) {
    case taLeftJustify: break;
    case taRightJustify:
        return rect.left() + rect.width() - CaptionInset - captionWidth - arrowRoom(column, scale);
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
    using ColumnPartPainter::ArrowSize;
    QStyleOptionHeader option;
    if (state.Widget)
        option.initFrom(state.Widget);
    option.state |= QStyle::State_Horizontal;
    // Qt's header arrows are named after what they point at, not the order.
    option.sortIndicator =
        column.SortKind() == skAscending ? QStyleOptionHeader::SortDown : QStyleOptionHeader::SortUp;
    // The screen-sized arrow, enlarged as a whole where the place is larger
    // (on paper).
    option.rect = QRect(0, 0, ArrowSize, ArrowSize);
    painter->save();
    painter->translate(arrow.topLeft());
    painter->scale(qreal(arrow.width()) / ArrowSize, qreal(arrow.height()) / ArrowSize);
    styleOf(state)->drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &option, painter, state.Widget);
    painter->restore();
}

} // namespace

namespace ColumnPartPainter {

QRect headerArrowRect(const QRect &rect, const TCustomGridColumn &column, int captionWidth, qreal scale)
{
    if (!column.Sorted())
        return {};
    const int size = qRound(ArrowSize * scale);
    const int left = captionLeft(rect, column, captionWidth, scale) + captionWidth + qRound(ArrowGap * scale);
    const int top = rect.top() + rect.height() / 2 - qRound(4 * scale);
    const bool fits = left + size < rect.left() + rect.width();
    if (!fits && column.Header().HideArrow())
        return {};
    return QRect(left, top, size, size);
}

THeaderCaptionPlace headerCaptionPlace(const QRect &rect, const TCustomGridColumn &column, const QFontMetrics &metrics,
                                       bool elide, qreal scale)
{
    THeaderCaptionPlace place;
    place.Caption = column.Header().Caption();
    if (elide)
        place.Caption = metrics.elidedText(place.Caption, Qt::ElideRight,
                                           rect.width() - CaptionInset - arrowRoom(column, scale));
    const int captionWidth = metrics.horizontalAdvance(place.Caption);
    place.Text = QRect(captionLeft(rect, column, captionWidth, scale), rect.top(), captionWidth, rect.height());
    place.Arrow = headerArrowRect(rect, column, captionWidth, scale);
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
