#include "GridTestSupport.h"

#include "grid/GridPrint.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace {

TEST(GridPrint, StartsWithTheDefaults)
{
    const TGridPrint print;
    EXPECT_EQ(print.Associate(), nullptr);
    EXPECT_EQ(print.HeaderSize(), 100);
    EXPECT_EQ(print.RowSize(), 86);
    EXPECT_EQ(print.Options(), TPrintOptions{poHorzGridLines});
    EXPECT_EQ(print.PageHeight(), 0);
    EXPECT_EQ(print.PageWidth(), 0);
    EXPECT_EQ(print.InnerMargins().Left, 10);
    EXPECT_EQ(print.InnerMargins().Top, 10);
    EXPECT_EQ(print.InnerMargins().Right, 20);
    EXPECT_EQ(print.InnerMargins().Bottom, 20);
    EXPECT_EQ(print.FromRow(), 0);
    EXPECT_EQ(print.ToRow(), 0);
    EXPECT_EQ(print.PrintMedia(), pmPaper);
}

TEST(GridPrint, ForgetsAGridThatIsDestroyedAndThenPrintsNothing)
{
    TestFolder folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.path(u"table.pdf"_s));
    TGridPrint print;
    auto table = std::make_unique<BitTableGrid>(3);
    print.SetAssociate(&table->grid);
    table.reset();

    EXPECT_EQ(print.Associate(), nullptr);
    EXPECT_TRUE(print.Print(printer));
    EXPECT_FALSE(QFileInfo::exists(folder.path(u"table.pdf"_s)));
}

} // namespace
