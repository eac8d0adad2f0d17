#include "GridTestSupport.h"

#include "grid/GridPalette.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QList<int> displayOrder(const TCustomCellGrid &grid)
{
    QList<int> order;
    for (int slot = 0; slot < grid.Columns.Count(); ++slot)
        order << grid.Columns.PositionItem(slot)->Index();
    return order;
}

QList<int> leftEdges(const TCustomCellGrid &grid)
{
    QList<int> edges;
    for (int col = 0; col < grid.Columns.Count(); ++col)
        edges << grid.Columns[col]->Left();
    return edges;
}

TEST(GridColumns, NewColumnsCarryTheirDefaults)
{
    BitTableGrid table;
    const TCustomGridColumn &text = *table.ColMask;
    EXPECT_EQ(text.Width(), 80);
    EXPECT_EQ(text.DefaultWidth(), 80);
    EXPECT_EQ(text.MinWidth(), 8);
    EXPECT_TRUE(text.Visible());
    EXPECT_EQ(text.Position(), 2);
    EXPECT_FALSE(text.Sorted());
    EXPECT_EQ(text.SortKind(), skAscending);
    EXPECT_EQ(text.SortType(), stAlphabetic);
    EXPECT_EQ(text.Options(), TColumnOptions({coCanClick, coCanInput, coCanSort, coPublicUsing, coShowTextFitHint}));
    EXPECT_EQ(table.ColBit->Options(), TColumnOptions({coCanClick, coCanInput, coCanSort, coPublicUsing}));
    EXPECT_EQ(table.ColBit->SortType(), stBoolean);
    EXPECT_EQ(text.Alignment(), taLeftJustify);
    EXPECT_EQ(text.VerticalAlignment(), taVerticalCenter);
    EXPECT_EQ(text.WrapKind(), wkEllipsis);
    EXPECT_EQ(text.Color(), GridPalette::window());
    EXPECT_TRUE(text.ParentFont());
    EXPECT_FALSE(text.ParentCellColor());
    EXPECT_TRUE(text.Enabled());
    EXPECT_EQ(table.ColMask->MaxLength(), 0);
    EXPECT_TRUE(table.ColMask->PasswordChar().isNull());
    EXPECT_EQ(text.Header().Color(), GridPalette::buttonFace());
    EXPECT_EQ(text.Header().DisplayMode(), dmTextOnly);
    EXPECT_TRUE(text.Header().HideArrow());
    EXPECT_EQ(text.Header().Orientation(), hoHorizontal);
    EXPECT_EQ(text.Footer().Color(), GridPalette::window());
    EXPECT_EQ(text.Footer().FormulaKind(), fkNone);
    EXPECT_EQ(text.Footer().FormatMaskKind(), mkText);
}

TEST(GridColumns, WidthIsNeverBelowMinWidthAndReportsTheResize)
{
    BitTableGrid table;
    table.ColBit->SetMinWidth(4);
    table.grid.log.clear();
    table.ColBit->SetWidth(2);
    EXPECT_EQ(table.ColBit->Width(), 4);
    table.ColBit->SetWidth(24);
    EXPECT_EQ(table.ColBit->Width(), 24);
    EXPECT_EQ(table.eventsOnly(), QStringList({u"OnColumnResize 0"_s, u"OnColumnResize 0"_s}));
    EXPECT_EQ(leftEdges(table.grid), QList<int>({0, 24, 104, 184}));
    EXPECT_TRUE(table.grid.log.lines().contains(u"LayoutChanged"_s));
}

TEST(GridColumns, RaisingMinWidthWidensANarrowerColumn)
{
    BitTableGrid table;
    table.ColHex->SetWidth(10);
    table.ColHex->SetMinWidth(30);
    EXPECT_EQ(table.ColHex->Width(), 30);
}

