#include "BitFrameFixture.h"

#include "flags/BinaryWordStrip.h"
#include "grid/CellGrid.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QList<TFieldValueTexts> levels{{u"0"_s, u"Off"_s, {}},
                                     {u"1"_s, u"Errors"_s, u"Errors only"_s},
                                     {u"2"_s, u"Warnings"_s, u"Warnings and errors"_s},
                                     {u"3"_s, u"All"_s, {}}};

const QByteArray levelSection = "[Field 00000030]\r\n0=Off\r\n1=Errors;Errors only\r\n2=Warnings;Warnings and errors\r\n"
                                "3=All\r\nValue=2\r\n";

// What a field row shows: its tick, the value in place of it, mask and name.
QString fieldRow(const TBitFrame &target, int row)
{
    const TCell &tick = target.GridBits->Cell(0, row);
    return (tick.AsBoolean() ? u"x"_s : u"-"_s) + u'[' + tick.Caption() + u']' + target.GridBits->Cells(1, row) +
           u'/' + target.GridBits->Cells(2, row);
}

// The log level of bits 4 and 5 through every command that changes the
// table, the files and the word; at each step what the user sees.
TEST_F(BitFrameTest, AFieldKeepsItsValueAndNamesThroughTheTableCommandsAndFiles)
{
    openAsFromIniLine(); // $0000A001
    frame.show();
    makeField(27, {4, 2}, u"Level"_s, levels);
    EXPECT_EQ(frame.GridBits->RowCount(), 31);
    EXPECT_EQ(fieldRow(frame, 26), u"-[0 Off]00000030/Level"_s);
    EXPECT_EQ(frame.BinaryWord->FieldMasks(), QList<quint32>{0x30});
    // Shaded by its lowest bit's hexadecimal digit: as 00000080, not as 00000008.
    EXPECT_EQ(frame.GridBits->Cell(0, 26).Color(), frame.GridBits->Cell(0, 24).Color());
    EXPECT_NE(frame.GridBits->Cell(0, 26).Color(), frame.GridBits->Cell(0, 27).Color());

    frame.SetFlagHexA(u"$0000A021"_s);
    EXPECT_EQ(fieldRow(frame, 26), u"x[2 Warnings]00000030/Level"_s);
    // A screen reader reads the value as shown, not as a check box.
    QAccessibleInterface *value = QAccessible::queryAccessibleInterface(frame.GridBits)->tableInterface()->cellAt(26, 0);
    EXPECT_EQ(value->text(QAccessible::Name), u"2 Warnings"_s);
    EXPECT_FALSE(value->state().checkable);
    doToggleAction(value); // as Space: the values to choose from
    pickFieldValue(u"3 All"_s);
    EXPECT_EQ(frame.FlagHexA(), u"$0000A031"_s);
    // A click on a field's bit in the binary strip changes its value by that bit.
    QTest::mouseClick(frame.BinaryWord, Qt::LeftButton, {}, frame.BinaryWord->BitRect(5).center());
    EXPECT_EQ(fieldRow(frame, 26), u"x[1 Errors]00000030/Level"_s);
    EXPECT_EQ(frame.FlagHexA() + u' ' + frame.BinaryWord->Text(), u"$0000A011 0000 0000 0000 0000 1010 0000 0001 0001"_s);
    // A digit on the value asks for the number, offering the digit.
    desktop.numberAnswers = {1};
    QTest::keyClick(frame.GridBits, Qt::Key_2);
    EXPECT_EQ(desktop.numberQuestions.back().value, 2);
    EXPECT_EQ(desktop.numberQuestions.back().maximum, 3);
    EXPECT_EQ(fieldRow(frame, 26), u"x[1 Errors]00000030/Level"_s);

    // The order change mirrors the field's place, not its value.
    frame.CHB_Bottom->click();
    EXPECT_EQ(QString(fieldRow(frame, 26) + u' ' + frame.FlagHexA()), u"x[1 Errors]0C000000/Level $84050000"_s);
    frame.CHB_Bottom->click();
    EXPECT_EQ(QString(fieldRow(frame, 26) + u' ' + frame.FlagHexA()), u"x[1 Errors]00000030/Level $0000A011"_s);
    chooseFieldValue(26, u"2 Warnings"_s);

    choose(u"MI_BF_Save"_s);
    EXPECT_TRUE(folder.read(u"MyappAccessFlags.bfi"_s).contains(levelSection));
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t *>(folder.read(u"MyappAccessFlags.bfx"_s).constData() + 2))
                  .split(u"\r\n"_s)
                  .at(26),
              u"True;00000030;Level;"_s);
    const QString saved = QString(shown(frame)).remove(frame.GB_BitFrame->title());

    // Save As into another folder, loaded by a frame of its own.
    QDir(path(QString())).mkdir(u"copy"_s);
    desktop.fileAnswers = {path(u"copy/Other.bfi"_s)};
    choose(u"MI_BF_SaveAs"_s);
    EXPECT_TRUE(folder.read(u"copy/MyappAccessFlags.bfi"_s).contains(levelSection));

    choose(u"MI_BF_Clear"_s);
    EXPECT_EQ(frame.GridBits->RowCount(), 32);
    EXPECT_EQ(fieldRow(frame, 26), u"-[]00000020/"_s);
    EXPECT_TRUE(frame.FieldValueNames().isEmpty());

    // Loaded alone, the settings file gives the field its value; opened
    // from a flag line, the line decides.
    desktop.fileAnswers = {path(u"MyappAccessFlags.bfx"_s)};
    choose(u"MI_BF_Load"_s);
    EXPECT_EQ(QString(fieldRow(frame, 26) + u' ' + frame.FlagHexA()), u"x[2 Warnings]00000030/Level $0000A021"_s);
    openAsFromIniLine();
    frame.SetFlagHexA(u"$0000A021"_s);
    EXPECT_EQ(QString(shown(frame)).remove(frame.GB_BitFrame->title()), saved); // all but the caption
    TBitFrame copy;
    copy.LoadFlagFiles(path(u"copy/MyappAccessFlags"_s));
    copy.SetFlagHexA(u"$0000A021"_s);
    EXPECT_EQ(fieldRow(copy, 26), u"x[2 Warnings]00000030/Level"_s);

    frame.GridBits->SetSelectedCell(0, 26);
    choose(u"MI_BF_SplitField"_s);
    EXPECT_EQ(frame.GridBits->RowCount(), 32);
    EXPECT_EQ(QString(fieldRow(frame, 26) + u' ' + fieldRow(frame, 27)), u"x[]00000020/Level -[]00000010/"_s);
    EXPECT_EQ(frame.FlagHexA(), u"$0000A021"_s);
    EXPECT_TRUE(desktop.messageTexts().isEmpty()) << desktop.messageTexts().join(u'\n').toStdString();
}

