#include "grid/CheckBoxCellPainter.h"

#include "grid/Cell.h"
#include "grid/GridColumn.h"
#include "grid/GridGeometry.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionButton>

void TCheckBoxCellPainter::paint(QPainter *painter, const QRect &rect, const TCell &cell,
                                 const TCustomGridColumn &column, const TCellPaintState &state) const
{
    fillBackground(painter, rect, state);
    QStyleOptionButton option;
    if (state.Widget)
        option.initFrom(state.Widget);
    option.rect = GridGeometry::checkBoxRect(rect, column.Alignment(), column.VerticalAlignment());
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
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, state.Widget);
    painter->restore();
}
