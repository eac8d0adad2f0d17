#include "BitFrameFixture.h"

#include "flags/BinaryWordStrip.h"
#include "flags/FlagValueField.h"
#include "flags/FlagWord.h"
#include "grid/CellGrid.h"
#include "grid/TextColumn.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The rows of a top-down table that a word ticks.
QList<int> rowsOf(quint32 word)
{
    QList<int> rows;
    for (int row = 0; row < 32; ++row)
        if (word & (quint32(1) << (31 - row)))
            rows << row;
    return rows;
}

struct TypedValueCase
{
    QString typed;
    std::optional<quint32> word; // nothing: refused
};

TEST_F(BitFrameTest, TheValueFieldTakesEveryFormOfAFlagWord)
{
    const TypedValueCase cases[] = {
        {u"$A003"_s, 0xA003},
        {u"0xA003"_s, 0xA003},
        {u"0XA003"_s, 0xA003},
        {u"40963"_s, 0xA003},
        {u"0b1010000000000011"_s, 0xA003},
        {u"0b1010_0000 0000_0011"_s, 0xA003},
        {u"  40 963  "_s, 0xA003},
        {u"$0000_a003"_s, 0xA003},
        {u"0x00000000FFFFFFFF"_s, 0xFFFFFFFF},
        {u"4294967295"_s, 0xFFFFFFFF},
        {u"0b"_s + QString(32, u'1'), 0xFFFFFFFF},
        {u"000000000000040963"_s, 0xA003},
        {u"0"_s, 0},
        {u"4294967296"_s, std::nullopt},
        {u"0b1"_s + QString(32, u'0'), std::nullopt},
        {u"$1_0000_0000"_s, std::nullopt},
        {u""_s, std::nullopt},
        {u"A003"_s, std::nullopt},
        {u"$"_s, std::nullopt},
        {u"0x"_s, std::nullopt},
        {u"0b102"_s, std::nullopt},
        {u"_1"_s, std::nullopt},
        {u"1_"_s, std::nullopt},
        {u"0x_1"_s, std::nullopt},
        {u"-1"_s, std::nullopt},
        {u"12abc"_s, std::nullopt},
        {u"4\n0963"_s, std::nullopt},
        {u"$A0\t03"_s, std::nullopt},
    };
    frame.show();
    for (const TypedValueCase &c : cases) {
        frame.SetFlagHexA(u"$00000003"_s);
        enterValue(frame, c.typed);
        const quint32 word = c.word.value_or(3);
        EXPECT_EQ(tickedRows(), rowsOf(word)) << c.typed.toStdString();
        EXPECT_EQ(frame.HexValue(), word) << c.typed.toStdString();
        EXPECT_EQ(footer(1) + u'|' + footer(2), HexDigits8(word) + u'|' + QStringLiteral("%1").arg(word, 12))
            << c.typed.toStdString();
        EXPECT_EQ(frame.EDT_Value->text(), c.word ? u'$' + HexDigits8(word) : c.typed) << c.typed.toStdString();
        EXPECT_EQ(frame.EDT_Value->Marked(), !c.word) << c.typed.toStdString();
        EXPECT_EQ(frame.EDT_Value->toolTip().startsWith(u"No flag word: type $A003, 0xA003, 40963 or 0b"_s), !c.word)
            << c.typed.toStdString();
    }
    EXPECT_TRUE(desktop.messageTexts().isEmpty());
}

struct SameAsFlagHexACase
{
    const char *name;
    std::function<void(TBitFrame &)> prepare;
};

TEST_F(BitFrameTest, AValueEnteredActsAsWritingFlagHexA)
{
    QStringList forty;
    for (int row = 0; row < 40; ++row)
        forty << u"False;"_s + StandardMask(row, false) + u";;"_s;
    folder.write(u"Forty.bfx"_s, gridTextFile(forty));
    folder.write(u"Empty.bfx"_s, gridTextFile({}));
    const SameAsFlagHexACase cases[] = {
        {"32 rows", [](TBitFrame &) {}},
        {"OredFlag with rows 0 and 31 ticked",
         [](TBitFrame &target) {
             target.SetFlagHexA(u"$80000001"_s);
             target.SetOredFlag(true);
         }},
        {"40 rows", [](TBitFrame &target) { target.LoadFlagFiles(u"Forty"_s); }},
        {"no rows", [](TBitFrame &target) { target.LoadFlagFiles(u"Empty"_s); }},
    };
    for (const SameAsFlagHexACase &c : cases) {
        TBitFrame typed;
        TBitFrame written;
        c.prepare(typed);
        c.prepare(written);
        typed.show();
        enterValue(typed, u"40963"_s);
        written.SetFlagHexA(u"$0000A003"_s);
        EXPECT_EQ(shown(typed), shown(written)) << c.name;
    }
}

