#include "GridTestSupport.h"

#include "grid/GridTextFile.h"
#include "platform/Errors.h"
#include "support/TestFiles.h"

#include <QDir>
#include <cerrno>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QChar separator = u';';
const QChar lineBreak = u'|';

// A cell text, its field in the file, and the text it reads back as.
struct FieldCase
{
    QString cell;
    QString field;
    QString readBack;
};

const FieldCase fieldCases[] = {
    {u"ReadAccess"_s, u"ReadAccess"_s, u"ReadAccess"_s},
    {u"Write access; see \"Mode\""_s, u"\"Write access; see \"\"Mode\"\"\""_s, u"Write access; see \"Mode\""_s},
    {QString(), QString(), QString()},
    {u"pipe | inside"_s, u"pipe | inside"_s, u"pipe \r\n inside"_s},
    {u"two\r\nlines"_s, u"two|lines"_s, u"two\r\nlines"_s},
    {u"\"quoted\""_s, u"\"\"\"quoted\"\"\""_s, u"\"quoted\""_s},
    {u"a;b"_s, u"\"a;b\""_s, u"a;b"_s},
    {u"Ümlaut € ✓"_s, u"Ümlaut € ✓"_s, u"Ümlaut € ✓"_s},
    {u"lone\nLF"_s, u"loneLF"_s, u"loneLF"_s},
    {u"ends with quote\""_s, u"\"ends with quote\"\"\""_s, u"ends with quote\""_s},
    {u";"_s, u"\";\""_s, u";"_s},
};
constexpr int fieldCaseCount = int(std::size(fieldCases));

const FieldCase &nameCase(int row) { return fieldCases[row % fieldCaseCount]; }
const FieldCase &labelCase(int row) { return fieldCases[(row * 3 + 1) % fieldCaseCount]; }

QString maskText(int row)
{
    return u"%1"_s.arg(0x80000000u >> row, 8, 16, QChar(u'0')).toUpper();
}

// The bit table of 32 rows with every third row ticked.
void fillBitTable(TCustomCellGrid &grid)
{
    grid.SetRowCount(32);
    for (int row = 0; row < 32; ++row) {
        grid.Cell(0, row).SetAsBoolean(row % 3 == 0);
        grid.SetCells(1, row, maskText(row));
        grid.SetCells(2, row, nameCase(row).cell);
        grid.SetCells(3, row, labelCase(row).cell);
    }
}

QString expectedBitTableText()
{
    QString text;
    for (int row = 0; row < 32; ++row)
        text += (row % 3 == 0 ? u"True"_s : u"False"_s) + u';' + maskText(row) + u';' + nameCase(row).field + u';'
                + labelCase(row).field + u"\r\n"_s;
    return text;
}

QByteArray utf16BeFile(const QString &text)
{
    QByteArray bytes("\xFE\xFF");
    for (const QChar ch : text) {
        bytes += char(ch.unicode() >> 8);
        bytes += char(ch.unicode() & 0xFF);
    }
    return bytes;
}

class GridTextFileTest : public ::testing::Test
{
protected:
    // Loads the bytes as a file into a four-column text grid.
    QStringList load(const QByteArray &bytes, int columns = 4)
    {
        folder.write(u"table.bfx"_s, bytes);
        TextGrid table(columns);
        table.grid.LoadFromTextFile(folder.path(u"table.bfx"_s), separator, lineBreak);
        QStringList rows;
        for (int row = 0; row < table.grid.RowCount(); ++row)
            rows << rowText(table.grid, row);
        return rows;
    }

    TestFolder folder;
};

TEST_F(GridTextFileTest, TheBitTableIsWrittenByteForByteAndReadsBack)
{
    BitTableGrid saved(0);
    fillBitTable(saved.grid);
    const QString path = folder.path(u"MyappAccessFlags.bfx"_s);
    saved.grid.SaveToTextFile(path, separator, lineBreak);
    EXPECT_EQ(folder.read(u"MyappAccessFlags.bfx"_s), utf16LeFile(expectedBitTableText()));

    BitTableGrid loaded(5);
    loaded.grid.LoadFromTextFile(path, separator, lineBreak);
    ASSERT_EQ(loaded.grid.RowCount(), 32);
    for (int row = 0; row < 32; ++row) {
        EXPECT_EQ(loaded.grid.Cell(0, row).AsBoolean(), row % 3 == 0) << row;
        EXPECT_EQ(loaded.grid.Cells(1, row), maskText(row));
        EXPECT_EQ(loaded.grid.Cells(2, row), nameCase(row).readBack) << row;
        EXPECT_EQ(loaded.grid.Cells(3, row), labelCase(row).readBack) << row;
    }
}

