#include "util/GridAdjust.h"

#include "grid/CheckBoxColumn.h"
#include "grid/CustomCellGrid.h"
#include "grid/TextColumn.h"
#include "support/TestFiles.h"
#include "platform/Errors.h"
#include "util/ProfileFile.h"

#include <QDir>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The bit table of the flag editor in its initial state, without a window.
class BitTable : public TCustomCellGrid
{
public:
    BitTable()
    {
        auto *bit = Columns.Add<TCheckBoxColumn>();
        bit->SetMinWidth(4);
        bit->SetWidth(24);
        bit->Header().SetCaption(u"Bit"_s);
        addTextColumn(u"Hex Value"_s, 63);
        addTextColumn(u"Name (Mask)"_s, 80);
        addTextColumn(u"Used for"_s, 366);
    }

    TCustomGridColumn &column(int index) const { return *Columns[index]; }

    std::vector<int> displayOrder() const
    {
        std::vector<int> order;
        for (int slot = 0; slot < Columns.Count(); ++slot)
            order.push_back(Columns.PositionItem(slot)->Index());
        return order;
    }

    std::vector<int> widths() const
    {
        std::vector<int> result;
        for (int n = 0; n < Columns.Count(); ++n)
            result.push_back(column(n).Width());
        return result;
    }

private:
    void addTextColumn(const QString &caption, int width)
    {
        auto *column = Columns.Add<TTextColumn>();
        column->SetWidth(width);
        column->Header().SetCaption(caption);
    }
};

const QByteArray initialLayoutDefault = "[CommonDefault]\r\n"
                                        "ColumnsCount=4\r\n"
                                        "[Columns Sort KindDefault]\r\n"
                                        "Column0=Ascending\r\n"
                                        "Column1=Ascending\r\n"
                                        "Column2=Ascending\r\n"
                                        "Column3=Ascending\r\n"
                                        "[Visible ColumnsDefault]\r\n"
                                        "Column0=1\r\n"
                                        "Column1=1\r\n"
                                        "Column2=1\r\n"
                                        "Column3=1\r\n"
                                        "[SortedDefault]\r\n"
                                        "Column0=0\r\n"
                                        "Column1=0\r\n"
                                        "Column2=0\r\n"
                                        "Column3=0\r\n"
                                        "[PositionsDefault]\r\n"
                                        "Column0=0\r\n"
                                        "Column1=1\r\n"
                                        "Column2=2\r\n"
                                        "Column3=3\r\n"
                                        "[Columns SizesDefault]\r\n"
                                        "Column0=24\r\n"
                                        "Column1=63\r\n"
                                        "Column2=80\r\n"
                                        "Column3=366\r\n"
                                        "[Columns HeaderDefault]\r\n"
                                        "Column0=Bit\r\n"
                                        "Column1=Hex Value\r\n"
                                        "Column2=Name (Mask)\r\n"
                                        "Column3=Used for\r\n"
                                        "[Columns HeaderHintDefault]\r\n"
                                        "Column0=\r\n"
                                        "Column1=\r\n"
                                        "Column2=\r\n"
                                        "Column3=\r\n";

const QString settingsFile = u"MyappAccessFlags.bfi"_s;

TEST(SaveGridLayout, TheInitialBitTableGivesTheDefaultSectionsInANewFile)
{
    TestFolder folder;
    const BitTable grid;
    EXPECT_EQ(SaveGridLayout(grid, folder.path(settingsFile)), 1);
    EXPECT_EQ(folder.read(settingsFile), initialLayoutDefault);
}

TEST(SaveGridLayout, ReplacesValuesInPlaceAndKeepsEveryOtherLine)
{
    TestFolder folder;
    folder.write(settingsFile, "; flag word settings\r\n"
                               "[IndexOf]\r\n"
                               "Section=2\r\n"
                               "Label=-1\r\n"
                               "Prefix=7\r\n"
                               "\r\n"
                               "[columns sizesdefault]\r\n"
                               "Column3 = 500\r\n"
                               "Column9=1\r\n");
    BitTable grid;
    grid.column(2).SetWidth(120);
    grid.column(1).SetVisible(false);
    EXPECT_EQ(SaveGridLayout(grid, folder.path(settingsFile)), 1);

    QByteArray expected = "; flag word settings\r\n"
                          "[IndexOf]\r\n"
                          "Section=2\r\n"
                          "Label=-1\r\n"
                          "Prefix=7\r\n"
                          "\r\n"
                          "[columns sizesdefault]\r\n"
                          "Column3 =366\r\n"
                          "Column9=1\r\n"
                          "Column0=24\r\n"
                          "Column1=63\r\n"
                          "Column2=120\r\n";
    QByteArray otherSections = initialLayoutDefault;
    otherSections.replace("[Columns SizesDefault]\r\nColumn0=24\r\nColumn1=63\r\nColumn2=80\r\nColumn3=366\r\n", "");
    otherSections.replace("[Visible ColumnsDefault]\r\nColumn0=1\r\nColumn1=1",
                          "[Visible ColumnsDefault]\r\nColumn0=1\r\nColumn1=0");
    EXPECT_EQ(folder.read(settingsFile), expected + otherSections);
}

