#include "GridTestSupport.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct CellWrite : NamedCase
{
    int col;
    std::function<void(TCell &)> write;
};

class CellWriteNotifies : public ::testing::TestWithParam<CellWrite>
{
};

TEST_P(CellWriteNotifies, RepaintsThenRaisesOnChangeOnceBeforeTheWriteReturns)
{
    BitTableGrid table(3);
    GetParam().write(table.grid.Cell(GetParam().col, 1));
    table.grid.log.add(QStringLiteral("returned"));
    const QString cell = QStringLiteral(" %1 1").arg(GetParam().col);
    EXPECT_EQ(table.grid.log.lines(),
              QStringList({u"InvalidateCell"_s + cell, u"OnChange"_s + cell, u"returned"_s}));
}

const CellWrite cellWrites[] = {
    {{"BooleanTick"}, 0, [](TCell &c) { c.SetAsBoolean(true); }},
    {{"BooleanUnchangedValue"}, 0, [](TCell &c) { c.SetAsBoolean(false); }},
    {{"BooleanFromText"}, 0, [](TCell &c) { c.SetAsString(QStringLiteral("TRUE")); }},
    {{"BooleanFromInteger"}, 0, [](TCell &c) { c.SetAsInteger(7); }},
    {{"BooleanFromFloat"}, 0, [](TCell &c) { c.SetAsFloat(0.0); }},
    {{"BooleanFromDate"}, 0, [](TCell &c) { c.SetAsDateTime(3.5); }},
    {{"BooleanColour"}, 0, [](TCell &c) { c.SetColor(Qt::red); }},
    {{"StringText"}, 2, [](TCell &c) { c.SetAsString(QStringLiteral("Name")); }},
    {{"StringUnchangedEmptyText"}, 2, [](TCell &c) { c.SetAsString(QString()); }},
    {{"StringFromBoolean"}, 2, [](TCell &c) { c.SetAsBoolean(true); }},
    {{"StringFromInteger"}, 2, [](TCell &c) { c.SetAsInteger(-5); }},
    {{"StringFromFloat"}, 2, [](TCell &c) { c.SetAsFloat(2.5); }},
    {{"StringFromDate"}, 2, [](TCell &c) { c.SetAsDateTime(1.0); }},
    {{"StringColour"}, 2, [](TCell &c) { c.SetColor(Qt::blue); }},
    {{"StringTextColour"}, 3, [](TCell &c) { c.SetTextColor(Qt::green); }},
    {{"StringFontStyle"}, 3, [](TCell &c) { c.SetFontStyle({fsBold}); }},
};

INSTANTIATE_TEST_SUITE_P(EveryWriter, CellWriteNotifies, ::testing::ValuesIn(cellWrites), CaseName());

TEST(CellNotification, AHandlerSeesTheNewValueAlready)
{
    BitTableGrid table(2);
    bool seen = false;
    table.grid.OnChange = [&](TCustomCellGrid *sender, int col, int row) {
        seen = sender->Cell(col, row).AsBoolean();
    };
    table.grid.Cell(0, 1).SetAsBoolean(true);
    EXPECT_TRUE(seen);
}

TEST(CellNotification, AKeptCellReportsItsOwnRowAfterOthersWereFetched)
{
    BitTableGrid table(5);
    TCell &kept = table.grid.Cell(2, 3);
    table.grid.Cell(1, 0);
    kept.SetAsString(QStringLiteral("x"));
    EXPECT_EQ(table.eventsOnly(), QStringList({u"OnChange 2 3"_s}));
}

TEST(CellNotification, CellsWriteReportsOnceAndOutsideTheGridIsSilent)
{
    BitTableGrid table(2);
    table.grid.SetCells(3, 1, QStringLiteral("label"));
    table.grid.SetCells(4, 0, QStringLiteral("no column"));
    table.grid.SetCells(0, 2, QStringLiteral("True"));
    table.grid.SetCells(-1, 0, QStringLiteral("x"));
    EXPECT_EQ(table.eventsOnly(), QStringList({u"OnChange 3 1"_s}));
    EXPECT_EQ(table.grid.Cells(3, 1), QStringLiteral("label"));
    EXPECT_EQ(table.grid.Cells(4, 0), QString());
    EXPECT_EQ(table.grid.Cells(0, 2), QString());
}

TEST(CellNotification, WritingColumnFiveOfAFourColumnGridChangesNothing)
{
    BitTableGrid table(1);
    table.grid.SetCells(5, 0, QStringLiteral("x"));
    EXPECT_EQ(rowText(table.grid, 0), QStringLiteral("False|||"));
    EXPECT_TRUE(table.grid.log.lines().isEmpty());
}

TEST(CellNotification, NewRowsAndNewColumnsAreBuiltSilently)
{
    BitTableGrid table(0);
    table.grid.AddRow(3);
    table.grid.InsertRow(1);
    table.grid.Columns.Add<TCheckBoxColumn>();
    EXPECT_TRUE(std::none_of(table.grid.log.lines().begin(), table.grid.log.lines().end(),
                             [](const QString &line) { return line.startsWith(u"OnChange") || line.startsWith(u"InvalidateCell"); }));
}

TEST(CellNotification, AnUpdateBlockSuppressesRepaintAndOnChange)
{
    BitTableGrid table(2);
    table.grid.BeginUpdate();
    table.grid.Cell(0, 0).SetAsBoolean(true);
    table.grid.EndUpdate();
    EXPECT_TRUE(table.grid.log.lines().isEmpty());
    table.grid.Cell(0, 0).SetAsBoolean(false);
    EXPECT_EQ(table.eventsOnly(), QStringList({u"OnChange 0 0"_s}));
}

TEST(CellNotification, CellOnAGridWithoutRowsRaisesACatchableListIndexError)
{
    BitTableGrid table(0);
    EXPECT_THROW(table.grid.Cell(0, 0), ListIndexError);
    try {
        table.grid.Cell(0, 0);
    } catch (const TarvexError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Listenindex überschreitet das Maximum (0)"));
    }
}

TEST(CellNotification, CellOutsideTheRowsOrColumnsRaisesListIndexError)
{
    BitTableGrid table(2);
    EXPECT_THROW(table.grid.Cell(0, 2), ListIndexError);
    EXPECT_THROW(table.grid.Cell(0, -1), ListIndexError);
    EXPECT_THROW(table.grid.Cell(4, 0), ListIndexError);
}

TEST(CellNotification, NewCellsTakeTheColumnColourFontColourAndStyle)
{
    BitTableGrid table(0);
    table.ColMask->SetColor(Qt::yellow);
    table.ColMask->SetFontColor(Qt::darkRed);
    QFont font = table.ColMask->Font();
    font.setItalic(true);
    table.ColMask->SetFont(font);
    table.grid.AddRow(1);
    const TCell &cell = table.grid.Cell(2, 0);
    EXPECT_EQ(cell.Color(), QColor(Qt::yellow));
    EXPECT_EQ(cell.TextColor(), QColor(Qt::darkRed));
    EXPECT_EQ(cell.FontStyle(), TFontStyles({fsItalic}));
    EXPECT_EQ(table.grid.Cell(3, 0).FontStyle(), TFontStyles());
}

} // namespace
