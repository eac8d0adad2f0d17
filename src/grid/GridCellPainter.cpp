#include "grid/GridCellPainter.h"

#include "grid/Cell.h"
#include "grid/CheckBoxCellPainter.h"
#include "grid/CheckBoxColumn.h"
#include "grid/TextCellPainter.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>

namespace {

qreal screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96;
}

} // namespace

TGridCellPainter::~TGridCellPainter() = default;

const TGridCellPainter &TGridCellPainter::forColumn(const TCustomGridColumn &column)
{
    static const TCheckBoxCellPainter checkBoxPainter;
    static const TTextCellPainter textPainter;
    if (dynamic_cast<const TCheckBoxColumn *>(&column))
        return checkBoxPainter;
    return textPainter;
}

QFont TGridCellPainter::cellFont(const TCustomGridColumn &column, const TCell &cell, bool bold)
{
    QFont font = column.Font();
    const TFontStyles style = cell.FontStyle();
    font.setBold(bold || style.Contains(fsBold));
    font.setItalic(style.Contains(fsItalic));
    font.setUnderline(style.Contains(fsUnderline));
    font.setStrikeOut(style.Contains(fsStrikeOut));
    return font;
}

QFont TGridCellPainter::paperFont(const QFont &screenFont)
{
    if (screenFont.pixelSize() <= 0)
        return screenFont; // sized in points already
    QFont font = screenFont;
    font.setPointSizeF(screenFont.pixelSize() * 72 / screenDpi());
    return font;
}

qreal TGridCellPainter::paperScale(const QPaintDevice &device)
{
    return device.logicalDpiY() / screenDpi();
}

void TGridCellPainter::fillBackground(QPainter *painter, const QRect &rect, const TCellPaintState &state)
{
    painter->fillRect(rect, state.Background);
}
