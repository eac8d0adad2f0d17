#include "flags/BinaryWordStrip.h"
#include "flags/BitFrames.h"
#include "grid/CellGrid.h"
#include "grid/ReadableColors.h"
#include "grid/TextColumn.h"
#include "platform/ScriptedDesktop.h"

#include <QApplication>
#include <QScopeGuard>
#include <QStyle>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QPalette paletteOf(const QColor &window, const QColor &text, const QColor &highlight, const QColor &highlightedText)
{
    QPalette palette(text, window, window, window, Qt::gray, text, Qt::red, window, window);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    return palette;
}

// Under Fusion with its own palette, a dark one as desktops give it and the
// two high-contrast palettes of the Windows desktop, every cell of every
// shade group in every state, the footers and the binary strip keep a
// contrast of at least 4.5 : 1 between text and background.
TEST(Readability, EveryTextOfTheFlagEditorReadsInDarkAndHighContrastPalettes)
{
    using ReadableColors::contrastRatio;
    const auto restore = qScopeGuard([style = QApplication::style()->name(), palette = QApplication::palette()] {
        QApplication::setStyle(style);
        QApplication::setPalette(palette);
    });
    QApplication::setStyle(u"Fusion"_s);
    const std::pair<const char *, QPalette> palettes[] = {
        {"Fusion's own", QApplication::style()->standardPalette()},
        {"dark", paletteOf(QColor(53, 53, 53), Qt::white, QColor(42, 130, 218), Qt::white)},
        {"high contrast black", paletteOf(Qt::black, Qt::white, QColor(26, 235, 255), Qt::black)},
        {"high contrast white", paletteOf(Qt::white, Qt::black, QColor(55, 0, 110), Qt::white)},
    };
    ScriptedDesktop desktop;
    for (const auto &[name, palette] : palettes) {
        QApplication::setPalette(palette);
        TBitFrame frame;
        frame.SetFlagHexA(u"$0000A001"_s);
        frame.GridBits->SetCells(2, 30, u"bad name"_s); // marked in the error colour
        frame.ColLabel->SetSorted(true); // drawn darker
        TCellGrid &grid = *frame.GridBits;
        for (int row = 0; row < grid.RowCount(); ++row) {
            for (int col = 0; col < grid.Columns.Count(); ++col) {
                for (const int state : {0, 1, 2, 3}) { // selected or not, focused or not
                    grid.SetSelectedCell(state & 1 ? col : (col + 1) % 4, row);
                    TGridViewState view;
                    view.HasFocus = state & 2;
                    const TCellPaintState cell = CellPaintStates::forCell(grid, col, row, view);
                    EXPECT_GE(contrastRatio(cell.TextColor, cell.Background), 4.5)
                        << name << ": row " << row << ", column " << col << ", state " << state;
                }
            }
        }
        for (int col = 0; col < grid.Columns.Count(); ++col) {
            const TCustomGridColumn &column = *grid.Columns[col];
            EXPECT_GE(contrastRatio(CellPaintStates::footerTextColor(column), column.Footer().Color()), 4.5) << name;
        }
        const QColor window = frame.BinaryWord->palette().color(QPalette::Window);
        EXPECT_GE(contrastRatio(frame.BinaryWord->NumberColor(), window), 4.5) << name << ": bit numbers";
        EXPECT_GE(contrastRatio(frame.BinaryWord->DigitColor(), window), 4.5) << name << ": binary digits";
    }
}

} // namespace