TEST_F(BitFrameTest, TheValueFieldFollowsTheTableAndEscapeShowsTheWordAgain)
{
    frame.show();
    QApplication::setActiveWindow(&frame);
    frame.SetFlagHexA(u"$0000A001"_s);
    EXPECT_EQ(frame.EDT_Value->text(), u"$0000A001"_s);
    frame.EDT_Value->setFocus();
    QTest::keyClicks(frame.EDT_Value, u"xyz"_s);
    QTest::keyClick(frame.EDT_Value, Qt::Key_Return);
    ASSERT_TRUE(frame.EDT_Value->Marked());
    QTest::keyClick(frame.EDT_Value, Qt::Key_Escape);
    EXPECT_EQ(frame.EDT_Value->text(), u"$0000A001"_s);
    EXPECT_FALSE(frame.EDT_Value->Marked());
    toggle(30);
    EXPECT_EQ(frame.EDT_Value->text(), u"$0000A003"_s);
    QTest::keyClicks(frame.EDT_Value, u"1"_s); // typing not confirmed is dropped on leaving
    frame.GridBits->setFocus();
    EXPECT_EQ(QString(frame.EDT_Value->text() + u' ' + frame.FlagHexA()), u"$0000A003 $0000A003"_s);
}

TEST_F(BitFrameTest, TheBinaryStripShowsTheWordAndAClickOnABitTicksItsRow)
{
    frame.show();
    frame.SetFlagHexA(u"$0000A003"_s);
    EXPECT_EQ(frame.BinaryWord->Text(), u"0000 0000 0000 0000 1010 0000 0000 0011"_s);
    frame.SetFlagHexA(u"$0000A001"_s);
    frame.CHB_Bottom->click();
    EXPECT_EQ(frame.BinaryWord->Text(), u"1000 0000 0000 0101 0000 0000 0000 0000"_s);

    QTest::mouseClick(frame.BinaryWord, Qt::LeftButton, {}, frame.BinaryWord->BitRect(2).center());
    EXPECT_TRUE(ticked(2)); // bottom-up: row 2 stands for bit 2
    EXPECT_EQ(frame.FlagHexA(), u"$80050004"_s);
    EXPECT_EQ(frame.BinaryWord->Text(), u"1000 0000 0000 0101 0000 0000 0000 0100"_s);
    QTest::mouseClick(frame.BinaryWord, Qt::LeftButton, {}, frame.BinaryWord->BitRect(31).center());
    EXPECT_EQ(frame.FlagHexA(), u"$00050004"_s);

    frame.GridBits->SetCells(1, 5, u"00000003"_s); // no row stands for bit 5 alone now
    QTest::mouseClick(frame.BinaryWord, Qt::LeftButton, {}, frame.BinaryWord->BitRect(5).center());
    EXPECT_EQ(frame.FlagHexA(), u"$00050004"_s);

    // Where rows hold bit 2, alone or with bit 4 (no field), a click on its
    // "1" unticks them all, as one step.
    frame.GridBits->SetCells(1, 9, u"00000004"_s);
    frame.GridBits->SetCells(1, 10, u"00000014"_s);
    toggle(9);
    toggle(10);
    QTest::mouseClick(frame.BinaryWord, Qt::LeftButton, {}, frame.BinaryWord->BitRect(2).center());
    EXPECT_EQ(frame.FlagHexA(), u"$00050000"_s);
    EXPECT_FALSE(ticked(2) || ticked(9) || ticked(10));
    choose(u"MI_BF_Undo"_s);
    EXPECT_TRUE(ticked(2) && ticked(9) && ticked(10));
}

// The window is sized for the table; the value field and the binary strip
// must not ask for more.
TEST_F(BitFrameTest, TheValueFieldAndTheBinaryStripFitTheTablesWidth)
{
    int columns = 0;
    for (int col = 0; col < 4; ++col)
        columns += frame.GridBits->Columns[col]->Width();
    EXPECT_LE(frame.Panel1->minimumSizeHint().width(), columns);
    EXPECT_LE(frame.BinaryWord->sizeHint().width(), columns);
}

TEST_F(BitFrameTest, BitsThatNoRowHoldsMarkTheValueFieldWithAHint)
{
    const QString acceptedForms = frame.EDT_Value->toolTip();
    // The hex text, the row whose mask is cleared first, and the hint.
    const std::tuple<QString, int, QString> cases[] = {
        {u"$00000005"_s, 29, u"Bits $00000004 haben keine Zeile in der Tabelle und werden von Save Init nicht geschrieben."_s},
        {u"$80000001"_s, 0, u"Bits $80000000 haben keine Zeile in der Tabelle und werden von Save Init nicht geschrieben."_s},
        {u"$00000001"_s, 29, acceptedForms},
    };
    for (const auto &[hexText, row, hint] : cases) {
        frame.FillMasks(false);
        frame.GridBits->Cell(frame.ColHex->Index(), row).SetAsString(u"00000000"_s);
        frame.SetFlagHexA(hexText);
        EXPECT_EQ(frame.EDT_Value->Marked(), hint != acceptedForms) << hexText.toStdString();
        EXPECT_EQ(frame.EDT_Value->toolTip(), hint) << hexText.toStdString();
    }
}

} // namespace
