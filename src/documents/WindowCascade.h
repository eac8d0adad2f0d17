#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// Where a new window of `size` goes beside the one opened before it at
// `previous`: `step` pixels (about a title bar's height) right of and
// below it. Along an axis where the window would then reach past the end
// of `available`, it starts again at the beginning. Places in `taken`
// (the other windows') are stepped over, so it never covers one exactly
// while a free place can be reached.
QPoint CascadedPlace(QPoint previous, QSize size, const QRect &available, int step, const QList<QPoint> &taken);

// Where a bit editor goes whose window, with title bar and frame, has
// `size` (the place is its outer top left corner). The first (no
// `previous`) stands beside the `document` window, right of it or else
// left of it, level with its top, where the screen's `available` area has
// room; without room on either side at the area's right edge. A later one
// cascades from the one opened before it, and starts again at the first
// one's place (along an axis where there is no room for a step: at the
// area's edge). None reaches above the bottom of the main window's
// `titleBar`, whose buttons stay free, unless that would leave less than a
// `step` (about a title bar's height) of the editor on the screen: then it
// starts that far above the screen's bottom.
QPoint BitEditorPlace(QSize size, const QRect &document, const QRect &available, const QRect &titleBar, int step,
                      std::optional<QPoint> previous, const QList<QPoint> &taken);
