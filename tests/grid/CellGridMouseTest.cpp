#include "ViewTestSupport.h"

#include "grid/InplaceEdit.h"
#include "platform/Errors.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

const QStringList tickEvents{
    u"OnBeforeEdit 0 2"_qs, u"OnBeforeEdit 0 2"_qs, u"OnEditAccept 0 2 True"_qs,
    u"OnChange 0 2"_qs,     u"OnAfterEdit 0 2 True"_qs, u"OnCellClick 0 2"_qs,
};

TEST(CellGridMouse, ClickInsideGlyphTicksAndRaisesTheEditEventsInOrder)
{
    ShownGrid shown;
    shown.click(shown.glyphCentre(0, 2));
    EXPECT_TRUE(shown.grid.Cell(0, 2).AsBoolean());
    EXPECT_EQ(shown.log.lines, tickEvents);
}

TEST(CellGridMouse, SecondClickUnticks)
{
    ShownGrid shown;
    shown.click(shown.glyphCentre(0, 2));
    shown.click(shown.glyphCentre(0, 2));
    EXPECT_FALSE(shown.grid.Cell(0, 2).AsBoolean());
}

TEST(CellGridMouse, PartlyVisibleLastRowTicksWithoutScrollingAway)
{
    ShownGrid shown(40);
    const int lastShown = shown.grid.gridGeometry().lastVisibleRow();
    ASSERT_GT(shown.grid.gridGeometry().cellRect(0, lastShown).bottom(), shown.grid.viewport()->height());
    shown.click(shown.glyphCentre(0, lastShown));
    EXPECT_TRUE(shown.grid.Cell(0, lastShown).AsBoolean());
}

TEST(CellGridMouse, ClickBesideGlyphOnlySelects)
{
    ShownGrid shown;
    shown.click(shown.besideGlyph(0, 3));
    EXPECT_FALSE(shown.grid.Cell(0, 3).AsBoolean());
    EXPECT_EQ(shown.grid.SelectedRow(), 3);
    EXPECT_EQ(shown.log.lines, QStringList{u"OnCellClick 0 3"_qs});
}

TEST(CellGridMouse, PressOnOneCellAndReleaseOnAnotherTicksNothing)
{
    ShownGrid shown;
    shown.press(shown.glyphCentre(0, 1));
    shown.release(shown.glyphCentre(0, 2));
    EXPECT_FALSE(shown.grid.Cell(0, 1).AsBoolean());
    EXPECT_FALSE(shown.grid.Cell(0, 2).AsBoolean());
    EXPECT_FALSE(shown.log.lines.contains(u"OnChange 0 1"_qs));
    EXPECT_FALSE(shown.log.lines.contains(u"OnChange 0 2"_qs));
}

TEST(CellGridMouse, RefusedBeforeEditOnPressKeepsTheTick)
{
    ShownGrid shown;
    shown.grid.OnBeforeEdit = [](TCustomCellGrid *, int, int, bool &Accept) { Accept = false; };
    shown.click(shown.glyphCentre(0, 2));
    EXPECT_FALSE(shown.grid.Cell(0, 2).AsBoolean());
}

TEST(CellGridMouse, ReadOnlyGridTicksNothing)
{
    ShownGrid shown;
    shown.grid.SetReadOnly(true);
    shown.click(shown.glyphCentre(0, 2));
    EXPECT_FALSE(shown.grid.Cell(0, 2).AsBoolean());
}

TEST(CellGridMouse, HandlerFailureIsReportedAndTheGridGoesOn)
{
    ShownGrid shown;
    shown.grid.OnChange = [](TCustomCellGrid *, int, int) { throw TarvexError(u"kaputt"_qs); };
    shown.click(shown.glyphCentre(0, 2));
    EXPECT_TRUE(shown.grid.Cell(0, 2).AsBoolean());
    EXPECT_EQ(shown.desktop.messageTexts(), QStringList{u"kaputt."_qs});
}

TEST(CellGridMouse, ClickOnEditableTextCellOpensTheEditorWithTheCellText)
{
    ShownGrid shown;
    shown.grid.Cell(2, 1).SetAsString(u"ReadAccess"_qs);
    shown.grid.OnApplyEditText = [](TCustomCellGrid *, int, int, QString &Value) { Value += u'!'; };
    shown.click(shown.cellCentre(2, 1));
    ASSERT_NE(shown.grid.inplaceEditor(), nullptr);
    EXPECT_EQ(shown.grid.inplaceEditor()->text(), u"ReadAccess!"_qs);
    EXPECT_EQ(shown.grid.inplaceEditor()->geometry(), shown.grid.gridGeometry().cellContentRect(2, 1));
}

