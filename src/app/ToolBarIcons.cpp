#include "app/ToolBarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace {

const QColor outline(48, 48, 48);
const QColor paper(255, 255, 255);
const QColor titleBar(0, 84, 166);
const QColor folder(232, 184, 64);
const QColor disk(40, 96, 176);
const QColor board(160, 112, 64);

// A sheet of paper with its top-right corner folded.
void drawPage(QPainter &p, const QRectF &r)
{
    const qreal fold = r.width() / 3;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(outline);
    p.setBrush(paper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF{{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}});
}

// A small document window: frame, title bar, white client area.
void drawWindow(QPainter &p, const QRectF &r)
{
    p.setPen(outline);
    p.setBrush(paper);
    p.drawRect(r);
    p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 0.5, 2.5), titleBar);
}

void drawNew(QPainter &p)
{
    drawPage(p, {3.5, 1.5, 10, 13});
}

void drawOpen(QPainter &p)
{
    p.setPen(outline);
    p.setBrush(folder.darker(115));
    p.drawRect(QRectF(1.5, 3.5, 12, 10));
    p.setBrush(folder);
    p.drawPolygon(QPolygonF{{1.5, 13.5}, {4.5, 6.5}, {15.5, 6.5}, {12.5, 13.5}});
}

void drawSave(QPainter &p)
{
    p.setPen(outline);
    p.setBrush(disk);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(paper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.fillRect(QRectF(4, 9, 8, 5), QColor(200, 200, 200));
}

void drawCut(QPainter &p)
{
    p.setPen(QPen(outline, 1.2));
    p.drawLine(QPointF(4, 1), QPointF(10, 10));
    p.drawLine(QPointF(12, 1), QPointF(6, 10));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(176, 0, 0), 1.5));
    p.drawEllipse(QRectF(2, 10, 4.5, 4.5));
    p.drawEllipse(QRectF(9.5, 10, 4.5, 4.5));
}

void drawCopy(QPainter &p)
{
    drawPage(p, {1.5, 1.5, 8, 10});
    drawPage(p, {6.5, 4.5, 8, 10});
}

void drawPaste(QPainter &p)
{
    p.setPen(outline);
    p.setBrush(board);
    p.drawRect(QRectF(1.5, 2.5, 10, 12));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 1.5, 4, 2));
    drawPage(p, {6.5, 6.5, 8, 8.5});
}

void drawCascade(QPainter &p)
{
    drawWindow(p, {1.5, 1.5, 9, 8});
    drawWindow(p, {5.5, 6.5, 9, 8});
}

void drawTileHorizontal(QPainter &p)
{
    drawWindow(p, {1.5, 1.5, 13, 6});
    drawWindow(p, {1.5, 8.5, 13, 6});
}

void drawTileVertical(QPainter &p)
{
    drawWindow(p, {1.5, 1.5, 6, 13});
    drawWindow(p, {8.5, 1.5, 6, 13});
}

using Drawing = std::function<void(QPainter &)>;

const std::map<QString, Drawing> &drawings()
{
    static const std::map<QString, Drawing> byAction{
        {QStringLiteral("FileNew1"), drawNew},
        {QStringLiteral("FileOpen1"), drawOpen},
        {QStringLiteral("FileSave1"), drawSave},
        {QStringLiteral("EditCut1"), drawCut},
        {QStringLiteral("EditCopy1"), drawCopy},
        {QStringLiteral("EditPaste1"), drawPaste},
        {QStringLiteral("WindowCascade1"), drawCascade},
        {QStringLiteral("WindowTileHorizontal1"), drawTileHorizontal},
        {QStringLiteral("WindowTileVertical1"), drawTileVertical},
    };
    return byAction;
}

QPixmap render(const Drawing &draw, int scale)
{
    QPixmap pixmap(16 * scale, 16 * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    return pixmap;
}

} // namespace

QIcon ToolBarIcon(const QString &actionName)
{
    const auto found = drawings().find(actionName);
    if (found == drawings().end())
        return {};
    QIcon icon;
    icon.addPixmap(render(found->second, 1));
    icon.addPixmap(render(found->second, 2));
    return icon;
}