// A layout file may ask for any width: the left edges of the columns
// after it must still add up.
TEST(GridColumns, WidthsStayWithinTheMaximumSoTheirSumCannotOverflow)
{
    BitTableGrid table;
    constexpr int max = TCustomGridColumn::MaxWidth;
    for (int col = 0; col < table.grid.Columns.Count(); ++col)
        table.grid.Columns[col]->SetWidth(std::numeric_limits<int>::max());
    EXPECT_EQ(leftEdges(table.grid), QList<int>({0, max, 2 * max, 3 * max}));
    EXPECT_EQ(table.grid.Columns.TotalWidth(), 4 * max);
    table.ColBit->SetMinWidth(std::numeric_limits<int>::max());
    EXPECT_EQ(table.ColBit->MinWidth(), max);
    table.ColHex->SetMinWidth(-5);
    table.ColHex->SetWidth(-3);
    EXPECT_EQ(table.ColHex->Width(), 0);
}

TEST(GridColumns, HiddenColumnsTakeNoRoomAndKeepTheirCells)
{
    BitTableGrid table(1);
    table.grid.SetCells(1, 0, u"80000000"_s);
    table.ColHex->SetVisible(false);
    EXPECT_EQ(leftEdges(table.grid), QList<int>({0, 80, 80, 160}));
    EXPECT_EQ(table.ColHex->VisibleIndex(), -1);
    EXPECT_EQ(table.ColMask->VisibleIndex(), 1);
    EXPECT_EQ(table.grid.Columns.VisibleCount(), 3);
    EXPECT_EQ(table.grid.Columns.TotalWidth(), 240);
    EXPECT_EQ(table.grid.Cells(1, 0), u"80000000"_s);
    EXPECT_EQ(table.grid.Columns.ColumnAt(85), table.ColMask);
    EXPECT_EQ(table.grid.Columns.ColumnAt(240), nullptr);
}

TEST(GridColumns, VisibleUnchangedDoesNothing)
{
    BitTableGrid table;
    table.grid.log.clear();
    table.ColHex->SetVisible(true);
    EXPECT_TRUE(table.grid.log.lines().isEmpty());
}

TEST(GridColumns, SortedIsExclusiveAndNeverReordersWithoutCanSort)
{
    BitTableGrid table(3);
    for (TCustomGridColumn *column : {static_cast<TCustomGridColumn *>(table.ColBit), static_cast<TCustomGridColumn *>(table.ColHex)})
        column->SetOptions(TColumnOptions(column->Options()).Exclude(coCanSort));
    table.grid.SetCells(1, 0, u"b"_s);
    table.grid.SetCells(1, 1, u"c"_s);
    table.grid.SetCells(1, 2, u"a"_s);
    table.ColBit->SetSorted(true);
    table.ColHex->SetSorted(true);
    EXPECT_FALSE(table.ColBit->Sorted());
    EXPECT_TRUE(table.ColHex->Sorted());
    table.ColHex->SetSortKind(skDescending);
    EXPECT_EQ(table.grid.Cells(1, 0), u"b"_s);
    EXPECT_EQ(table.grid.Cells(1, 2), u"a"_s);
    table.ColHex->SetSorted(false);
    EXPECT_FALSE(table.ColHex->Sorted());
    EXPECT_EQ(table.ColHex->SortKind(), skDescending);
}

TEST(GridColumns, PositionMovesTheColumnAndRenumbers)
{
    BitTableGrid table;
    table.grid.log.clear();
    table.ColLabel->SetPosition(0);
    EXPECT_EQ(displayOrder(table.grid), QList<int>({3, 0, 1, 2}));
    EXPECT_EQ(table.ColBit->Position(), 1);
    EXPECT_EQ(table.ColLabel->Position(), 0);
    EXPECT_EQ(leftEdges(table.grid), QList<int>({80, 160, 240, 0}));
    EXPECT_EQ(table.eventsOnly(), QStringList({u"OnColumnMove 3 3 0"_s}));
}