TEST(CellGridMouse, ClickOnReadOnlyColumnOpensNoEditor)
{
    ShownGrid shown;
    shown.click(shown.cellCentre(1, 1));
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
    EXPECT_EQ(shown.grid.SelectedColumn(), 1);
}

TEST(CellGridMouse, PressOnAnotherCellAppliesAndClosesTheEditor)
{
    ShownGrid shown;
    shown.click(shown.cellCentre(2, 1));
    shown.grid.inplaceEditor()->setText(u"Changed"_qs);
    shown.press(shown.besideGlyph(0, 4));
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
    EXPECT_EQ(shown.grid.Cells(2, 1), u"Changed"_qs);
}

TEST(CellGridHeader, ClickRaisesHeaderClickAndKeepsUnsortableRowOrder)
{
    ShownGrid shown;
    for (int col = 0; col < 4; ++col)
        shown.grid.Columns[col]->SetOptions(TColumnOptions(shown.grid.Columns[col]->Options()).Exclude(coCanSort));
    shown.grid.Cell(1, 0).SetAsString(u"ZZZ"_qs);
    const QStringList before = shown.rowOrder();
    shown.log.lines.clear();
    shown.click(shown.headerCentre(1));
    EXPECT_EQ(shown.log.lines, QStringList{u"OnHeaderClick 1"_qs});
    EXPECT_EQ(shown.rowOrder(), before);
}

TEST(CellGridHeader, ClickOnSortableColumnSortsByIt)
{
    ShownGrid shown(3);
    shown.grid.Cell(1, 0).SetAsString(u"ZZZ"_qs);
    shown.log.lines.clear();
    shown.click(shown.headerCentre(1));
    EXPECT_EQ(shown.rowOrder(), (QStringList{u"00000001"_qs, u"00000002"_qs, u"ZZZ"_qs}));
    EXPECT_EQ(shown.log.lines.first(), u"OnHeaderClick 1"_qs);
    EXPECT_TRUE(shown.grid.Columns[1]->Sorted());
}

TEST(CellGridHeader, DoubleClickRaisesHeaderClickThenDoubleClickAndNothingElse)
{
    ShownGrid shown(3);
    shown.grid.Cell(1, 0).SetAsString(u"ZZZ"_qs);
    const QStringList before = shown.rowOrder();
    shown.log.lines.clear();
    shown.ColHex->SetOptions(TColumnOptions(shown.ColHex->Options()).Exclude(coCanSort));
    shown.doubleClick(shown.headerCentre(1));
    EXPECT_EQ(shown.log.lines, (QStringList{u"OnHeaderClick 1"_qs, u"OnHeaderDblClick 1"_qs}));
    EXPECT_EQ(shown.rowOrder(), before);
}

TEST(CellGridHeader, PressDrawsTheHeaderPressedUntilRelease)
{
    ShownGrid shown;
    shown.press(shown.headerCentre(2));
    EXPECT_EQ(shown.grid.viewState().PressedHeader, 2);
    shown.release(shown.headerCentre(2));
    EXPECT_EQ(shown.grid.viewState().PressedHeader, -1);
}

TEST(CellGridHeader, DraggingTheEdgeResizesTheColumn)
{
    ShownGrid shown;
    const QPoint edge = shown.headerEdge(2);
    shown.drag(edge, edge + QPoint(30, 0));
    EXPECT_EQ(shown.ColMask->Width(), 110);
    EXPECT_EQ(shown.log.lines, QStringList{u"OnColumnResize 2"_qs});
}

TEST(CellGridHeader, ResizingStopsAtMinWidth)
{
    ShownGrid shown;
    const QPoint edge = shown.headerEdge(2);
    shown.drag(edge, edge - QPoint(200, 0));
    EXPECT_EQ(shown.ColMask->Width(), shown.ColMask->MinWidth());
}

TEST(CellGridHeader, DraggingAHeaderMovesTheColumn)
{
    ShownGrid shown;
    shown.drag(shown.headerCentre(3), shown.headerCentre(1));
    EXPECT_EQ(shown.ColLabel->Position(), 1);
    EXPECT_EQ(shown.ColHex->Position(), 2);
    EXPECT_EQ(shown.log.lines, QStringList{u"OnColumnMove 3 3 1"_qs});
}

