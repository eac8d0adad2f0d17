#pragma once

#include <QColor>

// The system colours the grid's defaults come from, read from the
// application palette (a plain default palette when no GUI application runs).
namespace GridPalette {
QColor window();
QColor windowText();
QColor buttonFace();
QColor highlight();
QColor highlightedText();
QColor activeBorder();
} // namespace GridPalette