TEST_F(GridTextFileTest, TheExampleLinesReadAndWriteAsShown)
{
    const QString lines = u"False;80000000;;\r\nTrue;40000000;WriteAccess;\"Write access; see \"\"Mode\"\"\"\r\n"_s;
    folder.write(u"example.bfx"_s, utf16LeFile(lines));
    BitTableGrid table(0);
    table.grid.LoadFromTextFile(folder.path(u"example.bfx"_s), separator, lineBreak);
    ASSERT_EQ(table.grid.RowCount(), 2);
    EXPECT_EQ(rowText(table.grid, 0), u"False|80000000||"_s);
    EXPECT_EQ(rowText(table.grid, 1), u"True|40000000|WriteAccess|Write access; see \"Mode\""_s);
    table.grid.SaveToTextFile(folder.path(u"again.bfx"_s), separator, lineBreak);
    EXPECT_EQ(folder.read(u"again.bfx"_s), utf16LeFile(lines));
}

TEST_F(GridTextFileTest, ATableWithoutRowsIsOnlyTheByteOrderMark)
{
    BitTableGrid table(0);
    table.grid.SaveToTextFile(folder.path(u"empty.bfx"_s), separator, lineBreak);
    EXPECT_EQ(folder.read(u"empty.bfx"_s), QByteArray("\xFF\xFE"));
}

TEST_F(GridTextFileTest, HiddenAndMovedColumnsAreWrittenInCreationOrder)
{
    BitTableGrid table(1);
    table.grid.SetCells(1, 0, u"hex"_s);
    table.grid.SetCells(3, 0, u"label"_s);
    table.ColHex->SetVisible(false);
    table.ColLabel->SetPosition(0);
    table.grid.SaveToTextFile(folder.path(u"t.bfx"_s), separator, lineBreak);
    EXPECT_EQ(folder.read(u"t.bfx"_s), utf16LeFile(u"False;hex;;label\r\n"_s));
}

// A field beyond the last column is dropped but still reported as read.
TEST_F(GridTextFileTest, EveryStoredFieldRaisesOnChangeAndEveryFieldOnLoadProgress)
{
    folder.write(u"t.bfx"_s, utf16LeFile(u"a;b;c\r\nd\r\n"_s));
    TextGrid table(2);
    table.grid.LoadFromTextFile(folder.path(u"t.bfx"_s), separator, lineBreak);
    QStringList events;
    for (const QString &line : table.grid.log.lines())
        if (line.startsWith(u"OnChange") || line.startsWith(u"OnLoadProgress") || line.startsWith(u"OnDataChange"))
            events << line;
    EXPECT_EQ(events, QStringList({u"OnDataChange dcAddRow 0"_s, u"OnChange 0 0"_s, u"OnLoadProgress 0 0"_s,
                                   u"OnChange 1 0"_s, u"OnLoadProgress 1 0"_s, u"OnLoadProgress 2 0"_s,
                                   u"OnDataChange dcAddRow 1"_s, u"OnChange 0 1"_s, u"OnLoadProgress 0 1"_s}));
}

// A shown grid would otherwise recompute its scroll range once per line.
TEST_F(GridTextFileTest, LoadingTellsTheViewOnceAboutTheAppendedRows)
{
    folder.write(u"t.bfx"_s, utf16LeFile(u"a\r\nb\r\nc\r\n"_s));
    TextGrid table(2);
    table.grid.AddRow(5);
    table.grid.log.clear();
    table.grid.LoadFromTextFile(folder.path(u"t.bfx"_s), separator, lineBreak);
    QStringList told;
    for (const QString &line : table.grid.log.lines())
        if (line.startsWith(u"RowsChanged"))
            told << line;
    EXPECT_EQ(told, QStringList({u"RowsChanged Cleared"_s, u"RowsChanged Appended 0"_s}));
    EXPECT_EQ(table.grid.RowCount(), 3);
}

TEST_F(GridTextFileTest, LoadingReplacesEveryRowAndIgnoresStartRowCount)
{
    folder.write(u"t.bfx"_s, utf16LeFile(u"x\r\n"_s));
    BitTableGrid table(0);
    table.grid.SetStartRowCount(32);
    table.grid.LoadFromTextFile(folder.path(u"t.bfx"_s), separator, lineBreak);
    EXPECT_EQ(table.grid.RowCount(), 1);
}

struct LoadCase : NamedCase
{
    QByteArray bytes;
    QStringList rows; // cells joined with "|"
};

class LoadedRows : public GridTextFileTest, public ::testing::WithParamInterface<LoadCase>
{
};