TEST(CellGridHeader, DisabledColumnMovingKeepsPositionsAndClicks)
{
    ShownGrid shown;
    shown.grid.SetOptions({goHeader, goGrid, goDisableColumnMoving});
    shown.drag(shown.headerCentre(3), shown.headerCentre(1));
    EXPECT_EQ(shown.ColLabel->Position(), 3);
    EXPECT_EQ(shown.log.lines, QStringList{u"OnHeaderClick 3"_qs});
}

TEST(CellGridHeader, ColumnWithDisableMovingStays)
{
    ShownGrid shown;
    shown.ColLabel->SetOptions(TColumnOptions(shown.ColLabel->Options()).Include(coDisableMoving));
    shown.drag(shown.headerCentre(3), shown.headerCentre(1));
    EXPECT_EQ(shown.ColLabel->Position(), 3);
}

TEST(CellGridHeader, SmallWobbleIsAClickNotAMove)
{
    ShownGrid shown;
    const QPoint centre = shown.headerCentre(3);
    shown.drag(centre, centre + QPoint(2, 0));
    EXPECT_EQ(shown.ColLabel->Position(), 3);
    EXPECT_EQ(shown.log.lines.first(), u"OnHeaderClick 3"_qs);
}

void hoverAt(ShownGrid &shown, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, shown.grid.viewport()->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(shown.grid.viewport(), &move);
}

TEST(CellGridHeader, EdgeZoneShowsTheSplitCursor)
{
    ShownGrid shown;
    hoverAt(shown, shown.headerEdge(1) - QPoint(1, 0));
    EXPECT_EQ(shown.grid.viewport()->cursor().shape(), Qt::SplitHCursor);
    hoverAt(shown, shown.headerCentre(1));
    EXPECT_EQ(shown.grid.viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST(CellGridMouse, HoveringAGlyphMarksItHot)
{
    ShownGrid shown;
    hoverAt(shown, shown.glyphCentre(0, 3));
    EXPECT_EQ(shown.grid.viewState().HotGlyph, (TCellAddress{0, 3}));
    hoverAt(shown, shown.besideGlyph(0, 3));
    EXPECT_FALSE(shown.grid.viewState().HotGlyph.IsValid());
}

TEST(CellGridHints, HeaderHintShowsAsToolTip)
{
    ShownGrid shown;
    shown.ColMask->Header().SetHint(u"Name of the bit"_qs);
    const QPoint pos = shown.headerCentre(2);
    QHelpEvent help(QEvent::ToolTip, pos, shown.grid.viewport()->mapToGlobal(pos));
    QApplication::sendEvent(shown.grid.viewport(), &help);
    EXPECT_EQ(QToolTip::text(), u"Name of the bit"_qs);
    QToolTip::hideText();
}

TEST(CellGridScrolling, WheelScrollsRowsAndPaintingFollows)
{
    ShownGrid shown(100);
    const QPoint pos = shown.cellCentre(1, 2);
    QWheelEvent wheel(pos, shown.grid.viewport()->mapToGlobal(pos), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(shown.grid.viewport(), &wheel);
    const int top = shown.grid.verticalScrollBar()->value();
    EXPECT_GT(top, 0);
    EXPECT_EQ(shown.grid.gridGeometry().cellAt(shown.cellCentre(1, top)), (TCellAddress{1, top}));
    EXPECT_EQ(shown.grid.gridGeometry().cellAt(QPoint(30, 20)).ARow, top);
}

TEST(CellGridScrolling, ScrollBarRangeCoversTheLastRow)
{
    ShownGrid shown(100);
    const GridGeometry geometry = shown.grid.gridGeometry();
    EXPECT_EQ(shown.grid.verticalScrollBar()->maximum(), 100 - geometry.pageRows());
    shown.grid.ClearRows();
    EXPECT_EQ(shown.grid.verticalScrollBar()->maximum(), 0);
}

TEST(CellGridState, ModelEnabledDisablesTheWidget)
{
    ShownGrid shown;
    shown.grid.SetEnabled(false);
    EXPECT_FALSE(shown.grid.isEnabled());
    shown.grid.SetEnabled(true);
    EXPECT_TRUE(shown.grid.isEnabled());
}

} // namespace
