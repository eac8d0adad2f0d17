#include "ViewTestSupport.h"

#include "grid/ReadableColors.h"

#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <memory>
#include <gtest/gtest.h>

namespace {

QImage rendered(TCellGrid &grid)
{
    QImage image(grid.viewport()->size(), QImage::Format_RGB32);
    grid.viewport()->render(&image);
    return image;
}

QColor pixel(const QImage &image, QPoint point)
{
    return image.pixelColor(point);
}

// A point of an empty cell away from any text: one pixel in from its
// bottom-right corner, before the grid lines.
QPoint emptyCorner(const ShownGrid &shown, int ACol, int ARow)
{
    return shown.grid.gridGeometry().cellContentRect(ACol, ARow).bottomRight() - QPoint(1, 1);
}

QImage glyphImage(const QImage &image, const QRect &glyph)
{
    return image.copy(glyph);
}

TEST(CellGridPaint, SortedColumnCellsAreDrawnDarker)
{
    ShownGrid shown;
    shown.grid.SetAppearanceOptions({aoIndicateSortedColumn});
    shown.grid.Cell(2, 3).SetColor(QColor(200, 100, 50));
    shown.ColMask->SetSorted(true);
    shown.grid.SetSelectedCell(0, 0);
    const QImage image = rendered(shown.grid);
    EXPECT_EQ(pixel(image, emptyCorner(shown, 2, 3)), QColor(191, 95, 47));
}

TEST(CellGridPaint, CellWithoutSortMarkShowsItsOwnColour)
{
    ShownGrid shown;
    shown.grid.SetAppearanceOptions({aoIndicateSortedColumn});
    shown.grid.Cell(2, 3).SetColor(QColor(200, 100, 50));
    shown.grid.SetSelectedCell(0, 0);
    EXPECT_EQ(pixel(rendered(shown.grid), emptyCorner(shown, 2, 3)), QColor(200, 100, 50));
}

TEST(CellGridPaint, TickedGlyphDiffersFromUnticked)
{
    ShownGrid shown;
    shown.grid.Cell(0, 1).SetAsBoolean(true);
    shown.grid.SetSelectedCell(3, 0);
    const QImage image = rendered(shown.grid);
    const QImage ticked = glyphImage(image, shown.grid.gridGeometry().checkBoxRect(0, 1));
    const QImage unticked = glyphImage(image, shown.grid.gridGeometry().checkBoxRect(0, 2));
    const QImage alsoUnticked = glyphImage(image, shown.grid.gridGeometry().checkBoxRect(0, 3));
    EXPECT_NE(ticked, unticked);
    EXPECT_EQ(unticked, alsoUnticked);
}

TEST(CellGridPaint, SelectedCellWithFocusShowsTheSelectionColour)
{
    ShownGrid shown;
    shown.grid.SetSelectionColor(QColor(10, 20, 200));
    shown.grid.SetSelectedCell(2, 4);
    ASSERT_TRUE(shown.grid.hasGridFocus());
    EXPECT_EQ(pixel(rendered(shown.grid), emptyCorner(shown, 2, 4)), QColor(10, 20, 200));
}

// Our own frame, not the style's focus rectangle, which not every style draws.
TEST(CellGridPaint, TheFocusedCellIsFramedInEveryStyle)
{
    for (const QString &styleName : QStyleFactory::keys()) {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
        ShownGrid shown;
        shown.grid.setStyle(style.get());
        shown.grid.SetSelectedCell(2, 4);
        const QColor frame = ReadableColors::strongestOn(shown.grid.SelectionColor());
        const QPoint edge = shown.grid.gridGeometry().cellContentRect(2, 4).topLeft() + QPoint(4, 0);
        EXPECT_EQ(pixel(rendered(shown.grid), edge), frame) << styleName.toStdString();
    }
}

TEST(CellGridPaint, GridLinesOnlyWithGoGrid)
{
    ShownGrid shown;
    shown.grid.SetGridLinesColor(QColor(255, 0, 255));
    shown.grid.SetSelectedCell(0, 0);
    const QPoint line = shown.grid.gridGeometry().cellRect(1, 2).bottomRight() - QPoint(0, 3);
    EXPECT_EQ(pixel(rendered(shown.grid), line), QColor(255, 0, 255));
    shown.grid.SetOptions({goHeader});
    EXPECT_NE(pixel(rendered(shown.grid), line), QColor(255, 0, 255));
}

TEST(CellGridPaint, HiddenColumnIsSkipped)
{
    ShownGrid shown;
    for (int row = 0; row < shown.grid.RowCount(); ++row)
        shown.grid.Cell(2, row).SetColor(QColor(0, 200, 0));
    shown.grid.SetSelectedCell(0, 0);
    shown.ColHex->SetVisible(false);
    // ColMask now starts where ColHex did.
    EXPECT_EQ(pixel(rendered(shown.grid), QPoint(26, 18 + 16 * 5 + 12)), QColor(0, 200, 0));
}

TEST(CellGridPaint, FooterRowShowsTheFooterColour)
{
    ShownGrid shown;
    shown.grid.SetOptions({goHeader, goFooter});
    shown.ColLabel->Footer().SetColor(QColor(250, 240, 10));
    const QRect footer = shown.grid.gridGeometry().footerRect(3);
    ASSERT_FALSE(footer.isNull());
    EXPECT_EQ(pixel(rendered(shown.grid), footer.bottomRight() - QPoint(4, 2)), QColor(250, 240, 10));
}

TEST(CellGridPaint, PressedHeaderLooksDifferent)
{
    ShownGrid shown;
    shown.ColLabel->SetOptions({coCanClick});
    const QRect header = shown.grid.gridGeometry().headerRect(3);
    const QImage normal = rendered(shown.grid).copy(header);
    shown.press(header.center());
    const QImage pressed = rendered(shown.grid).copy(header);
    shown.release(header.center());
    EXPECT_NE(normal, pressed);
    EXPECT_EQ(rendered(shown.grid).copy(header), normal);
}

} // namespace
