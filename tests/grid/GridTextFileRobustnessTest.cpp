#include "GridTestSupport.h"

#include "grid/GridTextFile.h"

#include <gtest/gtest.h>
#include <random>

using namespace Qt::StringLiterals;

namespace {

QByteArray randomBytes(unsigned seed, int size)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(byte(generator));
    return bytes;
}

// Random bytes biased towards the characters the reader treats specially.
QByteArray randomTableBytes(unsigned seed, int size)
{
    static const char alphabet[] = {';', '|', '"', '\r', '\n', 'a', 'b', '\0', char(0xFF), char(0xFE)};
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> pick(0, int(std::size(alphabet)) - 1);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = alphabet[pick(generator)];
    return bytes;
}

QStringList tableOf(const TCustomCellGrid &grid)
{
    QStringList rows;
    for (int row = 0; row < grid.RowCount(); ++row)
        rows << rowText(grid, row);
    return rows;
}

struct Input : NamedCase
{
    QByteArray bytes;
};

class AnyInput : public ::testing::TestWithParam<Input>
{
};

// Whatever a file holds, the table read from it is written and read back
// unchanged, and writing it again gives the same bytes.
TEST_P(AnyInput, LoadsIntoATableThatRoundTrips)
{
    TextGrid first(4);
    GridTextFile::decode(first.grid, GetParam().bytes, u';', u'|');
    const QByteArray written = GridTextFile::encode(first.grid, u';', u'|');
    TextGrid second(4);
    GridTextFile::decode(second.grid, written, u';', u'|');
    EXPECT_EQ(tableOf(second.grid), tableOf(first.grid));
    EXPECT_EQ(GridTextFile::encode(second.grid, u';', u'|'), written);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, AnyInput,
    ::testing::Values(Input{{"RandomEightBit"}, randomBytes(20110207, 65536)},
                      Input{{"RandomAfterLittleEndianMark"}, QByteArray("\xFF\xFE") + randomBytes(7, 40001)},
                      Input{{"RandomAfterBigEndianMark"}, QByteArray("\xFE\xFF") + randomBytes(8, 40000)},
                      Input{{"RandomSpecialCharacters"}, randomTableBytes(42, 20000)},
                      Input{{"SpecialCharactersAfterMark"}, QByteArray("\xFF\xFE") + randomTableBytes(43, 20001)},
                      Input{{"OnlyQuotes"}, QByteArray(999, '"')}, Input{{"OnlySeparators"}, QByteArray(1000, ';')},
                      Input{{"OnlyLineFeeds"}, QByteArray(50, '\n')}),
    CaseName());

TEST(GridTextFileRobustness, RandomBytesGiveOneRowPerLine)
{
    const QByteArray bytes = randomBytes(99, 30000);
    TextGrid table(4);
    GridTextFile::decode(table.grid, bytes, u';', u'|');
    const int lineFeeds = int(bytes.count('\n'));
    EXPECT_GE(table.grid.RowCount(), lineFeeds);
    EXPECT_LE(table.grid.RowCount(), lineFeeds + 1);
}

TEST(GridTextFileRobustness, AGridWithoutColumnsStillCountsTheLines)
{
    TCustomCellGrid grid;
    GridTextFile::decode(grid, "a;b\r\nc\r\n", u';', u'|');
    EXPECT_EQ(grid.RowCount(), 2);
}

} // namespace
