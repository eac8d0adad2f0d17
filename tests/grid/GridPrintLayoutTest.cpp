#include "GridTestSupport.h"

#include "grid/GridPrintLayout.h"

#include <QFontMetrics>
#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// The bit table's columns as the flag editor shows them.
struct PrintedBitTable : BitTableGrid
{
    explicit PrintedBitTable(int rows = 0)
        : BitTableGrid(rows)
    {
        const QStringList captions{u"Bit"_s, u"Hex Value"_s, u"Name (Mask)"_s, u"Used for"_s};
        const int widths[] = {24, 63, 80, 366};
        for (int col = 0; col < 4; ++col) {
            grid.Columns[col]->Header().SetCaption(captions[col]);
            grid.Columns[col]->SetWidth(widths[col]);
        }
    }

    TGridPrintLayout layOut() const { return GridPrintLayout::compute(grid, settings, QFontMetrics(QFont())); }

    TGridPrintSettings settings = [] {
        TGridPrintSettings page;
        page.PageWidth = 1030; // printable width 1000
        page.PageHeight = 1000;
        return page;
    }();
};

// A page as "H10 R0@110 _196": the header band, each row and each rule
// by its top edge, top to bottom.
QString pageOutline(const TGridPrintPage &page)
{
    std::multimap<int, QString> parts;
    if (!page.Header.empty())
        parts.emplace(page.Header.front().Rect.top(), QStringLiteral("H%1").arg(page.Header.front().Rect.top()));
    for (const TPrintedCell &cell : page.Cells)
        if (cell.ACol == 0)
            parts.emplace(cell.Rect.top(), QStringLiteral("R%1@%2").arg(cell.ARow).arg(cell.Rect.top()));
    for (const QRect &rule : page.Rules)
        parts.emplace(rule.top(), QStringLiteral("_%1").arg(rule.top()));
    QStringList outline;
    for (const auto &part : parts)
        outline << part.second;
    return outline.join(u' ');
}

QStringList outlines(const TGridPrintLayout &layout)
{
    QStringList pages;
    for (const TGridPrintPage &page : layout.Pages)
        pages << pageOutline(page);
    return pages;
}

// Header cells as "ACol:left+width".
QStringList headerCells(const TGridPrintPage &page)
{
    QStringList cells;
    for (const TPrintedHeaderCell &cell : page.Header)
        cells << QStringLiteral("%1:%2+%3").arg(cell.ACol).arg(cell.Rect.left()).arg(cell.Rect.width());
    return cells;
}

struct PageBreakCase
{
    const char *name;
    int rows;
    int pageHeight; // margins 10 and 20, header 100
    int rowSize;
    bool gridLines;
    int fromRow;
    int toRow;
    int selectedRow; // not -1: with poSelectedRows only this is printed
    QStringList pages;
    bool allRowsFit = true;
};

std::ostream &operator<<(std::ostream &out, const PageBreakCase &row)
{
    return out << row.name;
}

class GridPrintPageBreaks : public ::testing::TestWithParam<PageBreakCase>
{
};

TEST_P(GridPrintPageBreaks, PlacesHeaderRowsAndRules)
{
    const PageBreakCase &row = GetParam();
    PrintedBitTable table(row.rows);
    table.settings.PageHeight = row.pageHeight;
    table.settings.RowSize = row.rowSize;
    table.settings.FromRow = row.fromRow;
    table.settings.ToRow = row.toRow;
    if (!row.gridLines)
        table.settings.Options = {};
    if (row.selectedRow != -1) {
        table.settings.Options.Include(poSelectedRows);
        table.grid.SetSelectedCell(1, row.selectedRow);
    }

    const TGridPrintLayout layout = table.layOut();

    EXPECT_EQ(outlines(layout), row.pages);
    EXPECT_EQ(layout.AllRowsFit, row.allRowsFit);
}

// Bottom limit = page height - 20. A row of 86 and its rule take 87.
INSTANTIATE_TEST_SUITE_P(
    Layout, GridPrintPageBreaks,
    ::testing::Values(
        PageBreakCase{"NoRowsPrintsTheHeaderOnly", 0, 1000, 86, true, 0, 0, -1, {u"H10"_s}},
        PageBreakCase{"RowEndingAtTheLimitPushesTheNextRowToAPageWithoutHeader", 3, 303, 86, true, 0, 0, -1,
                      {u"H10 R0@110 _196 R1@197"_s, u"R2@10 _96"_s}},
        PageBreakCase{"LastRowEndingAtTheLimitStartsNoEmptyPage", 2, 303, 86, true, 0, 0, -1,
                      {u"H10 R0@110 _196 R1@197"_s}},
        PageBreakCase{"RowPassingTheLimitGoesToANewPageWithHeader", 3, 302, 86, true, 0, 0, -1,
                      {u"H10 R0@110 _196"_s, u"H10 R1@110 _196"_s, u"H10 R2@110 _196"_s}},
        PageBreakCase{"WithoutGridLinesRowsFollowEachOther", 3, 302, 86, false, 0, 0, -1,
                      {u"H10 R0@110 R1@196"_s, u"H10 R2@110"_s}},
        PageBreakCase{"RowThatNeverFitsStopsThePrint", 3, 303, 500, true, 0, 0, -1, {u"H10"_s}, false},
        PageBreakCase{"FromRowToRow", 5, 1000, 86, true, 1, 2, -1, {u"H10 R1@110 _196 R2@197 _283"_s}},
        PageBreakCase{"ToRowBeyondTheGridEndsAtTheLastRow", 2, 1000, 86, true, 0, 9, -1,
                      {u"H10 R0@110 _196 R1@197 _283"_s}},
        PageBreakCase{"SelectedRowOnly", 4, 1000, 86, true, 0, 0, 2, {u"H10 R2@110 _196"_s}}),
    CaseName());