TEST(GridColumns, PositionItemOnlyStoresUntilUpdatePositions)
{
    BitTableGrid table;
    TGridColumns &columns = table.grid.Columns;
    const int displaySlots[] = {3, 1, 2, 0};
    for (int col = 0; col < 4; ++col)
        columns.SetPositionItem(displaySlots[col], columns[col]);
    EXPECT_EQ(table.ColBit->Position(), 0);
    columns.UpdatePositions(true);
    EXPECT_EQ(displayOrder(table.grid), QList<int>({3, 1, 2, 0}));
    EXPECT_EQ(table.ColBit->Position(), 3);
    EXPECT_EQ(table.ColLabel->Position(), 0);
    EXPECT_EQ(table.ColLabel->Left(), 0);
    EXPECT_EQ(table.ColBit->Left(), 240);
}

TEST(GridColumns, PositionItemOutsideTheColumnsRaisesListIndexError)
{
    BitTableGrid table;
    EXPECT_THROW(table.grid.Columns.SetPositionItem(7, table.ColBit), ListIndexError);
    EXPECT_THROW(table.grid.Columns.PositionItem(-1), ListIndexError);
    EXPECT_THROW(table.grid.Columns[4], ListIndexError);
}

TEST(GridColumns, AColumnStoredIntoTwoSlotsLosesNoOtherColumn)
{
    BitTableGrid table;
    TGridColumns &columns = table.grid.Columns;
    columns.SetPositionItem(0, table.ColMask); // slot 2 still holds ColMask, ColBit has no slot
    columns.UpdatePositions(true);
    EXPECT_EQ(displayOrder(table.grid), QList<int>({2, 1, 0, 3}));
    EXPECT_EQ(table.ColBit->Position(), 2);
    EXPECT_EQ(table.ColMask->Position(), 0);
}

// The grid hears of a new text only when a caption reads differently.
TEST(GridColumns, CaptionsRepaintTheColumnAndHintsOnlyStore)
{
    struct InvalidatingGrid : TCustomCellGrid
    {
        QList<int> columns;
        QStringList texts;
        void InvalidateColumn(int ACol) override { columns << ACol; }
        void PartTextChanged(const TColumnPart &Part) override { texts << Part.Caption(); }
    } grid;
    auto *column = grid.Columns.Add<TTextColumn>();
    grid.Columns.Add<TTextColumn>()->Header().SetHint(u"ignored"_s);
    column->Header().SetCaption(u"Key Nmae"_s);
    column->Footer().SetCaption(u"00000000"_s);
    column->Footer().SetCaption(u"00000000"_s);
    column->Header().SetHint(u"Hint"_s);
    EXPECT_EQ(grid.columns, QList<int>({0, 0, 0}));
    EXPECT_EQ(grid.texts, QStringList({u"Key Nmae"_s, u"00000000"_s}));
    EXPECT_EQ(column->Header().Caption(), u"Key Nmae"_s);
    EXPECT_EQ(column->Header().Hint(), u"Hint"_s);
}

TEST(GridColumns, FooterAndTextColumnShowTheirSurroundingTexts)
{
    BitTableGrid table;
    table.ColMask->Footer().SetTextBefore(u"<"_s);
    table.ColMask->Footer().SetCaption(u"40961"_s);
    table.ColMask->Footer().SetTextAfter(u">"_s);
    EXPECT_EQ(table.ColMask->Footer().DisplayText(), u"<40961>"_s);
    table.ColLabel->SetTextBefore(u"["_s);
    table.ColLabel->SetTextAfter(u"]"_s);
    EXPECT_EQ(table.ColLabel->DisplayText(u"Read"_s), u"[Read]"_s);
    table.ColLabel->SetPasswordChar(u'*');
    EXPECT_EQ(table.ColLabel->DisplayText(u"Read"_s), u"[****]"_s);
}

} // namespace
