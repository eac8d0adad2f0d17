#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The program's picture (resources/tarvex.svg, a flag of 32 bit cells),
// drawn at `size` device-independent pixels for a screen of the given
// pixel ratio.
QPixmap ProgramPicture(QSize size, qreal devicePixelRatio);

// The same picture at the sizes windows and task bars ask for.
QIcon ProgramIcon();
