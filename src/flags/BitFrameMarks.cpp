#include "flags/BitFrames.h"

#include "flags/DefinitionChecks.h"
#include "grid/CellGrid.h"
#include "grid/GridPalette.h"
#include "grid/TextColumn.h"

#include <QHash>
#include <QStringList>

namespace {

// No palette role names errors: a red that reads on light and on dark
// backgrounds alike.
QColor errorTextColor()
{
    return GridPalette::window().lightness() < 128 ? QColor(255, 110, 110) : QColor(200, 0, 0);
}

using TRowMessages = QHash<int, QStringList>;

// Written only where something changes: every cell write recalculates.
void markCell(TCellGrid &grid, const TTextColumn &column, int row, const QStringList &messages)
{
    TCell &cell = grid.Cell(column.Index(), row);
    const QColor color = messages.isEmpty() ? column.FontColor() : errorTextColor();
    const QString hint = messages.join(u'\n');
    if (cell.TextColor() != color)
        cell.SetTextColor(color);
    if (cell.Hint() != hint)
        cell.SetHint(hint);
}

} // namespace

void TBitFrame::markDefinitionFindings()
{
    // The table serves every form: a row is marked when it would break the
    // Pascal file or the C header.
    const TIncludeSource source = IncludeSource();
    TRowMessages names;
    TRowMessages masks;
    for (const TIncludeForm form : {TIncludeForm::Pascal, TIncludeForm::C}) {
        for (const TDefinitionFinding &finding : CheckDefinitions(source, form)) {
            if (finding.row < 0 || finding.warning)
                continue;
            QStringList &messages = finding.cell == TFindingCell::Name ? names[finding.row] : masks[finding.row];
            if (!messages.contains(finding.message))
                messages << finding.message;
        }
    }
    RecalculationBatch batch(*this);
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        markCell(*GridBits, *ColMask, row, names.value(row));
        markCell(*GridBits, *ColHex, row, masks.value(row));
    }
}
