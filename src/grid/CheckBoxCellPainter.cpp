#include "grid/CheckBoxCellPainter.h"

#include "grid/Cell.h"
#include "grid/GridColumn.h"
#include "grid/GridGeometry.h"
#include "grid/TextCellPainter.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionButton>

#include <algorithm>

void TCheckBoxCellPainter::paint(QPainter *painter, const QRect &rect, const TCell &cell,
                                 const TCustomGridColumn &column, const TCellPaintState &state) const
{
    fillBackground(painter, rect, state);
    if (!cell.Caption().isEmpty()) {
        TTextCellPainter::paintText(painter, rect, cell.Caption(), cell, column, state);
        return;
    }
    // On paper the glyph grows with the text, as far as its row allows.
    const int scaled = qRound(GridGeometry::GlyphSize * state.GlyphScale);
    const int glyphSize = std::max(GridGeometry::GlyphSize, std::min(scaled, rect.height()));
    const QRect glyph = GridGeometry::checkBoxRect(rect, column.Alignment(), column.VerticalAlignment(), glyphSize);
    QStyleOptionButton option;
    if (state.Widget)
        option.initFrom(state.Widget);
    option.state = QStyle::State_None;
    option.state |= cell.AsBoolean() ? QStyle::State_On : QStyle::State_Off;
    if (state.Enabled)
        option.state |= QStyle::State_Enabled;
    if (state.Hot)
        option.state |= QStyle::State_MouseOver;
    if (state.Pressed)
        option.state |= QStyle::State_Sunken;
    QStyle *style = state.Style ? state.Style : QApplication::style();
    painter->save();
    painter->setClipRect(rect);
    // The style draws its screen-sized glyph, enlarged as a whole, so its
    // lines and check mark keep their proportions.
    option.rect = QRect(0, 0, GridGeometry::GlyphSize, GridGeometry::GlyphSize);
    painter->translate(glyph.topLeft());
    painter->scale(qreal(glyphSize) / GridGeometry::GlyphSize, qreal(glyphSize) / GridGeometry::GlyphSize);
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, state.Widget);
    painter->restore();
}