// What cannot be a field is refused, in the dialog or after it; the table stays as it was.
TEST_F(BitFrameTest, FieldBitsThatAreNotEachARowAreRefused)
{
    makeField(27, {4, 2}, u"Level"_s, {});
    const QString before = shown(frame);
    makeField(25, {5, 2}, u"Mode"_s, {}); // bit 5 is half of Level
    makeField(26, {4, 2}, u"Level"_s, {{u"4"_s, u"Four"_s, {}}}); // the dialog stays open
    EXPECT_EQ(shown(frame), before);
    EXPECT_EQ(desktop.messageTexts(),
              QStringList({u"Bits 5 to 6 cannot become one field: a row holds bits inside and outside them, or one of "
                           "them has no row"_s,
                           u"4 does not fit in 2 bits: the values are 0 to 3"_s}));
    // Run on the field row, the dialog moves the field: its old bits are rows again.
    makeField(26, {8, 3}, u"Mode"_s, {{u"5"_s, u"Five"_s, {}}});
    EXPECT_EQ(QStringList({frame.GridBits->Cells(1, 21), frame.GridBits->Cells(2, 21), frame.GridBits->Cells(1, 24),
                           frame.GridBits->Cells(2, 24)}),
              QStringList({u"00000700"_s, u"Mode"_s, u"00000020"_s, QString()}));
    EXPECT_EQ(frame.FieldValueNames().keys(), QList<quint32>{0x700});
}

} // namespace
