#include "BitFrameFixture.h"

#include "grid/CellGrid.h"
#include "support/PdfReader.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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
