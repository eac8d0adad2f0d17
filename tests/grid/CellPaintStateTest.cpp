#include "GridTestSupport.h"

#include "grid/CellPaintState.h"
#include "grid/CheckBoxColumn.h"
#include "grid/ColumnPartPainter.h"
#include "grid/CustomCellGrid.h"
#include "grid/GridHints.h"
#include "grid/TextColumn.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

const QColor cellColour(200, 100, 50);
const QColor selection(0, 0, 255);
const QColor inactive(128, 128, 128);
const QColor highlightedText(255, 255, 0);

struct PaintGrid
{
    PaintGrid()
    {
        grid.Columns.Add<TCheckBoxColumn>();
        text = grid.Columns.Add<TTextColumn>();
        grid.AddRow(3);
        grid.Cell(1, 1).SetColor(cellColour);
        grid.SetSelectionColor(selection);
        grid.SetInactiveSelectionColor(inactive);
        grid.SetHighlightedTextColor(highlightedText);
        grid.SetSelectedCell(1, 1);
    }

    TCellPaintState state(bool focus, TCellAddress editor = {}) const
    {
        TGridViewState view;
        view.HasFocus = focus;
        view.EditorCell = editor;
        return CellPaintStates::forCell(grid, 1, 1, view);
    }

    TCustomCellGrid grid;
    TTextColumn *text;
};

struct ColourCase : NamedCase
{
    QColor in;
    QColor out;
};

class SortedColumnColour : public ::testing::TestWithParam<ColourCase>
{
};

