#include "BitFrameFixture.h"

#include "flags/BitDefinitionFiles.h"
#include "grid/CellGrid.h"
#include "grid/InplaceEdit.h"
#include "grid/TextColumn.h"
#include "platform/Errors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray referenceFile(const QString &name)
{
    QFile file(QStringLiteral(FLAGS_REFERENCE_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The table file of a standard top-down table with the given ticks and
// one named row.
QByteArray expectedTable(const QList<int> &ticks, int namedRow, const QString &nameAndUsedFor)
{
    QStringList lines;
    for (int row = 0; row < 32; ++row) {
        lines << (ticks.contains(row) ? u"True;"_s : u"False;"_s) +
                     QStringLiteral("%1").arg(1u << (31 - row), 8, 16, QChar(u'0')).toUpper() +
                     (row == namedRow ? u';' + nameAndUsedFor : u";;"_s);
    }
    return gridTextFile(lines);
}

TEST(ReplacedExtension, ReplacesFromTheLastDotOfTheFileNameOrAppends)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        {u"C:\\data\\MyappAccessFlags", u"C:\\data\\MyappAccessFlags.bfx"},
        {u"C:\\data\\MyappAccessFlags.bfi", u"C:\\data\\MyappAccessFlags.bfx"},
        {u"C:\\data\\Myapp.v2Flags", u"C:\\data\\Myapp.bfx"},
        {u"/home/u/v1.2/Flags", u"/home/u/v1.2/Flags.bfx"},
        {u"D:Flags", u"D:Flags.bfx"},
        {u"", u".bfx"},
    };
    for (const auto &[path, replaced] : cases)
        EXPECT_EQ(TableFileName(QString::fromUtf16(path)), QString::fromUtf16(replaced));
    EXPECT_EQ(FlagFilesName(u"Myapp"_s, u"Access"_s, u"Flags"_s), u"MyappAccessFlags"_s);
    EXPECT_EQ(FlagFilesName(u"Myapp"_s, u"../Paths\\Local"_s, u"A/b"_s), u"Myapp___Paths_LocalA_b"_s);
}

TEST_F(BitFrameTest, SaveWritesTheTableAndSettingsFilesNamedAfterTheFlagWord)
{
    openAsFromIniLine();
    setName(1, u"WriteAccess"_s, u"Write access; see \"Mode\""_s);
    toggle(1);
    choose(u"MI_BF_Save"_s);
    EXPECT_EQ(folder.read(u"MyappAccessFlags.bfx"_s),
              expectedTable({1, 16, 18, 31}, 1, u"WriteAccess;\"Write access; see \"\"Mode\"\"\""_s));
    EXPECT_EQ(folder.read(u"MyappAccessFlags.bfi"_s), referenceFile(u"MyappAccessFlags.bfi"_s));
    // A field made, saved and split again leaves no trace: no section, no wider column.
    makeField(27, {4, 2}, u"Level"_s, {{u"2"_s, u"Warnings"_s, {}}});
    choose(u"MI_BF_Save"_s);
    frame.GridBits->SetSelectedCell(0, 26);
    choose(u"MI_BF_SplitField"_s);
    choose(u"MI_BF_Save"_s);
    EXPECT_EQ(folder.read(u"MyappAccessFlags.bfi"_s), referenceFile(u"MyappAccessFlags.bfi"_s));
    EXPECT_EQ(frame.GB_BitFrame->title(), path(u"MyappAccessFlags.bf?"_s));
    EXPECT_EQ(frame.FlagFileBase(), path(u"MyappAccessFlags.bfi"_s));
    EXPECT_EQ(frame.FlagHexA(), u"$4000A001"_s);
    EXPECT_TRUE(desktop.messageTexts().isEmpty());
}

TEST_F(BitFrameTest, SaveTakesSectionAndLabelFromTheComboBoxesAfterNamingThePair)
{
    openAsFromIniLine();
    frame.CBX_Section->setCurrentIndex(3); // "Network" chosen from the list
    choose(u"MI_BF_Save"_s);
    EXPECT_TRUE(QFileInfo::exists(path(u"MyappAccessFlags.bfx"_s)));
    EXPECT_TRUE(folder.read(u"MyappAccessFlags.bfi"_s).contains("[IndexOf]\r\nSection=3\r\nLabel=-1\r\nPrefix=-1\r\n"));
    EXPECT_EQ(frame.Section(), u"Network"_s);
    choose(u"MI_BF_Save"_s);
    EXPECT_TRUE(QFileInfo::exists(path(u"MyappNetworkFlags.bfx"_s)));
    EXPECT_TRUE(QFileInfo::exists(path(u"MyappNetworkFlags.bfi"_s)));
}

TEST_F(BitFrameTest, SaveReplacesSettingsInPlaceAndKeepsEveryOtherLine)
{
    const QByteArray before = "; bits of myapp\r\n[IndexOf]\r\nSection=2\r\nLabel=5\r\nPrefix=7\r\n[Other]\r\nk=v\r\n";
    folder.write(u"MyappAccessFlags.bfi"_s, before);
    openAsFromIniLine();
    choose(u"MI_BF_Save"_s);
    const QByteArray layout = referenceFile(u"MyappAccessFlags.bfi"_s);
    EXPECT_EQ(folder.read(u"MyappAccessFlags.bfi"_s),
              "; bits of myapp\r\n[IndexOf]\r\nSection=-1\r\nLabel=-1\r\nPrefix=-1\r\n[Other]\r\nk=v\r\n" +
                  layout.first(layout.indexOf("[IndexOf]")));
}

TEST_F(BitFrameTest, LoadTakesThePairOfTheChosenFileFromItsFolder)
{
    openAsFromIniLine();
    setName(2, u"Line|break"_s, u"a;b"_s);
    frame.CBX_Section->setCurrentIndex(2);
    frame.CBX_Prefix->setCurrentIndex(7);
    choose(u"MI_BF_Save"_s);
    QDir().mkdir(path(u"old"_s));
    QFile::copy(path(u"MyappAccessFlags.bfx"_s), path(u"old/Old.bfx"_s));
    QFile::copy(path(u"MyappAccessFlags.bfi"_s), path(u"old/Old.bfi"_s));
    QDir::setCurrent(path(QString()));

    TBitFrame loaded;
    loaded.CBX_Prefix->setCurrentIndex(0); // chosen, so it takes the stored item
    desktop.fileAnswers = {path(u"old/Old.rev.bfx"_s)};
    loaded.MI_BF_Load->trigger();
    EXPECT_EQ(loaded.GB_BitFrame->title(), path(u"old/Old.bf?"_s));
    EXPECT_EQ(loaded.FlagFileBase(), path(u"old/Old.bfi"_s));
    EXPECT_EQ(loaded.GridBits->Cells(2, 2), u"Line\r\nbreak"_s);
    EXPECT_EQ(loaded.GridBits->Cells(3, 2), u"a;b"_s);
    EXPECT_EQ(loaded.FlagHexA(), u"$0000A001"_s);
    EXPECT_EQ(loaded.CBX_Section->currentText(), u"Init"_s); // chosen before, so it takes the stored item
    EXPECT_EQ(loaded.CBX_Label->currentText(), u"Flags"_s);
    EXPECT_EQ(loaded.CBX_Prefix->currentText() + u'|' + loaded.FlagPrefix(), u"ub|"_s); // no change handler ran
    EXPECT_EQ(desktop.calls().front().dialog.filter, u"Bit files|*.bf?"_s);
}

TEST_F(BitFrameTest, WithoutAnyNameSaveWritesGridBits)
{
    choose(u"MI_BF_Save"_s);
    EXPECT_TRUE(QFileInfo::exists(path(u"GridBits.bfx"_s)));
    EXPECT_TRUE(QFileInfo::exists(path(u"GridBits.bfi"_s)));
    EXPECT_EQ(frame.GB_BitFrame->title(), path(u"GridBits.bf?"_s));
}

TEST_F(BitFrameTest, SaveAsWritesIntoTheChosenFolderUnderTheFlagWordsName)
{
    openAsFromIniLine();
    QDir().mkdir(path(u"elsewhere"_s));
    desktop.fileAnswers = {path(u"elsewhere/typed.bfi"_s)};
    choose(u"MI_BF_SaveAs"_s);
    EXPECT_TRUE(QFileInfo::exists(path(u"elsewhere/MyappAccessFlags.bfx"_s)));
    EXPECT_FALSE(QFileInfo::exists(path(u"elsewhere/typed.bfx"_s)));
    EXPECT_EQ(desktop.calls().front().dialog.filter, u"BitFrame files|*.bf?"_s);
}

TEST_F(BitFrameTest, AMissingPairLeavesTheTableAndUnselectsChosenItems)
{
    openAsFromIniLine();
    EXPECT_EQ(frame.GB_BitFrame->title(), path(u"MyappAccessFlags.bfx"_s));
    EXPECT_EQ(frame.GridBits->RowCount(), 32);
    EXPECT_EQ(frame.CBX_Section->currentText(), u"Access"_s); // given, not chosen: kept

    TBitFrame chosen;
    chosen.LoadFlagFiles(u"Nothing"_s);
    EXPECT_EQ(chosen.CBX_Section->currentIndex(), -1);
    EXPECT_EQ(chosen.CBX_Section->currentText(), u""_s);
}

TEST_F(BitFrameTest, FileErrorsReachTheErrorReportAndLeaveFilesAsTheyWere)
{
    ASSERT_TRUE(QFile::link(u"/proc/self/mem"_s, path(u"Locked.bfx"_s))); // opens, cannot be read
    desktop.fileAnswers = {path(u"Locked.bfi"_s)};
    choose(u"MI_BF_Load"_s);
    EXPECT_EQ(frame.GridBits->RowCount(), 32);

    folder.write(u"MyappAccessFlags.bfi"_s, "[IndexOf]\r\nSection=1\r\n");
    QDir().mkdir(path(u"MyappAccessFlags.bfx"_s)); // the table file cannot be written
    openAsFromIniLine();
    choose(u"MI_BF_Save"_s);
    EXPECT_EQ(desktop.messageTexts(), QStringList({u"Dateizugriff verweigert."_s, u"Dateizugriff verweigert."_s}));
    EXPECT_EQ(folder.read(u"MyappAccessFlags.bfi"_s), "[IndexOf]\r\nSection=1\r\n");
}

TEST_F(BitFrameTest, SaveStoresTheNameStillBeingTyped)
{
    frame.show();
    frame.GridBits->setFocus();
    frame.GridBits->SetSelectedCell(2, 0);
    QTest::keyClick(frame.GridBits, 'N');
    ASSERT_NE(frame.GridBits->inplaceEditor(), nullptr);
    QTest::keyClicks(frame.GridBits->inplaceEditor(), u"ame"_s);
    choose(u"MI_BF_Save"_s);
    EXPECT_TRUE(folder.read(u"GridBits.bfx"_s).contains(utf16LeFile(u";Name;"_s).sliced(2)));
}

TEST_F(BitFrameTest, PathsKeepTheirFullLength)
{
    const QString longFolder = path(QString(200, u'f'));
    QDir().mkpath(longFolder);
    const QString name = longFolder + u'/' + QString(100, u'n') + u".bfi"_s;
    ASSERT_TRUE(frame.SaveFlagFiles(name));
    EXPECT_EQ(frame.FlagFileBase(), name);
    EXPECT_TRUE(QFileInfo::exists(longFolder + u'/' + QString(100, u'n') + u".bfx"_s));
    EXPECT_FALSE(frame.SaveFlagFiles(path(u".bfi"_s)));
}

struct TableFileCase
{
    const char *name;
    QStringList lines;
    int rows;
    quint32 hexValue;
};

TEST_F(BitFrameTest, AnyTableFileLoads)
{
    QStringList many;
    for (int row = 0; row < 10000; ++row)
        many << (row == 9999 ? u"True;00000010;;"_s : u"False;00000000;;"_s);
    const TableFileCase cases[] = {
        {"empty", {}, 0, 0},
        {"ten thousand rows", many, 10000, 0x10},
        {"masks that are no number", {u"True;xyz;;"_s, u"True;00000001;;"_s}, 2, 1},
        {"one or nine fields", {u"True"_s, u"True;00000004;a;b;c;d;e;f;g"_s}, 2, 4},
    };
    for (const TableFileCase &c : cases) {
        folder.write(u"T.bfx"_s, gridTextFile(c.lines));
        frame.LoadFlagFiles(u"T"_s);
        EXPECT_EQ(frame.GridBits->RowCount(), c.rows) << c.name;
        EXPECT_EQ(frame.HexValue(), c.hexValue) << c.name;
    }

    // Setting the hex text stops at the first row without a mask, after
    // changing the rows above it.
    folder.write(u"T.bfx"_s, gridTextFile({u"False;00000001;;"_s, u"False;xyz;;"_s, u"True;00000004;;"_s}));
    frame.LoadFlagFiles(u"T"_s);
    EXPECT_THROW(frame.SetFlagHexA(u"$5"_s), ConversionError);
    EXPECT_EQ(tickedRows(), QList<int>({0, 2}));
}

TEST_F(BitFrameTest, AnEmptyTableKeepsTheWrittenHexText)
{
    folder.write(u"Empty.bfx"_s, gridTextFile({}));
    frame.LoadFlagFiles(u"Empty"_s);
    frame.SetFlagHexA(u"a001"_s);
    EXPECT_EQ(frame.FlagHexA(), u"$a001"_s);
    EXPECT_EQ(frame.HexValue(), 40961u);
}

TEST_F(BitFrameTest, RowsAfterThe32ndStandForNoBit)
{
    QStringList lines;
    for (int row = 0; row < 40; ++row)
        lines << u"False;00000000;;"_s;
    folder.write(u"Forty.bfx"_s, gridTextFile(lines));
    frame.LoadFlagFiles(u"Forty"_s);
    frame.CHB_Bottom->click();
    ASSERT_EQ(frame.GridBits->RowCount(), 40);
    EXPECT_EQ(mask(31) + u'|' + mask(32) + u'|' + mask(39), u"80000000|00000000|00000000"_s);
    toggle(35);
    EXPECT_EQ(frame.HexValue(), 0u);
}

TEST_F(BitFrameTest, IncludeFilesAreNamedAfterTheFlagFileBaseAndOrder)
{
    openAsFromIniLine();
    setName(30, u"WriteEnable"_s, u"Write access"_s);
    choose(u"MI_BF_Pascal"_s);
    const QList<QByteArray> lines = folder.read(u"MyappAccessFlags.inc_dn"_s).split('\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[3], "//Attention: Mask values sorted top (MSB) to bottom (LSB)!\r");
    EXPECT_EQ(lines[4], "bfWriteEnable            = $00000002; //Write access\r");
    EXPECT_EQ(lines[5], "bfDefault                = $0000A001; //Default set bits \r");

    frame.CHB_Bottom->click();
    choose(u"MI_BF_CPP"_s);
    EXPECT_TRUE(folder.read(u"MyappAccessFlags.inc_up"_s).contains("bfWriteEnable            0x40000000; //"));

    choose(u"MI_BF_Clear"_s);
    choose(u"MI_BF_CPP"_s);
    EXPECT_TRUE(folder.read(u".inc_up"_s).startsWith("//Based on values in ini-file section: Access Key: Flags\r\n"
                                                     "//Corresponding files are: .*\r\n"));
    frame.SetFlagFileBase(path(u"Base.bfi"_s));
    frame.SetIncludeC(true);
    EXPECT_TRUE(folder.read(u"Base.inc"_s).contains("bfDefault                = $00000000;"));
}

TEST_F(BitFrameTest, AnIncludeFileThatCannotBeWrittenReportsTheFileCreationError)
{
    openAsFromIniLine();
    QDir().mkdir(path(u"MyappAccessFlags.inc_dn"_s));
    choose(u"MI_BF_Pascal"_s);
    EXPECT_EQ(desktop.messageTexts(),
              QStringList({u"Datei \""_s + path(u"MyappAccessFlags.inc_dn"_s) +
                           u"\" kann nicht erstellt werden. Der Pfad ist ein Ordner."_s}));
}

} // namespace
