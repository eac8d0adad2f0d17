#pragma once

#include <QColor>

// Text that stays readable on whatever palette the desktop gives: the
// contrast ratio of text against its background, as the web's accessibility
// guidelines define it (1 for equal colours up to 21 for black on white),
// and text colours moved just far enough to reach the guidelines' minimum.
namespace ReadableColors {

constexpr double MinimumTextContrast = 4.5;

// A see-through background counts as drawn over white, and see-through
// text as drawn over that.
double contrastRatio(const QColor &text, const QColor &background);

// Black or white, whichever stands out more on `background`: at least
// 4.58 : 1 on any background.
QColor strongestOn(const QColor &background);

// `text` where it reaches MinimumTextContrast on `background`; otherwise
// `text` moved towards black or white, whichever reads better there, until
// it does. Either of them always reaches it.
QColor readableText(const QColor &text, const QColor &background);

} // namespace ReadableColors
