#pragma once

#include <QPixmap>
#include <QSize>

// The program's picture (resources/tarvex.svg, a flag of 32 bit cells),
// drawn at `size` device-independent pixels for a screen of the given
// pixel ratio.
QPixmap ProgramPicture(QSize size, qreal devicePixelRatio);
