#include "BitFrameFixture.h"

#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/GridPalette.h"
#include "grid/TextColumn.h"
#include "platform/Errors.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMenu>
#include <QSet>
#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Bits 15, 13 and 0 stand in these rows of a top-down table.
const QList<int> a001Rows = {16, 18, 31};

QStringList captions(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    return texts;
}

TEST_F(BitFrameTest, ANewFrameShows32UntickedTopDownRows)
{
    ASSERT_EQ(frame.GridBits->RowCount(), 32);
    EXPECT_EQ(mask(0), u"80000000"_s);
    EXPECT_EQ(mask(1), u"40000000"_s);
    EXPECT_EQ(mask(31), u"00000001"_s);
    EXPECT_TRUE(tickedRows().isEmpty());
    EXPECT_EQ(frame.FlagHexA(), u"$00000000"_s);
    EXPECT_EQ(frame.HexValue(), 0u);
    EXPECT_EQ(footer(1), u"00000000"_s);
    EXPECT_EQ(footer(2), u"           0"_s);
    EXPECT_EQ(footer(3), u""_s);
    EXPECT_EQ(frame.GB_BitFrame->title(), u"Flag Bit Configuration"_s);
    EXPECT_EQ(frame.Section() + frame.FlagLabel() + frame.FlagPrefix() + frame.FlagNote() + frame.IniBaseName() +
                  frame.FlagFileBase(),
              u""_s);
    EXPECT_FALSE(frame.BottomUp() || frame.IncludeC() || frame.OredFlag() || frame.CHB_Bottom->isChecked());
}

TEST_F(BitFrameTest, TheTopStripTableAndMenuCarryTheirCaptionsAndHints)
{
    EXPECT_EQ(frame.CBX_Section->currentText(), u"Access"_s);
    EXPECT_EQ(frame.CBX_Section->currentIndex(), 0);
    EXPECT_EQ(frame.CBX_Label->currentText(), u"Flags"_s);
    EXPECT_EQ(frame.CBX_Label->currentIndex(), -1);
    EXPECT_EQ(frame.CBX_Prefix->currentText(), u""_s);
    EXPECT_EQ(frame.CBX_Prefix->count(), 12);
    EXPECT_EQ(frame.CBX_Prefix->itemText(7), u"ub"_s);
    EXPECT_EQ(frame.GB_Section->title() + u'|' + frame.GB_Label->title() + u'|' + frame.GB_Prefix->title(),
              u"Section|Label|Prefix "_s);
    EXPECT_EQ(frame.GB_Section->toolTip(), u"Section on Initfile"_s);
    EXPECT_EQ(frame.GB_Label->toolTip(), u"Label on InitFile Section"_s);
    EXPECT_EQ(frame.GB_Prefix->toolTip(), u"Prefix for include declarations"_s);
    EXPECT_EQ(frame.CHB_Bottom->text() + u'|' + frame.CHB_Bottom->toolTip(), u"Bits Bottom-Up|MSB-LSB sorted order"_s);
    EXPECT_EQ(frame.GridBits->Hint(), u"Change Flags on bit column"_s);

    QStringList headers;
    for (int col = 0; col < 4; ++col) {
        const TCustomGridColumn &column = *frame.GridBits->Columns[col];
        headers << column.Header().Caption() + u':' + QString::number(column.Width());
        EXPECT_FALSE(column.Options().Contains(coCanSort));
    }
    EXPECT_EQ(headers, QStringList({u"Bit:24"_s, u"Hex Value:63"_s, u"Name (Mask):80"_s, u"Used for:366"_s}));
    EXPECT_FALSE(frame.GridBits->CanEditCell(1, 0));
    EXPECT_TRUE(frame.GridBits->CanEditCell(2, 0) && frame.GridBits->CanEditCell(3, 0));
    // The hex digits line up: every one as wide as the others.
    for (const TTextColumn *column : {frame.ColHex, frame.ColMask}) {
        const QFontMetrics metrics(column->Font());
        QSet<int> advances;
        for (const QChar digit : u"0123456789ABCDEF"_s)
            advances.insert(metrics.horizontalAdvance(digit));
        EXPECT_EQ(advances.size(), 1) << column->Header().Caption().toStdString();
    }

    EXPECT_EQ(captions(frame.PopupBits), QStringList({u"&Load"_s, u"&Save"_s, u"Save &As"_s, u"&Clear"_s,
                                                      u"&Include create"_s, u"&Print"_s, u"&Field..."_s,
                                                      u"Split fi&eld"_s, u""_s, u"&Undo"_s,
                                                      u"&Redo"_s}));
    EXPECT_EQ(captions(frame.MI_Inc), QStringList({u"Pascal"_s, u"CPP"_s, u"C header"_s}));
}

struct HexTextCase
{
    QString written;
    QString flagHexA;
    quint32 hexValue;
    QList<int> ticked;
};