TEST_P(SortedColumnColour, IsFloorOf245Over256OfEachComponent)
{
    EXPECT_EQ(CellPaintStates::sortedColumnColor(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Components, SortedColumnColour,
                         ::testing::Values(ColourCase{{"White"}, QColor(255, 255, 255), QColor(244, 244, 244)},
                                           ColourCase{{"NearBlack"}, QColor(0, 1, 2), QColor(0, 0, 1)},
                                           ColourCase{{"Orange"}, QColor(200, 100, 50), QColor(191, 95, 47)}),
                         CaseName());

TEST(CellPaintState, SortedColumnIsDarkerOnlyWithIndicateSortedColumn)
{
    PaintGrid g;
    g.grid.SetSelectedCell(0, 0);
    g.text->SetSorted(true);
    EXPECT_EQ(g.state(true).Background, cellColour);
    g.grid.SetAppearanceOptions({aoIndicateSortedColumn});
    EXPECT_EQ(g.state(true).Background, QColor(191, 95, 47));
}

TEST(CellPaintState, ParentCellColorTakesTheColumnColour)
{
    PaintGrid g;
    g.grid.SetSelectedCell(0, 0);
    g.text->SetColor(QColor(1, 2, 3));
    g.text->SetParentCellColor(true);
    EXPECT_EQ(g.state(true).Background, QColor(1, 2, 3));
}

TEST(CellPaintState, SelectedCellWithFocusIsHighlighted)
{
    PaintGrid g;
    g.grid.SetAppearanceOptions({aoBoldTextSelection});
    const TCellPaintState state = g.state(true);
    EXPECT_EQ(state.Background, selection);
    EXPECT_EQ(state.TextColor, highlightedText);
    EXPECT_TRUE(state.Bold);
}

TEST(CellPaintState, WithoutFocusHideSelectionDrawsAPlainCell)
{
    PaintGrid g;
    g.grid.SetAppearanceOptions({aoHideSelection, aoBoldTextSelection});
    const TCellPaintState state = g.state(false);
    EXPECT_EQ(state.Background, cellColour);
    EXPECT_FALSE(state.Bold);
}

TEST(CellPaintState, WithoutFocusTheInactiveSelectionColourShows)
{
    PaintGrid g;
    EXPECT_EQ(g.state(false).Background, inactive);
    EXPECT_NE(g.state(false).TextColor, highlightedText);
}

TEST(CellPaintState, DontHighlightAndAnOpenEditorShowThePlainCell)
{
    PaintGrid g;
    EXPECT_EQ(g.state(true, {1, 1}).Background, cellColour);
    g.text->SetOptions(TColumnOptions(g.text->Options()).Include(coDontHighlight));
    EXPECT_EQ(g.state(true).Background, cellColour);
}

TEST(CellPaintState, TextFitsWithFivePixelsToSpare)
{
    PaintGrid g;
    g.grid.SetSelectedCell(0, 0);
    g.grid.Cell(1, 2).SetAsString(u"Write access"_qs);
    const int textWidth = QFontMetrics(g.text->Font()).horizontalAdvance(u"Write access"_qs);
    g.text->SetWidth(textWidth + 5);
    EXPECT_TRUE(GridHints::textFits(g.grid, 1, 2, {}));
    g.text->SetWidth(textWidth + 4);
    EXPECT_FALSE(GridHints::textFits(g.grid, 1, 2, {}));
}

TEST(CellPaintState, HintShowsTheWholeTextOverTheCellOnlyWhenItDoesNotFit)
{
    PaintGrid g;
    g.grid.SetOptions({goHeader});
    g.grid.Cell(1, 2).SetAsString(u"A description far too long for a narrow column"_qs);
    g.text->SetWidth(30);
    const GridGeometry geometry(g.grid, QSize(400, 300), 0, 0);
    const QPoint inCell = geometry.cellRect(1, 2).center();
    const auto hint = GridHints::hintAt(g.grid, geometry, inCell, {});
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(hint->Text, u"A description far too long for a narrow column"_qs);
    EXPECT_EQ(hint->TopLeft, geometry.cellRect(1, 2).topLeft());
    EXPECT_EQ(hint->MaxWidth, 400);
    g.text->SetWidth(400);
    EXPECT_FALSE(GridHints::hintAt(g.grid, geometry, inCell, {}).has_value());
}

TEST(CellPaintState, ACellsOwnHintShowsAtTheMouseBeforeAnyOther)
{
    PaintGrid g;
    g.grid.SetOptions({goHeader});
    g.text->SetWidth(400);
    g.grid.Cell(1, 2).SetHint(u"\"end\" is a keyword of Pascal"_qs);
    const GridGeometry geometry(g.grid, QSize(400, 300), 0, 0);
    const auto hint = GridHints::hintAt(g.grid, geometry, geometry.cellRect(1, 2).center(), {});
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(hint->Text, u"\"end\" is a keyword of Pascal"_qs);
    EXPECT_TRUE(hint->AtMouse);
    EXPECT_FALSE(GridHints::hintAt(g.grid, geometry, geometry.cellRect(1, 1).center(), {}).has_value());
}

TEST(CellPaintState, HeaderHintShowsBelowTheHeaderAtTheColumnsLeftEdge)
{
    PaintGrid g;
    g.grid.SetOptions({goHeader});
    g.text->Header().SetHint(u"Mask of the bit"_qs);
    const GridGeometry geometry(g.grid, QSize(400, 300), 0, 0);
    const auto hint = GridHints::hintAt(g.grid, geometry, geometry.headerRect(1).center(), {});
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(hint->Text, u"Mask of the bit"_qs);
    EXPECT_EQ(hint->TopLeft, QPoint(80, 18));
    EXPECT_FALSE(GridHints::hintAt(g.grid, geometry, geometry.headerRect(0).center(), {}).has_value());
}

// A 200 x 18 header cell with a caption 30 pixels wide: the arrow sits
// 21 pixels after the caption and 4 pixels above the middle.
TEST(HeaderArrow, SitsAfterTheCaptionOfASortedColumn)
{
    PaintGrid g;
    const QRect cell(100, 0, 200, 18);
    EXPECT_TRUE(ColumnPartPainter::headerArrowRect(cell, *g.text, 30).isNull());
    g.text->SetSorted(true);
    EXPECT_EQ(ColumnPartPainter::headerArrowRect(cell, *g.text, 30), QRect(153, 5, 8, 8));
    g.text->Header().SetAlignment(taRightJustify);
    EXPECT_EQ(ColumnPartPainter::headerArrowRect(cell, *g.text, 30).left(), 300 - 2 - 31 + 21);
}

// On a 600 dpi page (6.25 device pixels per screen pixel) the arrow, its
// gap and its distance from the middle grow as the printed caption does.
TEST(HeaderArrow, GrowsWithThePrintersResolution)
{
    PaintGrid g;
    g.text->SetSorted(true);
    const QRect cell(100, 0, 1000, 129);
    EXPECT_EQ(ColumnPartPainter::headerArrowRect(cell, *g.text, 200, 6.25), QRect(102 + 200 + 131, 64 - 25, 50, 50));
}

TEST(HeaderArrow, HiddenWhenItDoesNotFitUnlessHideArrowIsOff)
{
    PaintGrid g;
    g.text->SetSorted(true);
    const QRect narrow(0, 0, 60, 18); // arrow at 53, ends at 61
    EXPECT_TRUE(ColumnPartPainter::headerArrowRect(narrow, *g.text, 30).isNull());
    g.text->Header().SetHideArrow(false);
    EXPECT_FALSE(ColumnPartPainter::headerArrowRect(narrow, *g.text, 30).isNull());
}

} // namespace
