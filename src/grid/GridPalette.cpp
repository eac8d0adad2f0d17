#include "grid/GridPalette.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QPalette applicationPalette()
{
    return qGuiApp ? QGuiApplication::palette() : QPalette();
}

QColor paletteColor(QPalette::ColorRole role)
{
    return applicationPalette().color(QPalette::Active, role);
}

} // namespace

namespace GridPalette {

QColor window() { return paletteColor(QPalette::Base); }
QColor windowText() { return paletteColor(QPalette::Text); }
QColor buttonFace() { return paletteColor(QPalette::Button); }
QColor highlight() { return paletteColor(QPalette::Highlight); }
QColor highlightedText() { return paletteColor(QPalette::HighlightedText); }

// Qt has no border colour; Mid is a grey that differs clearly from the
// highlight, which is what the bit table's row shading needs.
QColor activeBorder() { return paletteColor(QPalette::Mid); }

} // namespace GridPalette
