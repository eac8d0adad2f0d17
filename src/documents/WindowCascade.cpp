#include "documents/WindowCascade.h"

namespace {

// One step on along one axis, or back to the start of the area where the
// window would not lie inside it.
int stepped(int from, int step, int start, int length, int extent)
{
    const int next = from + step;
    return next >= start && next + extent <= start + length ? next : start;
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
