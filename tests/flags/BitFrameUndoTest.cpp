#include "BitFrameFixture.h"

#include "flags/BinaryWordStrip.h"
#include "grid/CellGrid.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QTest>
#include <QUndoStack>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct UndoCase
{
    const char *name;
    std::function<void()> act;
};

// Each case acts on the table the cases before it left.
TEST_F(BitFrameTest, EveryActionIsOneStepThatUndoRestoresAndRedoRepeats)
{
    QStringList forty;
    for (int row = 0; row < 40; ++row)
        forty << (row == 3 ? u"True;10000000;Loaded;From a file"_s : u"False;00000000;;"_s);
    folder.write(u"Forty.bfx"_s, gridTextFile(forty));
    desktop.fileAnswers = {path(u"Forty.bfi"_s)};
    const UndoCase cases[] = {
        {"a field made of bits 4 and 5",
         [this] { makeField(26, {4, 2}, u"Level"_s, {{u"2"_s, u"Warnings"_s, {}}, {u"3"_s, u"All"_s, {}}}); }},
        {"a field's value chosen", [this] { chooseFieldValue(26, u"2 Warnings"_s); }},
        {"a field's values named anew", [this] { makeField(26, {4, 2}, u"Level"_s, {{u"1"_s, u"Errors"_s, {}}}); }},
        {"a field split", [this] {
             frame.GridBits->SetSelectedCell(0, 26);
             choose(u"MI_BF_SplitField"_s);
         }},
        {"a name typed in place", [this] { typeInPlace(2, 16, u"Owner"_s); }},
        {"a description typed in place", [this] { typeInPlace(3, 16, u"Owner may change rights"_s); }},
        {"a tick", [this] { toggle(30); }},
        {"a value entered", [this] { enterValue(frame, u"0b1000_0000_0000_0000_1010_0000_0000_0001"_s); }},
        {"a hex text written", [this] { frame.SetFlagHexA(u"$0000A001"_s); }},
        {"a click on the binary strip",
         [this] {
             QTest::mouseClick(frame.BinaryWord, Qt::LeftButton, {}, frame.BinaryWord->BitRect(1).center());
         }},
        {"a tick through the table's toggle action for a screen reader",
         [this] {
             doToggleAction(QAccessible::queryAccessibleInterface(frame.GridBits)->tableInterface()->cellAt(29, 0));
         }},
        {"a bit of the binary strip toggled by a screen reader",
         [this] { doToggleAction(QAccessible::queryAccessibleInterface(frame.BinaryWord)->child(31 - 4)); }},
        {"Load, the boxes visited after it",
         [this] {
             choose(u"MI_BF_Load"_s);
             QApplication::setActiveWindow(&frame);
             const std::initializer_list<QWidget *> visited{frame.CBX_Section, frame.CBX_Label, frame.CBX_Prefix,
                                                            frame.GridBits};
             for (QWidget *box : visited)
                 box->setFocus();
         }},
        {"the order change", [this] { frame.CHB_Bottom->click(); }},
        {"Clear, of every name and the files in use", [this] { choose(u"MI_BF_Clear"_s); }},
    };
    frame.show();
    for (const UndoCase &c : cases) {
        const QString before = shown(frame);
        const int steps = frame.UndoStack()->count();
        c.act();
        const QString after = shown(frame);
        ASSERT_NE(after, before) << c.name;
        EXPECT_EQ(frame.UndoStack()->count(), steps + 1) << c.name;
        choose(u"MI_BF_Undo"_s);
        EXPECT_EQ(shown(frame), before) << c.name;
        EXPECT_TRUE(frame.MI_BF_Redo->isEnabled()) << c.name;
        choose(u"MI_BF_Redo"_s);
        EXPECT_EQ(shown(frame), after) << c.name;
    }
    EXPECT_TRUE(desktop.messageTexts().isEmpty());
}

TEST_F(BitFrameTest, ANewActionDropsTheStepsToRedo)
{
    EXPECT_FALSE(frame.MI_BF_Undo->isEnabled() || frame.MI_BF_Redo->isEnabled());
    toggle(31);
    toggle(30);
    choose(u"MI_BF_Undo"_s);
    EXPECT_TRUE(frame.MI_BF_Undo->isEnabled() && frame.MI_BF_Redo->isEnabled());
    toggle(0);
    EXPECT_FALSE(frame.MI_BF_Redo->isEnabled());
    choose(u"MI_BF_Redo"_s);
    EXPECT_EQ(frame.FlagHexA(), u"$80000001"_s);
    choose(u"MI_BF_Undo"_s);
    choose(u"MI_BF_Undo"_s);
    EXPECT_EQ(frame.FlagHexA(), u"$00000000"_s);
    EXPECT_FALSE(frame.MI_BF_Undo->isEnabled());
}

} // namespace
