#pragma once

#include "grid/ColumnPartPainter.h"
#include "grid/GridOptionSet.h"

#include <QRect>
#include <vector>

class QFontMetrics;
class TCustomCellGrid;

// A print option's value is its bit number in the option word.
enum TPrintOption { poHorzGridLines, poIgnoreColumnColor, poSelectedRows };
using TPrintOptions = TOptionSet<TPrintOption>;

// Blank border inside the page, device pixels.
struct TMargins
{
    int Left = 10;
    int Top = 10;
    int Right = 20;
    int Bottom = 20;
};

// What a printed page of a grid is laid out from; sizes in device pixels.
struct TGridPrintSettings
{
    int HeaderSize = 100; // height of the header band
    int RowSize = 86; // height of every printed row
    TPrintOptions Options{poHorzGridLines};
    int PageHeight = 0;
    int PageWidth = 0;
    TMargins InnerMargins;
    int FromRow = 0;
    int ToRow = 0; // 0: the grid's last row
};

struct TPrintedHeaderCell
{
    int ACol;
    QRect Rect;
    THeaderCaptionPlace Place;
};

struct TPrintedCell
{
    int ACol;
    int ARow;
    QRect Rect;
};

struct TGridPrintPage
{
    std::vector<TPrintedHeaderCell> Header; // empty on a page that goes on after a rule
    std::vector<TPrintedCell> Cells;
    std::vector<QRect> Rules; // 1 pixel high, across the printable width
};

struct TGridPrintLayout
{
    std::vector<TGridPrintPage> Pages;
    // False when a row could not fit even on a page of its own; printing
    // stops before that row.
    bool AllRowsFit = true;
};

namespace GridPrintLayout {

// Every page of the grid's printout: on each page the header band (unless
// the page goes on after a rule that no longer fitted), then the rows
// that fit, each followed by its rule. Captions are measured with the
// given metrics, sort arrows grown by glyphScale as the printed text is.
// Never yields an empty page after the last row.
TGridPrintLayout compute(const TCustomCellGrid &grid, const TGridPrintSettings &settings,
                         const QFontMetrics &captionMetrics, qreal glyphScale = 1);

} // namespace GridPrintLayout
