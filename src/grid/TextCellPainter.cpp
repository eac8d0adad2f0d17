#include "grid/TextCellPainter.h"

#include "grid/Cell.h"
#include "grid/TextColumn.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

bool wraps(const TCustomGridColumn &column)
{
    const auto *textColumn = dynamic_cast<const TTextColumn *>(&column);
    return column.WrapKind() == wkWordWrap || (textColumn && textColumn->MultiLine());
}

QString fittedText(const QString &text, const TCustomGridColumn &column, const QFontMetrics &metrics, int width)
{
    switch (column.WrapKind()) {
    case wkEllipsis: return metrics.elidedText(text, Qt::ElideRight, width);
    case wkPathEllipsis: return metrics.elidedText(text, Qt::ElideMiddle, width);
    case wkNone:
    case wkWordWrap: break;
    }
    return text;
}

} // namespace

int TTextCellPainter::alignmentFlags(TAlignment alignment, TVerticalAlignment verticalAlignment)
{
    int flags = Qt::AlignLeft;
    if (alignment == taRightJustify)
        flags = Qt::AlignRight;
    else if (alignment == taCenter)
        flags = Qt::AlignHCenter;
    if (verticalAlignment == taAlignTop)
        return flags | Qt::AlignTop;
    if (verticalAlignment == taAlignBottom)
        return flags | Qt::AlignBottom;
    return flags | Qt::AlignVCenter;
}

void TTextCellPainter::paint(QPainter *painter, const QRect &rect, const TCell &cell,
                             const TCustomGridColumn &column, const TCellPaintState &state) const
{
    fillBackground(painter, rect, state);
    paintText(painter, rect, column.DisplayText(cell.AsString()), cell, column, state);
}

void TTextCellPainter::paintText(QPainter *painter, const QRect &rect, const QString &text, const TCell &cell,
                                 const TCustomGridColumn &column, const TCellPaintState &state)
{
    const QRect textRect = rect.adjusted(TextInset, 0, -TextInset, 0);
    const QFont screenFont = cellFont(column, cell, state.Bold);
    const QFont font = state.Printing ? paperFont(screenFont) : screenFont;
    const int flags = alignmentFlags(column.Alignment(), column.VerticalAlignment());
    painter->save();
    painter->setClipRect(rect);
    painter->setFont(font);
    painter->setPen(state.TextColor);
    if (wraps(column))
        painter->drawText(textRect, flags | Qt::TextWordWrap, text);
    else
        painter->drawText(textRect, flags | Qt::TextSingleLine,
                          fittedText(text, column, QFontMetrics(font, painter->device()), textRect.width()));
    painter->restore();
}