TEST_F(BitFrameTest, WritingTheHexTextTicksTheRowsItNames)
{
    const HexTextCase cases[] = {
        {u"$0000A001"_s, u"$0000A001"_s, 40961, a001Rows}, {u"A001"_s, u"$0000A001"_s, 40961, a001Rows},
        {u"$a001"_s, u"$0000A001"_s, 40961, a001Rows},     {u"xx$A001"_s, u"$0000A001"_s, 40961, a001Rows},
        {u"$"_s, u"$00000003"_s, 3, {30, 31}},          {u"7"_s, u"$00000003"_s, 3, {30, 31}},
        {u"$FFFFFFFF"_s, u"$FFFFFFFF"_s, ~0u, QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17,
                                                          18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31})},
    };
    for (const HexTextCase &c : cases) {
        TBitFrame fresh;
        fresh.SetFlagHexA(u"$3"_s);
        fresh.SetFlagHexA(c.written);
        QList<int> rows;
        for (int row = 0; row < 32; ++row)
            if (fresh.GridBits->Cell(0, row).AsBoolean())
                rows << row;
        EXPECT_EQ(fresh.FlagHexA(), c.flagHexA) << c.written.toStdString();
        EXPECT_EQ(fresh.HexValue(), c.hexValue) << c.written.toStdString();
        EXPECT_EQ(rows, c.ticked) << c.written.toStdString();
    }
    frame.SetFlagHexA(u"$0000A001"_s);
    EXPECT_EQ(footer(1) + u'|' + footer(2), u"0000A001|       40961"_s);
}

TEST_F(BitFrameTest, AnInvalidHexTextFailsAndOnlyFlagHexAKeepsIt)
{
    frame.SetFlagHexA(u"$0000A001"_s);
    for (const QString &text : {u"$123456789"_s, u"$A001 "_s, u"$A00G"_s}) {
        try {
            frame.SetFlagHexA(text);
            ADD_FAILURE() << "accepted " << text.toStdString();
        } catch (const ConversionError &error) {
            EXPECT_EQ(error.message(), u"'"_s + text + u"' ist kein gültiger Integerwert"_s);
        }
        EXPECT_EQ(frame.FlagHexA(), text);
        EXPECT_EQ(frame.HexValue(), 40961u);
        EXPECT_EQ(tickedRows(), a001Rows);
        EXPECT_EQ(footer(1), u"0000A001"_s);
    }
    toggle(0); // the next recalculation replaces the rejected text
    EXPECT_EQ(frame.FlagHexA(), u"$8000A001"_s);
}

TEST_F(BitFrameTest, TickingRecalculatesAndTwoRowsOfOneMaskSetOneBit)
{
    toggle(30);
    EXPECT_EQ(frame.FlagHexA(), u"$00000002"_s);
    frame.GridBits->SetCells(1, 5, u"00000002"_s); // a hand-edited table file
    toggle(5);
    EXPECT_EQ(frame.FlagHexA(), u"$00000002"_s);
    EXPECT_EQ(frame.HexValue(), 2u);
    EXPECT_EQ(footer(2), u"           2"_s);
}

TEST_F(BitFrameTest, OredFlagOnlyAddsTicks)
{
    toggle(0);
    toggle(31);
    frame.SetOredFlag(true);
    frame.SetFlagHexA(u"$00000001"_s);
    EXPECT_EQ(tickedRows(), QList<int>({0, 31}));
    EXPECT_EQ(frame.FlagHexA(), u"$80000001"_s);
}

TEST_F(BitFrameTest, TheOrderChangeMirrorsTheWordAndKeepsEveryRow)
{
    frame.SetFlagHexA(u"$0000A001"_s);
    setName(16, u"Audit"_s, u"Log every access"_s);
    frame.CHB_Bottom->click();
    EXPECT_TRUE(frame.BottomUp());
    EXPECT_EQ(mask(0) + u'|' + mask(31), u"00000001|80000000"_s);
    EXPECT_EQ(tickedRows(), a001Rows);
    EXPECT_EQ(frame.FlagHexA(), u"$80050000"_s);
    EXPECT_EQ(frame.GridBits->Cells(2, 16) + u'|' + frame.GridBits->Cells(3, 16), u"Audit|Log every access"_s);

    frame.CHB_Bottom->click();
    EXPECT_EQ(mask(0) + u'|' + mask(31), u"80000000|00000001"_s);
    EXPECT_EQ(frame.FlagHexA(), u"$0000A001"_s);
    EXPECT_EQ(tickedRows(), a001Rows);

    // Writing the order it already has takes the masks to stand in that
    // order: they stay, and every tick moves from row r to row 31 - r.
    frame.SetBottomUp(false);
    EXPECT_EQ(mask(0), u"80000000"_s);
    EXPECT_EQ(tickedRows(), QList<int>({0, 13, 15}));
    EXPECT_EQ(frame.FlagHexA(), u"$80050000"_s);
}

