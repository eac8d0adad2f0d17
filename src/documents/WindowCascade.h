#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a new window of `size` goes beside the one opened before it at
// `previous`: `step` pixels (about a title bar's height) right of and
// below it. Along an axis where the window would then reach past the end
// of `available`, it starts again at the beginning. Places in `taken`
// (the other windows') are stepped over, so it never covers one exactly
// while a free place can be reached.
QPoint CascadedPlace(QPoint previous, QSize size, const QRect &available, int step, const QList<QPoint> &taken);
