#include "BitFrameFixture.h"

#include "grid/CellGrid.h"
#include "grid/GridPrintLayout.h"
#include "grid/InplaceEdit.h"
#include "platform/PrintJob.h"
#include "support/PdfReader.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

TEST_F(BitFrameTest, PrintsTheBitTableWithTicksAndNamesInScreenOrder)
{
    openAsFromIniLine();
    setName(31, u"bfRead"_s, u"may read"_s);
    setName(30, u"bfWrite"_s, u"may write & delete"_s);
    setName(0, u"bfAdmin"_s, u"everything"_s);
    desktop.printAnswers = {true};
    desktop.printFileName = path(u"bits.pdf"_s);

    choose(u"Print1"_s);

    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_EQ(frame.GridPrint.HeaderSize(), 129);
    EXPECT_EQ(frame.GridPrint.RowSize(), 86);
    EXPECT_EQ(pdfPageCount(path(u"bits.pdf"_s)), 1);
    const QString text = pdfText(path(u"bits.pdf"_s));
    EXPECT_TRUE(QRegularExpression(u"Bit\\s+Hex Value\\s+Name \\(Mask\\)\\s+Used for"_s).match(text).hasMatch());
    // Every row's mask in the order shown, bit 31 first; no footer sums.
    QStringList masks;
    for (const auto &match : QRegularExpression(u"^\\s*(\\$?[0-9A-F]{8})\\b"_s, QRegularExpression::MultilineOption)
                                 .globalMatch(text))
        masks << match.captured(1);
    QStringList shown;
    for (int row = 0; row < 32; ++row)
        shown << mask(row);
    EXPECT_EQ(masks, shown);
    EXPECT_LT(text.indexOf(u"bfAdmin"_s), text.indexOf(u"bfWrite"_s));
    EXPECT_LT(text.indexOf(u"bfWrite"_s), text.indexOf(u"bfRead"_s));
    EXPECT_TRUE(text.contains(u"may write & delete"_s));
    EXPECT_FALSE(text.contains(u"Read and write"_s)); // the footer's note
}

// A field row prints its value's number and name where a plain row prints its tick.
TEST_F(BitFrameTest, PrintsAFieldsValueInPlaceOfItsTick)
{
    openAsFromIniLine();
    makeField(27, {4, 2}, u"Level"_s, {{u"2"_s, u"Warnings"_s, {}}});
    frame.SetFlagHexA(u"$0000A021"_s);
    desktop.printAnswers = {true};
    desktop.printFileName = path(u"bits.pdf"_s);

    choose(u"Print1"_s);

    EXPECT_TRUE(QRegularExpression(u"2 Warnings\\s+00000030\\s+Level"_s).match(pdfText(path(u"bits.pdf"_s))).hasMatch());
}

// Pixels of the image darker than mid-grey.
int darkPixels(const QImage &image, const QRect &part)
{
    int count = 0;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return count;
}

// On paper a ticked bit must be told from a cleared one at a glance.
TEST_F(BitFrameTest, PrintedTicksHoldPlentyOfInkAndEmptyBoxesHardlyAny)
{
    openAsFromIniLine(); // rows 16, 18 and 31 ticked
    desktop.printAnswers = {true};
    desktop.printFileName = path(u"bits.pdf"_s);
    choose(u"Print1"_s);

    // The printed cells of the bit column, rendered at the printer's 600 dpi.
    TGridPrintSettings settings;
    settings.HeaderSize = frame.GridPrint.HeaderSize();
    settings.RowSize = frame.GridPrint.RowSize();
    settings.PageWidth = frame.GridPrint.PageWidth();
    settings.PageHeight = frame.GridPrint.PageHeight();
    const TGridPrintPage page =
        GridPrintLayout::compute(*frame.GridBits, settings, QFontMetrics(QFont())).Pages.front();
    QList<TPrintedCell> bitCells;
    QRect bitColumn;
    for (const TPrintedCell &cell : page.Cells) {
        if (cell.ACol == 0) {
            bitCells << cell;
            bitColumn |= cell.Rect;
        }
    }
    const QPrinter &printer = applicationPrinter();
    ASSERT_EQ(printer.resolution(), 600);
    const QPoint origin = printer.pageLayout().paintRectPixels(600).topLeft();
    const QImage image = pdfPageImage(path(u"bits.pdf"_s), 600, bitColumn.translated(origin));
    ASSERT_EQ(image.size(), bitColumn.size());
    int leastTickInk = std::numeric_limits<int>::max();
    int mostEmptyInk = 0;
    for (const TPrintedCell &cell : bitCells) {
        const int ink = darkPixels(image, cell.Rect.translated(-bitColumn.topLeft()));
        if (ticked(cell.ARow))
            leastTickInk = std::min(leastTickInk, ink);
        else
            mostEmptyInk = std::max(mostEmptyInk, ink);
    }
    const int squareMillimetre = 558; // pixels at 600 dpi
    EXPECT_GE(leastTickInk, squareMillimetre);
    EXPECT_LE(mostEmptyInk, leastTickInk / 10);
}

TEST_F(BitFrameTest, PrintStoresTheNameStillBeingTyped)
{
    frame.show();
    frame.GridBits->setFocus();
    frame.GridBits->SetSelectedCell(2, 0);
    QTest::keyClick(frame.GridBits, 'W');
    ASSERT_NE(frame.GridBits->inplaceEditor(), nullptr);
    QTest::keyClicks(frame.GridBits->inplaceEditor(), u"ritable"_s);
    desktop.printAnswers = {true};
    desktop.printFileName = path(u"bits.pdf"_s);
    choose(u"Print1"_s);
    EXPECT_TRUE(pdfText(path(u"bits.pdf"_s)).contains(u"Writable"_s));
}

TEST_F(BitFrameTest, CancelledPrintDialogPrintsNothing)
{
    // The printer keeps the file of the last print, so printing on
    // regardless of the answer would write that file again.
    desktop.printAnswers = {true, false};
    desktop.printFileName = path(u"bits.pdf"_s);
    choose(u"Print1"_s);
    ASSERT_TRUE(QFile::remove(path(u"bits.pdf"_s)));

    choose(u"Print1"_s);

    EXPECT_EQ(desktop.calls().back().kind, ScriptedDesktop::CallKind::PrintDialog);
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_FALSE(QFileInfo::exists(path(u"bits.pdf"_s)));
}

} // namespace
