#include "flags/BinaryWordStrip.h"
#include "flags/BitFrames.h"
#include "grid/CellGrid.h"
#include "grid/ReadableColors.h"
#include "grid/TextColumn.h"
#include "platform/ScriptedDesktop.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct PaletteCase
{
    const char *name;
    QPalette palette;
};

QPalette paletteOf(const QColor &window, const QColor &text, const QColor &mid, const QColor &highlight,
                   const QColor &highlightedText)
{
    QPalette palette(text, window, window.lighter(150), window.darker(150), mid, text, Qt::red, window, window);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    return palette;
}

// A dark Fusion palette as desktops give it, and the two high-contrast
// palettes of the Windows desktop.
QList<PaletteCase> palettes()
{
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(25, 25, 25));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return {
        {"Fusion's own", QApplication::style()->standardPalette()},
        {"dark", dark},
        {"high contrast black", paletteOf(Qt::black, Qt::white, QColor(128, 128, 128), QColor(26, 235, 255), Qt::black)},
        {"high contrast white", paletteOf(Qt::white, Qt::black, QColor(128, 128, 128), QColor(55, 0, 110), Qt::white)},
    };
}

// The application's style and palette for the span of a test.
class DesktopLook
{
public:
    DesktopLook()
        : m_style(QApplication::style()->name())
        , m_palette(QApplication::palette())
    {
        QApplication::setStyle(u"Fusion"_s);
    }
    ~DesktopLook()
    {
        QApplication::setStyle(m_style);
        QApplication::setPalette(m_palette);
    }

private:
    QString m_style;
    QPalette m_palette;
};

// Every cell of every shade group in every state, the footers and the
// binary strip keep a contrast of at least 4.5 : 1 between text and
// background; the focus frame stands out from the cell at 3 : 1.
TEST(Readability, EveryTextOfTheFlagEditorReadsInDarkAndHighContrastPalettes)
{
    using ReadableColors::contrastRatio;
    const DesktopLook look;
    ScriptedDesktop desktop;
    for (const PaletteCase &c : palettes()) {
        QApplication::setPalette(c.palette);
        TBitFrame frame;
        frame.SetFlagHexA(u"$0000A001"_s);
        frame.GridBits->SetCells(2, 30, u"bad name"_s); // marked in the error colour
        frame.GridBits->SetCells(2, 29, u"bfRead"_s);
        frame.ColLabel->SetSorted(true); // drawn darker
        TCellGrid &grid = *frame.GridBits;
        int checked = 0;
        for (int row = 0; row < grid.RowCount(); ++row) {
            for (int col = 0; col < grid.Columns.Count(); ++col) {
                for (const bool selected : {false, true}) {
                    grid.SetSelectedCell(selected ? col : (col + 1) % 4, row);
                    for (const bool focus : {false, true}) {
                        TGridViewState view;
                        view.HasFocus = focus;
                        const TCellPaintState state = CellPaintStates::forCell(grid, col, row, view);
                        EXPECT_GE(contrastRatio(state.TextColor, state.Background), 4.5)
                            << c.name << ": row " << row << ", column " << col << (selected ? ", selected" : "")
                            << (focus ? ", focused" : "");
                        if (CellPaintStates::hasFocusFrame(grid, col, row, view)) {
                            const QColor frameColor = CellPaintStates::focusFrameColor(state.Background);
                            EXPECT_GE(contrastRatio(frameColor, state.Background), 3.0) << c.name;
                        }
                        ++checked;
                    }
                }
            }
        }
        EXPECT_EQ(checked, 32 * 4 * 2 * 2);
        for (int col = 0; col < grid.Columns.Count(); ++col) {
            const TCustomGridColumn &column = *grid.Columns[col];
            EXPECT_GE(contrastRatio(CellPaintStates::footerTextColor(column), column.Footer().Color()), 4.5)
                << c.name << ": footer " << col;
        }
        const QColor window = frame.BinaryWord->palette().color(QPalette::Window);
        EXPECT_GE(contrastRatio(frame.BinaryWord->NumberColor(), window), 4.5) << c.name << ": bit numbers";
        EXPECT_GE(contrastRatio(frame.BinaryWord->DigitColor(), window), 4.5) << c.name << ": binary digits";
    }
}

} // namespace
