#include "GridTestSupport.h"

#include "grid/CheckBoxColumn.h"
#include "grid/CustomCellGrid.h"
#include "grid/GridGeometry.h"
#include "grid/TextColumn.h"

#include <gtest/gtest.h>

namespace {

// Columns 24 | 63 | 80 | 366 pixels wide, 20 rows, header 18, rows 16,
// in a 400 x 300 viewport.
struct GeometryGrid
{
    GeometryGrid()
    {
        grid.Columns.Add<TCheckBoxColumn>()->SetWidth(24);
        grid.Columns.Add<TTextColumn>()->SetWidth(63);
        grid.Columns.Add<TTextColumn>();
        grid.Columns.Add<TTextColumn>()->SetWidth(366);
        grid.SetOptions({goHeader, goGrid});
        grid.AddRow(20);
    }

    GridGeometry at(int topRow = 0, int xOffset = 0) const
    {
        return GridGeometry(grid, QSize(400, 300), topRow, xOffset);
    }

    TCustomCellGrid grid;
};

TEST(GridGeometry, CellRectsFollowColumnEdgesAndRows)
{
    GeometryGrid g;
    EXPECT_EQ(g.at().cellRect(1, 2), QRect(24, 18 + 32, 63, 16));
    EXPECT_EQ(g.at(2).cellRect(1, 2), QRect(24, 18, 63, 16));
    EXPECT_EQ(g.at(0, 10).cellRect(2, 0), QRect(77, 18, 80, 16));
    EXPECT_EQ(g.at().cellContentRect(1, 2), QRect(24, 50, 62, 15));
}

TEST(GridGeometry, HiddenColumnsTakeNoRoom)
{
    GeometryGrid g;
    g.grid.Columns[1]->SetVisible(false);
    EXPECT_TRUE(g.at().cellRect(1, 0).isNull());
    EXPECT_EQ(g.at().cellRect(2, 0).left(), 24);
    EXPECT_EQ(g.at().cellAt(QPoint(30, 20)), (TCellAddress{2, 0}));
}

TEST(GridGeometry, FooterSitsAtTheBottomWithGoFooter)
{
    GeometryGrid g;
    g.grid.SetOptions({goHeader, goFooter});
    EXPECT_EQ(g.at().footerRect(0), QRect(0, 282, 24, 18));
    EXPECT_EQ(g.at().dataArea(), QRect(0, 18, 400, 264));
    EXPECT_EQ(g.at().pageRows(), 16);
}

struct HitCase : NamedCase
{
    QPoint point;
    TCellAddress cell;
    int headerColumn;
};

class GridGeometryHits : public ::testing::TestWithParam<HitCase>
{
};

TEST_P(GridGeometryHits, FindCellAndHeader)
{
    GeometryGrid g;
    EXPECT_EQ(g.at(3).cellAt(GetParam().point), GetParam().cell);
    EXPECT_EQ(g.at(3).headerColumnAt(GetParam().point), GetParam().headerColumn);
}

INSTANTIATE_TEST_SUITE_P(Points, GridGeometryHits,
                         ::testing::Values(HitCase{{"FirstDataPixel"}, {0, 18}, {0, 3}, -1},
                                           HitCase{{"LastPixelOfFirstCell"}, {23, 33}, {0, 3}, -1},
                                           HitCase{{"NextColumnAndRow"}, {24, 34}, {1, 4}, -1},
                                           HitCase{{"Header"}, {100, 5}, {}, 2},
                                           HitCase{{"HeaderLastPixel"}, {399, 17}, {}, 3},
                                           HitCase{{"BelowTheLastRow"}, {10, 299}, {}, -1},
                                           HitCase{{"AboveTheGrid"}, {10, -1}, {}, -1}),
                         CaseName());

TEST(GridGeometry, RowsPastTheLastHitNothing)
{
    GeometryGrid g;
    EXPECT_FALSE(g.at(10).cellAt(QPoint(10, 18 + 10 * 16)).IsValid());
}

struct ZoneCase : NamedCase
{
    int x;
    int column;
};

class GridGeometryResizeZone : public ::testing::TestWithParam<ZoneCase>
{
};

// Column 1 ends at x = 87: its zone runs from 84 to 89.
TEST_P(GridGeometryResizeZone, CoversThreeLeftAndTwoRightOfTheEdge)
{
    GeometryGrid g;
    EXPECT_EQ(g.at().resizeColumnAt(QPoint(GetParam().x, 9)), GetParam().column);
}

INSTANTIATE_TEST_SUITE_P(Edges, GridGeometryResizeZone,
                         ::testing::Values(ZoneCase{{"FourLeftOfTheEdge"}, 83, -1},
                                           ZoneCase{{"ThreeLeftOfTheEdge"}, 84, 1}, ZoneCase{{"OnTheEdge"}, 87, 1},
                                           ZoneCase{{"TwoRightOfTheEdge"}, 89, 1},
                                           ZoneCase{{"ThreeRightOfTheEdge"}, 90, -1},
                                           ZoneCase{{"FirstColumnEdge"}, 21, 0}, ZoneCase{{"ThirdColumnEdge"}, 167, 2}),
                         CaseName());

TEST(GridGeometry, ResizeZoneOnlyInTheHeaderAndNotForFixedSize)
{
    GeometryGrid g;
    EXPECT_EQ(g.at().resizeColumnAt(QPoint(87, 30)), -1);
    g.grid.Columns[1]->SetOptions(TColumnOptions(g.grid.Columns[1]->Options()).Include(coFixedSize));
    EXPECT_EQ(g.at().resizeColumnAt(QPoint(87, 9)), -1);
}

struct GlyphCase : NamedCase
{
    TAlignment alignment;
    TVerticalAlignment verticalAlignment;
    QPoint topLeft;
};

class GridGeometryGlyph : public ::testing::TestWithParam<GlyphCase>
{
};

// A 24 x 16 cell at (100, 50): 13 x 13 glyph, 2 pixels from the named
// edges, centred with the odd pixel dropped.
TEST_P(GridGeometryGlyph, PlacedByTheColumnAlignments)
{
    const QRect glyph =
        GridGeometry::checkBoxRect(QRect(100, 50, 24, 16), GetParam().alignment, GetParam().verticalAlignment);
    EXPECT_EQ(glyph, QRect(GetParam().topLeft, QSize(13, 13)));
}

INSTANTIATE_TEST_SUITE_P(Alignments, GridGeometryGlyph,
                         ::testing::Values(GlyphCase{{"LeftMiddle"}, taLeftJustify, taVerticalCenter, {102, 51}},
                                           GlyphCase{{"RightMiddle"}, taRightJustify, taVerticalCenter, {109, 51}},
                                           GlyphCase{{"CentreMiddle"}, taCenter, taVerticalCenter, {105, 51}},
                                           GlyphCase{{"CentreTop"}, taCenter, taAlignTop, {105, 52}},
                                           GlyphCase{{"CentreBottom"}, taCenter, taAlignBottom, {105, 51}}),
                         CaseName());

TEST(GridGeometry, ScrollValuesBringACellIntoView)
{
    GeometryGrid g;
    EXPECT_EQ(g.at().pageRows(), 17);
    EXPECT_EQ(g.at().topRowShowing(16), 0);
    EXPECT_EQ(g.at().topRowShowing(17), 1);
    EXPECT_EQ(g.at(5).topRowShowing(2), 2);
    EXPECT_EQ(g.at().maxTopRow(), 3);
    EXPECT_EQ(g.at().xOffsetShowing(3), 133); // 167 + 366 - 400
    EXPECT_EQ(g.at(0, 200).xOffsetShowing(0), 0);
    EXPECT_EQ(g.at().maxXOffset(), 133);
}

TEST(GridGeometry, DropPositionIsTheSlotUnderTheMouse)
{
    GeometryGrid g;
    EXPECT_EQ(g.at().dropPositionAt(30), 1);
    EXPECT_EQ(g.at().dropPositionAt(-5), 0);
    g.grid.Columns[3]->SetWidth(100);
    EXPECT_EQ(g.at().dropPositionAt(390), 3);
}

} // namespace