TEST_F(BitFrameTest, RowsAreShadedInGroupsOfFourInTwoShades)
{
    const auto shade = [this](int row, int col) { return frame.GridBits->Cell(col, row).Color(); };
    const QColor first = shade(0, 0); // the border shade, in top-down order
    const QColor second = shade(4, 0); // the selection shade
    EXPECT_NE(first, second);
    EXPECT_LT(qAbs(second.hue() - GridPalette::highlight().hue()), 8);
    EXPECT_GT(qAbs(first.lightness() - second.lightness()) + qAbs(first.hue() - second.hue()), 20);
    for (int row = 0; row < 32; ++row) {
        const QColor expected = (row / 4) % 2 == 0 ? first : second;
        EXPECT_EQ(shade(row, 0), expected) << row;
        EXPECT_EQ(shade(row, 1), expected) << row;
        EXPECT_EQ(shade(row, 2), frame.ColMask->Color()) << row;
    }
    frame.CHB_Bottom->click();
    EXPECT_EQ(shade(0, 0), second);
    EXPECT_EQ(shade(4, 1), first);
}

TEST_F(BitFrameTest, ClearEmptiesTheTableAndKeepsIdentityAndOrder)
{
    openAsFromIniLine();
    frame.CHB_Bottom->click();
    setName(3, u"Name"_s, u"Text"_s);
    choose(u"MI_BF_Clear"_s);
    ASSERT_EQ(frame.GridBits->RowCount(), 32);
    EXPECT_EQ(frame.GridBits->Cells(2, 3) + frame.GridBits->Cells(3, 3), u""_s);
    EXPECT_EQ(mask(0), u"00000001"_s);
    EXPECT_TRUE(tickedRows().isEmpty());
    EXPECT_EQ(frame.FlagHexA(), u"$00000000"_s);
    EXPECT_EQ(frame.FlagFileBase() + frame.GB_BitFrame->title(), u""_s);
    EXPECT_EQ(frame.Section() + u'|' + frame.FlagLabel() + u'|' + frame.FlagPrefix() + u'|' + frame.FlagNote() +
                  u'|' + frame.IniBaseName(),
              u"Access|Flags|bf|Read and write|Myapp"_s);
    EXPECT_TRUE(frame.BottomUp());
}

TEST_F(BitFrameTest, IdentitySettersShowTheTextWithNoItemSelected)
{
    frame.SetSection(u""_s);
    EXPECT_EQ(frame.CBX_Section->currentIndex(), 0);
    frame.SetSection(u"Network"_s);
    EXPECT_EQ(frame.CBX_Section->currentIndex(), -1);
    EXPECT_EQ(frame.CBX_Section->currentText(), u"Network"_s);
    frame.SetFlagPrefix(u"xyz"_s);
    EXPECT_EQ(frame.CBX_Prefix->currentText() + QString::number(frame.CBX_Prefix->currentIndex()), u"xyz-1"_s);
    frame.SetFlagLabel(QString(300, u'k'));
    EXPECT_EQ(frame.FlagLabel().size(), 255);
    frame.SetFlagNote(u"Read and write"_s);
    frame.SetFlagNote(u""_s);
    EXPECT_EQ(frame.FlagNote() + footer(3), u""_s);
}

TEST_F(BitFrameTest, ThePrefixBoxDiscardsTypingAndTakesAChosenItem)
{
    frame.show();
    frame.CBX_Prefix->setFocus();
    frame.SetFlagPrefix(u"bf"_s);
    QTest::keyClicks(frame.CBX_Prefix, u"xy"_s);
    QTest::keyClick(frame.CBX_Prefix, Qt::Key_Backspace);
    EXPECT_EQ(frame.CBX_Prefix->currentText(), u"bf"_s);
    frame.CBX_Prefix->setCurrentIndex(6);
    QTest::keyClick(frame.CBX_Prefix, Qt::Key_Down); // chooses "ub"
    EXPECT_EQ(frame.FlagPrefix(), u"ub"_s);
    EXPECT_EQ(frame.CBX_Prefix->currentIndex(), 7);
}

TEST_F(BitFrameTest, TypingIntoTheSectionBoxLeavesNoItemSelected)
{
    frame.show();
    frame.CBX_Section->setFocus();
    QTest::keyClicks(frame.CBX_Section, u"s"_s);
    EXPECT_EQ(frame.CBX_Section->currentText(), u"Accesss"_s);
    EXPECT_EQ(frame.CBX_Section->currentIndex(), -1);
}

TEST_F(BitFrameTest, TheMenuKeyAndShiftF10OpenTheContextMenu)
{
    frame.show();
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
        QTest::keyClick(frame.GridBits, key, modifiers);
        EXPECT_TRUE(frame.PopupBits->isVisible()) << key;
        frame.PopupBits->close();
    }
}

TEST_F(BitFrameTest, TabGoesThroughTheTopStripIntoTheTable)
{
    frame.show();
    QApplication::setActiveWindow(&frame);
    frame.CBX_Section->setFocus();
    QStringList order;
    for (int step = 0; step < 5; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        while (focus && focus->objectName().isEmpty())
            focus = focus->parentWidget();
        order << (focus ? focus->objectName() : u"none"_s);
    }
    EXPECT_EQ(order, QStringList({u"CBX_Label"_s, u"CBX_Prefix"_s, u"CHB_Bottom"_s, u"EDT_Value"_s, u"GridBits"_s}));
}

} // namespace
