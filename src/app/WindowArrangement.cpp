#include "app/WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QList<QMdiSubWindow *> subWindows(QMdiArea *area, bool minimized)
{
    QList<QMdiSubWindow *> result;
    for (QMdiSubWindow *window : area->subWindowList(QMdiArea::CreationOrder)) {
        if (window->isMinimized() == minimized)
            result.append(window);
    }
    return result;
}

} // namespace

void TileSubWindows(QMdiArea *area, TileDirection direction)
{
    const QList<QMdiSubWindow *> windows = subWindows(area, false);
    if (windows.isEmpty())
        return;
    const QRect space = area->viewport()->rect();
    const auto count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *window = windows[i];
        window->showNormal();
        if (direction == TileDirection::OneAboveTheOther) {
            const int top = space.height() * i / count;
            window->setGeometry(0, top, space.width(), space.height() * (i + 1) / count - top);
        } else {
            const int left = space.width() * i / count;
            window->setGeometry(left, 0, space.width() * (i + 1) / count - left, space.height());
        }
    }
}

void MinimizeAllSubWindows(QMdiArea *area)
{
    // Taken once: minimizing activates other windows and changes the order.
    const QList<QMdiSubWindow *> bottomFirst = area->subWindowList(QMdiArea::StackingOrder);
    for (QMdiSubWindow *window : bottomFirst)
        window->showMinimized();
}

void ArrangeMinimizedSubWindows(QMdiArea *area)
{
    const QRect space = area->viewport()->rect();
    QPoint corner(0, space.height()); // bottom-left corner of the next icon
    int rowHeight = 0;
    for (QMdiSubWindow *window : subWindows(area, true)) {
        const QSize size = window->size();
        if (corner.x() > 0 && corner.x() + size.width() > space.width()) {
            corner = QPoint(0, corner.y() - rowHeight);
            rowHeight = 0;
        }
        window->move(corner.x(), corner.y() - size.height());
        corner.rx() += size.width();
        rowHeight = qMax(rowHeight, size.height());
    }
}