TEST(SaveGridLayout, AnEmptyNameReturns0AndTouchesNothing)
{
    TestFolder folder;
    const CurrentDirectoryGuard guard;
    QDir::setCurrent(folder.path(QString()));
    EXPECT_EQ(SaveGridLayout(BitTable(), QString()), 0);
    EXPECT_TRUE(QDir(folder.path(QString())).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST(SaveGridLayout, AFileThatCannotBeWrittenReturnsMinus1)
{
    TestFolder folder;
    EXPECT_EQ(SaveGridLayout(BitTable(), folder.path(u"missing/"_s + settingsFile)), -1);
    EXPECT_FALSE(QFileInfo::exists(folder.path(u"missing"_s)));

    QDir().mkpath(folder.path(settingsFile));
    EXPECT_EQ(SaveGridLayout(BitTable(), folder.path(settingsFile)), -1);
    EXPECT_TRUE(QFileInfo(folder.path(settingsFile)).isDir());
}

TEST(WriteGridLayout, DoesNothingWithoutAFile)
{
    EXPECT_NO_THROW(WriteGridLayout(BitTable(), nullptr, u"Default"_s));
}

// Loads a hand-written settings file into a fresh bit table.
class LoadedLayout : public ::testing::Test
{
protected:
    void load(const QByteArray &content)
    {
        folder.write(settingsFile, content);
        LoadGridLayout(grid, folder.path(settingsFile));
    }

    TestFolder folder;
    BitTable grid;
};

TEST_F(LoadedLayout, OnlyTheExactWordAscendingSortsAscending)
{
    grid.column(2).SetSortKind(skDescending);
    load("[Columns Sort Kind]\r\nColumn1=ascending\r\nColumn2=Ascending\r\nColumn3=\"Ascending\"\r\n");
    EXPECT_EQ(grid.column(0).SortKind(), skAscending);
    EXPECT_EQ(grid.column(1).SortKind(), skDescending);
    EXPECT_EQ(grid.column(2).SortKind(), skAscending);
    EXPECT_EQ(grid.column(3).SortKind(), skAscending);
}

TEST_F(LoadedLayout, AppliesVisibilitySortedMarkCaptionAndHint)
{
    load("[Visible Columns]\nColumn1=0\nColumn2=yes\n"
         "[Sorted]\nColumn3=1\n"
         "[Columns Header]\nColumn2=  \"Name\" \n"
         "[Columns HeaderHint]\nColumn2=The bit's name\n");
    EXPECT_TRUE(grid.column(0).Visible());
    EXPECT_FALSE(grid.column(1).Visible());
    EXPECT_TRUE(grid.column(2).Visible());
    EXPECT_TRUE(grid.column(3).Sorted());
    EXPECT_FALSE(grid.column(2).Sorted());
    EXPECT_EQ(grid.column(2).Header().Caption(), u"Name"_s);
    EXPECT_EQ(grid.column(2).Header().Hint(), u"The bit's name"_s);
    EXPECT_EQ(grid.column(3).Header().Caption(), u"Used for"_s);
}

TEST_F(LoadedLayout, WidthsAreIntegersElseTheCurrentWidthStays)
{
    load("[Columns Sizes]\r\nColumn1=$20\r\nColumn2=wide\r\nColumn3=0x64\r\nColumn7=5\r\n");
    EXPECT_EQ(grid.widths(), (std::vector<int>{24, 32, 80, 100}));
}

// The file is read once per load: a change to it while the columns take
// their widths reaches none of them.
TEST_F(LoadedLayout, ReadsTheFileAsItWasWhenTheLoadBegan)
{
    grid.OnColumnResize = [this](TCustomCellGrid *, int) { QFile::remove(folder.path(settingsFile)); };
    load("[Columns Sizes]\r\nColumn0=30\r\nColumn1=31\r\nColumn2=32\r\nColumn3=33\r\n");
    EXPECT_EQ(grid.widths(), (std::vector<int>{30, 31, 32, 33}));
}

struct PositionCase
{
    const char *what;
    QByteArray positions;
    std::vector<int> displayOrder;
    std::vector<int> widths; // [Columns Sizes] gives every column 30 + its index
};

void PrintTo(const PositionCase &row, std::ostream *out)
{
    *out << row.what;
}

class LoadedPositions : public LoadedLayout, public ::testing::WithParamInterface<PositionCase>
{
};

TEST_P(LoadedPositions, GiveTheDisplayOrder)
{
    load("[Positions]\r\n" + GetParam().positions
         + "[Columns Sizes]\r\nColumn0=30\r\nColumn1=31\r\nColumn2=32\r\nColumn3=33\r\n");
    EXPECT_EQ(grid.displayOrder(), GetParam().displayOrder);
    EXPECT_EQ(grid.widths(), GetParam().widths);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(grid.Columns.PositionItem(slot)->Position(), slot);
}

const PositionCase positionRows[] = {
    {"the columns shown in the order 3, 1, 2, 0", "Column0=3\r\nColumn1=1\r\nColumn2=2\r\nColumn3=0\r\n",
     {3, 1, 2, 0}, {30, 31, 32, 33}},
    {"every column one slot to the right", "Column0=1\r\nColumn1=2\r\nColumn2=3\r\nColumn3=0\r\n",
     {3, 0, 1, 2}, {30, 31, 32, 33}},
    {"missing keys keep the slot of the index", "Column1=2\r\nColumn2=1\r\n", {0, 2, 1, 3}, {30, 31, 32, 33}},
    {"a slot outside the grid stops the reading at that column",
     "Column0=3\r\nColumn1=1\r\nColumn2=7\r\nColumn3=0\r\n", {3, 1, 2, 0}, {30, 31, 80, 366}},
    {"a negative slot stops the reading at once", "Column0=-1\r\n", {0, 1, 2, 3}, {24, 63, 80, 366}},
    {"two columns in one slot: the positions are ignored",
     "Column0=1\r\nColumn1=1\r\nColumn2=3\r\nColumn3=2\r\n", {0, 1, 2, 3}, {30, 31, 32, 33}},
};

INSTANTIATE_TEST_SUITE_P(GridAdjust, LoadedPositions, ::testing::ValuesIn(positionRows));

TEST_F(LoadedLayout, AFileThisSystemWroteResetsTheMarksAndKeepsTheLooks)
{
    grid.column(1).SetVisible(false);
    grid.column(2).SetSortKind(skDescending);
    grid.column(3).SetSorted(true);
    grid.Columns.Move(0, 3);
    ASSERT_EQ(SaveGridLayout(grid, folder.path(settingsFile)), 1);
    grid.column(2).SetWidth(99);
    grid.column(2).Header().SetCaption(u"Changed"_s);

    LoadGridLayout(grid, folder.path(settingsFile));
    EXPECT_TRUE(grid.column(1).Visible());
    EXPECT_EQ(grid.column(2).SortKind(), skAscending);
    EXPECT_FALSE(grid.column(3).Sorted());
    EXPECT_EQ(grid.displayOrder(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(grid.column(2).Width(), 99);
    EXPECT_EQ(grid.column(2).Header().Caption(), u"Changed"_s);
}

TEST_F(LoadedLayout, AMissingFileAppliesNothingAndTurnsHintsOn)
{
    grid.SetShowHint(false);
    grid.column(1).SetVisible(false);
    LoadGridLayout(grid, folder.path(settingsFile));
    EXPECT_FALSE(grid.column(1).Visible());
    EXPECT_TRUE(grid.ShowHint());
}

TEST_F(LoadedLayout, ErrorsAreSwallowedAndHintsTurnedOn)
{
    grid.SetShowHint(false);
    load("[Positions]\r\nColumn0=9\r\n");
    EXPECT_TRUE(grid.ShowHint());
}

TEST_F(LoadedLayout, ReadGridLayoutLetsTheListIndexErrorThrough)
{
    folder.write(settingsFile, "[PositionsX]\r\nColumn1=4\r\n");
    EXPECT_THROW(ReadGridLayout(grid, TProfileFile(folder.path(settingsFile)), u"X"_s), ListIndexError);
}

TEST_F(LoadedLayout, ARelativeNameIsLoadedFromTheCurrentDirectory)
{
    const CurrentDirectoryGuard guard;
    folder.write(settingsFile, "[Columns Sizes]\r\nColumn0=40\r\n");
    QDir::setCurrent(folder.path(QString()));
    LoadGridLayout(grid, settingsFile);
    EXPECT_EQ(grid.column(0).Width(), 40);
}

} // namespace