TEST_P(LoadedRows, AreTheLinesOfTheFile)
{
    EXPECT_EQ(load(GetParam().bytes), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadedRows,
    ::testing::Values(
        LoadCase{{"LittleEndianMark"}, utf16LeFile(u"a;€\r\n"_s), {u"a|€||"_s}},
        LoadCase{{"BigEndianMark"}, utf16BeFile(u"a;€\r\nb\r\n"_s), {u"a|€||"_s, u"b|||"_s}},
        LoadCase{{"EightBitFromTheFirstByte"}, QByteArray("ab;\xE4\xFF\r\n"), {u"ab|äÿ||"_s}},
        LoadCase{{"EightBitStartingWithFF"}, QByteArray("\xFFx;y"), {u"ÿx|y||"_s}},
        LoadCase{{"EightBitStartingWithFE"}, QByteArray("\xFE\xFE"), {u"\u00FE\u00FE|||"_s}},
        LoadCase{{"OneByte"}, QByteArray("A"), {u"A|||"_s}},
        LoadCase{{"SixFieldsFillFour"}, utf16LeFile(u"1;2;3;4;5;6\r\n"_s), {u"1|2|3|4"_s}},
        LoadCase{{"TwoFieldsLeaveTwoEmpty"}, utf16LeFile(u"1;2\r\n"_s), {u"1|2||"_s}},
        LoadCase{{"LastLineWithoutLineEnd"}, utf16LeFile(u"a;b\r\nc;d"_s), {u"a|b||"_s, u"c|d||"_s}},
        LoadCase{{"EmptyLastFieldDropped"}, utf16LeFile(u"a\r\nc;"_s), {u"a|||"_s, u"c|||"_s}},
        LoadCase{{"EmptyLineIsARow"}, utf16LeFile(u"a\r\n\r\nb\r\n"_s), {u"a|||"_s, u"|||"_s, u"b|||"_s}},
        LoadCase{{"LinesEndedByLFOnly"}, utf16LeFile(u"a\nb\n"_s), {u"a|||"_s, u"b|||"_s}},
        LoadCase{{"LoneMark"}, QByteArray("\xFF\xFE"), {}},
        LoadCase{{"LoneBigEndianMark"}, QByteArray("\xFE\xFF"), {}},
        LoadCase{{"EmptyFile"}, QByteArray(), {}},
        LoadCase{{"OddByteAfterMarkDropped"}, utf16LeFile(u"a;b"_s) + '\x0A', {u"a|b||"_s}},
        LoadCase{{"UnbalancedQuoteKeepsSeparatorsUntilLineEnd"}, utf16LeFile(u"\"abc;def\r\nxyz"_s),
                 {u"abc;def|||"_s, u"xyz|||"_s}},
        LoadCase{{"QuoteInsideAPlainField"}, utf16LeFile(u"a\"b;c\r\n"_s), {u"a\"b;c|||"_s}},
        LoadCase{{"OnlySeparators"}, utf16LeFile(u";;;;;;\r\n;;;"_s), {u"|||"_s, u"|||"_s}},
        LoadCase{{"LineBreakCharacterGivesCrLf"}, utf16LeFile(u"x|y\r\n"_s), {u"x\r\ny|||"_s}}),
    CaseName());

TEST_F(GridTextFileTest, AnUnwritableTargetRaisesInOutErrorAndLeavesTheOldContent)
{
    BitTableGrid table(2);
    const QString folderInThePlace = folder.path(u"table.bfx"_s);
    QDir().mkpath(folderInThePlace);
    folder.write(u"table.bfx/inside.txt"_s, "kept");
    try {
        table.grid.SaveToTextFile(folderInThePlace, separator, lineBreak);
        FAIL() << "no error";
    } catch (const InOutError &error) {
        EXPECT_EQ(error.message(), u"Dateizugriff verweigert"_s);
    }
    EXPECT_EQ(folder.read(u"table.bfx/inside.txt"_s), QByteArray("kept"));
}

TEST_F(GridTextFileTest, ATargetInAMissingFolderRaisesInOutError)
{
    BitTableGrid table(1);
    EXPECT_THROW(table.grid.SaveToTextFile(folder.path(u"missing/t.bfx"_s), separator, lineBreak), InOutError);
    EXPECT_FALSE(QFileInfo::exists(folder.path(u"missing"_s)));
}

TEST_F(GridTextFileTest, AFailedSaveKeepsAnExistingFile)
{
    folder.write(u"file"_s, "old");
    BitTableGrid table(1);
    EXPECT_THROW(table.grid.SaveToTextFile(folder.path(u"file/t.bfx"_s), separator, lineBreak), InOutError);
    EXPECT_EQ(folder.read(u"file"_s), QByteArray("old"));
}

// Not every failure is a denied access: the message names the real reason.
TEST_F(GridTextFileTest, ANameTooLongForTheFileSystemRaisesItsOwnReason)
{
    BitTableGrid table(1);
    try {
        table.grid.SaveToTextFile(folder.path(QString(300, u'x') + u".bfx"_s), separator, lineBreak);
        FAIL() << "no error";
    } catch (const InOutError &error) {
        EXPECT_EQ(error.message(), InOutError::fromSystemError(ENAMETOOLONG).message());
        EXPECT_NE(error.message(), u"Dateizugriff verweigert"_s);
    }
}

TEST_F(GridTextFileTest, AFileThatCannotBeReadRaisesInOutErrorAndKeepsTheRows)
{
    BitTableGrid table(3);
    try {
        table.grid.LoadFromTextFile(folder.path(u"missing.bfx"_s), separator, lineBreak);
        FAIL() << "no error";
    } catch (const InOutError &error) {
        EXPECT_EQ(error.message(), u"Datei nicht gefunden"_s);
    }
    EXPECT_THROW(table.grid.LoadFromTextFile(folder.path(QString()), separator, lineBreak), InOutError);
    EXPECT_EQ(table.grid.RowCount(), 3);
}

} // namespace