TEST(GridPrintLayout, ColumnsShareThePrintableWidthInDisplayOrder)
{
    PrintedBitTable table(1);
    // 24, 63, 80 and 366 of 533 screen pixels share 1000 printed ones.
    EXPECT_EQ(headerCells(table.layOut().Pages[0]),
              (QStringList{u"0:10+45"_s, u"1:55+118"_s, u"2:173+150"_s, u"3:323+687"_s}));

    table.ColHex->SetVisible(false);
    table.ColLabel->SetPosition(0);
    const TGridPrintPage page = table.layOut().Pages[0];
    EXPECT_EQ(headerCells(page), (QStringList{u"3:10+779"_s, u"0:789+51"_s, u"2:840+170"_s}));
    ASSERT_EQ(page.Cells.size(), 3u);
    EXPECT_EQ(page.Cells[0].ACol, 3);
    EXPECT_EQ(page.Cells[1].Rect, QRect(789, 110, 51, 86));
    EXPECT_EQ(page.Rules[0], QRect(10, 196, 1000, 1));
}

TEST(GridPrintLayout, PrintedWidthsRoundHalvesToEven)
{
    struct Case
    {
        int printableWidth;
        std::vector<int> widths;
        QStringList cells;
    };
    for (const Case &row : {Case{10, {10, 10, 20}, {u"0:10+2"_s, u"1:12+2"_s, u"2:14+5"_s}},
                            Case{14, {10, 10, 20}, {u"0:10+4"_s, u"1:14+4"_s, u"2:18+7"_s}},
                            Case{9, {10, 20, 30}, {u"0:10+2"_s, u"1:12+3"_s, u"2:15+4"_s}},
                            Case{15, {10, 50}, {u"0:10+2"_s, u"1:12+12"_s}}}) {
        TextGrid table(int(row.widths.size()));
        for (size_t col = 0; col < row.widths.size(); ++col)
            table.grid.Columns[int(col)]->SetWidth(row.widths[col]);
        TGridPrintSettings settings;
        settings.PageWidth = row.printableWidth + 30;
        settings.PageHeight = 1000;
        const TGridPrintLayout layout = GridPrintLayout::compute(table.grid, settings, QFontMetrics(QFont()));
        EXPECT_EQ(headerCells(layout.Pages[0]), row.cells) << row.printableWidth;
    }
}

TEST(GridPrintLayout, SortedColumnGetsItsArrowAndLongCaptionsAnEllipsis)
{
    PrintedBitTable table;
    table.ColMask->SetSorted(true);
    table.ColLabel->Header().SetCaption(QString(300, u'x'));
    const TGridPrintPage page = table.layOut().Pages[0];

    const TPrintedHeaderCell &mask = page.Header[2];
    EXPECT_EQ(mask.Place.Caption, QStringLiteral("Name (Mask)"));
    EXPECT_EQ(mask.Place.Arrow.left(), mask.Place.Text.left() + mask.Place.Text.width() + 21);
    EXPECT_EQ(mask.Place.Arrow.top(), 10 + 100 / 2 - 4);
    EXPECT_TRUE(page.Header[1].Place.Arrow.isEmpty());

    const TPrintedHeaderCell &label = page.Header[3];
    EXPECT_TRUE(label.Place.Caption.endsWith(QChar(0x2026)));
    EXPECT_LE(label.Place.Text.left() + label.Place.Text.width(), label.Rect.left() + label.Rect.width());

    // Right-aligned, the cut caption keeps the arrow's room and stays in its cell.
    table.ColMask->Header().SetAlignment(taRightJustify);
    table.ColMask->Header().SetCaption(QString(100, u'x'));
    const TPrintedHeaderCell rightAligned = table.layOut().Pages[0].Header[2];
    EXPECT_TRUE(rightAligned.Place.Caption.endsWith(QChar(0x2026)));
    EXPECT_GE(rightAligned.Place.Text.left(), rightAligned.Rect.left());
}

} // namespace
