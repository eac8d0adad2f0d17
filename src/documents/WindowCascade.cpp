#include "documents/WindowCascade.h"

#include <algorithm>

namespace {

// One step on along one axis, or back to the start of the area where the
// window would not lie inside it.
int stepped(int from, int step, int start, int length, int extent)
{
    const int next = from + step;
    return next >= start && next + extent <= start + length ? next : start;
}

QPoint besideDocument(QSize size, const QRect &document, const QRect &area)
{
    int x = std::max(area.left(), area.right() + 1 - size.width()); // no room on either side
    if (document.right() + size.width() <= area.right())
        x = document.right() + 1;
    else if (document.left() - size.width() >= area.left())
        x = document.left() - size.width();
    return {x, std::max(area.top(), std::min(document.top(), area.bottom() + 1 - size.height()))};
}

} // namespace

QPoint CascadedPlace(QPoint previous, QSize size, const QRect &available, int step, const QList<QPoint> &taken)
{
    QPoint place = previous;
    for (qsizetype tries = 0; tries <= taken.size(); ++tries) {
        place = QPoint(stepped(place.x(), step, available.left(), available.width(), size.width()),
                       stepped(place.y(), step, available.top(), available.height(), size.height()));
        if (!taken.contains(place))
            break;
    }
    return place;
}

QPoint BitEditorPlace(QSize size, const QRect &document, const QRect &available, const QRect &titleBar, int step,
                      std::optional<QPoint> previous, const QList<QPoint> &taken)
{
    // A title bar low on the screen would push the editor off it: its own
    // title bar (about a step high) stays on the screen all the same.
    QRect area = available;
    area.setTop(std::max(available.top(), std::min(titleBar.bottom() + 1, available.bottom() + 1 - step)));
    const QPoint first = besideDocument(size, document, area);
    if (!previous)
        return first;
    QRect cascade = area;
    if (first.x() + step + size.width() <= area.right() + 1)
        cascade.setLeft(first.x());
    if (first.y() + step + size.height() <= area.bottom() + 1)
        cascade.setTop(first.y());
    return CascadedPlace(*previous, size, cascade, step, taken);
}
