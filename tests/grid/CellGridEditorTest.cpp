#include "GridTestSupport.h"
#include "ViewTestSupport.h"

#include "grid/GridEditorController.h"
#include "grid/InplaceEdit.h"

#include <QApplication>
#include <QKeyEvent>

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct EditingGrid : ShownGrid
{
    EditingGrid()
    {
        grid.Cell(2, 1).SetAsString(u"Old"_qs);
        grid.SetSelectedCell(2, 1);
        log.lines.clear();
    }
};

TEST(CellGridEditor, TypingOpensTheEditorWithTheTypedCharacter)
{
    EditingGrid shown;
    shown.key(Qt::Key_X, u"x"_qs);
    ASSERT_NE(shown.grid.inplaceEditor(), nullptr);
    EXPECT_EQ(shown.grid.inplaceEditor()->text(), u"x"_qs);
    EXPECT_EQ(shown.log.lines, QStringList{u"OnBeforeEdit 2 1"_qs});
}

TEST(CellGridEditor, EnterAppliesClosesAndReturnsTheFocus)
{
    EditingGrid shown;
    shown.key(Qt::Key_N, u"N"_qs);
    shown.key(Qt::Key_E, u"e"_qs);
    shown.key(Qt::Key_Return);
    EXPECT_EQ(shown.grid.Cells(2, 1), u"Ne"_qs);
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
    EXPECT_TRUE(shown.grid.hasFocus());
    EXPECT_EQ(shown.log.lines, (QStringList{u"OnBeforeEdit 2 1"_qs, u"OnEditAccept 2 1 Ne"_qs, u"OnChange 2 1"_qs,
                                             u"OnAfterEdit 2 1 Ne"_qs, u"OnEndEditing 2 1"_qs}));
}

TEST(CellGridEditor, EscapeDiscards)
{
    EditingGrid shown;
    shown.key(Qt::Key_N, u"N"_qs);
    shown.key(Qt::Key_Escape);
    EXPECT_EQ(shown.grid.Cells(2, 1), u"Old"_qs);
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
    EXPECT_FALSE(shown.log.lines.contains(u"OnChange 2 1"_qs));
}

TEST(CellGridEditor, TabAppliesAndMovesToTheNextColumn)
{
    EditingGrid shown;
    shown.grid.SetWantTabs(true);
    shown.key(Qt::Key_N, u"N"_qs);
    shown.key(Qt::Key_Tab);
    EXPECT_EQ(shown.grid.Cells(2, 1), u"N"_qs);
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
    EXPECT_EQ(shown.grid.SelectedColumn(), 3);
    EXPECT_EQ(shown.grid.SelectedRow(), 1);
}

TEST(CellGridEditor, ArrowsHomeAndEndStayInTheEditor)
{
    EditingGrid shown;
    shown.key(Qt::Key_A, u"a"_qs);
    shown.key(Qt::Key_B, u"b"_qs);
    for (const int key : {Qt::Key_Home, Qt::Key_Up, Qt::Key_Down, Qt::Key_End, Qt::Key_Left})
        shown.key(key);
    EXPECT_EQ(shown.grid.SelectedRow(), 1);
    ASSERT_NE(shown.grid.inplaceEditor(), nullptr);
    EXPECT_EQ(shown.grid.inplaceEditor()->cursorPosition(), 1);
}

TEST(CellGridEditor, EndEditingRefusalKeepsTheEditorOpen)
{
    EditingGrid shown;
    shown.grid.OnEndEditing = [](TCustomCellGrid *, int, int, QString &, bool &Accept) { Accept = false; };
    shown.key(Qt::Key_N, u"N"_qs);
    shown.key(Qt::Key_Return);
    EXPECT_EQ(shown.grid.Cells(2, 1), u"N"_qs);
    EXPECT_NE(shown.grid.inplaceEditor(), nullptr);
}

TEST(CellGridEditor, RefusedBeforeEditKeepsTheEditorClosed)
{
    EditingGrid shown;
    shown.grid.OnBeforeEdit = [](TCustomCellGrid *, int, int, bool &Accept) { Accept = false; };
    shown.key(Qt::Key_N, u"N"_qs);
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
}

TEST(CellGridEditor, EditorTakesMaxLengthAndPasswordChar)
{
    EditingGrid shown;
    shown.ColMask->SetMaxLength(3);
    shown.ColMask->SetPasswordChar(u'*');
    shown.grid.editorController().openWithCellText({2, 1});
    TInplaceEdit *editor = shown.grid.inplaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->maxLength(), 3);
    EXPECT_EQ(editor->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(editor->hasFrame());
}

// The editor stores its text even when unchanged, so it must hold all of it.
TEST(CellGridEditor, ACellLongerThanALineEditsDefaultSurvivesOpeningAndClickingAway)
{
    EditingGrid shown;
    QString longText;
    for (int part = 0; part < 4000; ++part)
        longText += QStringLiteral("%1").arg(part, 10, 10, QLatin1Char('.'));
    ASSERT_EQ(longText.size(), 40000);
    shown.grid.SetCells(2, 1, longText);
    shown.click(shown.cellCentre(2, 1));
    ASSERT_NE(shown.grid.inplaceEditor(), nullptr);
    shown.click(shown.cellCentre(3, 4));
    EXPECT_EQ(shown.grid.Cells(2, 1), longText);
}

TEST(CellGridEditor, EditorTakesTheCellBackground)
{
    EditingGrid shown;
    shown.grid.Cell(2, 1).SetColor(QColor(12, 34, 56));
    shown.key(Qt::Key_N, u"N"_qs);
    EXPECT_EQ(shown.grid.inplaceEditor()->palette().color(QPalette::Base), QColor(12, 34, 56));
}

TEST(CellGridEditor, ApplyEditingStoresWithoutClosing)
{
    EditingGrid shown;
    shown.key(Qt::Key_N, u"N"_qs);
    shown.grid.ApplyEditing();
    EXPECT_EQ(shown.grid.Cells(2, 1), u"N"_qs);
    EXPECT_NE(shown.grid.inplaceEditor(), nullptr);
}

TEST(CellGridEditor, FocusLeavingTheGridAppliesAndCloses)
{
    EditingGrid shown;
    QLineEdit elsewhere;
    elsewhere.show();
    shown.key(Qt::Key_N, u"N"_qs);
    QApplication::setActiveWindow(&elsewhere);
    elsewhere.setFocus();
    EXPECT_EQ(shown.grid.Cells(2, 1), u"N"_qs);
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
}

TEST(CellGridEditor, WidthChangeMovesTheOpenEditorWithItsCell)
{
    EditingGrid shown;
    shown.key(Qt::Key_N, u"N"_qs);
    shown.ColHex->SetWidth(100);
    EXPECT_EQ(shown.grid.inplaceEditor()->geometry(), shown.grid.gridGeometry().cellContentRect(2, 1));
}

TEST(CellGridEditor, HidingTheEditedColumnStoresAndClosesTheEditor)
{
    EditingGrid shown;
    shown.key(Qt::Key_N, u"N"_qs);
    shown.ColMask->SetVisible(false);
    EXPECT_EQ(shown.grid.Cells(2, 1), u"N"_qs);
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
    EXPECT_TRUE(shown.grid.hasFocus());
    shown.key(Qt::Key_X, u"x"_qs); // no editor opens over the hidden cell
    EXPECT_EQ(shown.grid.Cells(2, 1), u"N"_qs);
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
}

// --- Keys on the grid ---------------------------------------------------------

struct KeyCase : NamedCase
{
    int key;
    Qt::KeyboardModifiers modifiers;
    int expectedCol;
    int expectedRow;
};

class CellGridKeys : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(CellGridKeys, MoveTheSelection)
{
    ShownGrid shown(40);
    shown.grid.SetWantTabs(true);
    shown.grid.SetSelectedCell(1, 20);
    shown.key(GetParam().key, {}, GetParam().modifiers);
    EXPECT_EQ(shown.grid.SelectedColumn(), GetParam().expectedCol);
    EXPECT_EQ(shown.grid.SelectedRow(), GetParam().expectedRow);
    const QRect visible = shown.grid.gridGeometry().dataArea();
    EXPECT_TRUE(visible.contains(shown.grid.gridGeometry().cellRect(1, shown.grid.SelectedRow()).center()));
}

// 300 - 18 header pixels leave 282 for rows of 16: 17 rows a page (less
// the horizontal scroll bar's height when it shows).
INSTANTIATE_TEST_SUITE_P(Keys, CellGridKeys,
                         ::testing::Values(KeyCase{{"Down"}, Qt::Key_Down, {}, 1, 21},
                                           KeyCase{{"Up"}, Qt::Key_Up, {}, 1, 19},
                                           KeyCase{{"Left"}, Qt::Key_Left, {}, 0, 20},
                                           KeyCase{{"Right"}, Qt::Key_Right, {}, 2, 20},
                                           KeyCase{{"Home"}, Qt::Key_Home, {}, 1, 0},
                                           KeyCase{{"End"}, Qt::Key_End, {}, 1, 39},
                                           KeyCase{{"Tab"}, Qt::Key_Tab, {}, 2, 20},
                                           KeyCase{{"ShiftTab"}, Qt::Key_Backtab, Qt::ShiftModifier, 0, 20}),
                         CaseName());

TEST(CellGridKeysPage, PageDownMovesByOnePageOfRows)
{
    ShownGrid shown(100);
    const int page = shown.grid.gridGeometry().pageRows();
    shown.key(Qt::Key_PageDown);
    EXPECT_EQ(shown.grid.SelectedRow(), page);
    shown.key(Qt::Key_PageUp);
    EXPECT_EQ(shown.grid.SelectedRow(), 0);
}

TEST(CellGridKeysSpace, SpaceTicksTheSelectedCheckBox)
{
    ShownGrid shown;
    shown.grid.SetSelectedCell(0, 5);
    shown.key(Qt::Key_Space, u" "_qs);
    EXPECT_TRUE(shown.grid.Cell(0, 5).AsBoolean());
    EXPECT_EQ(shown.log.lines, (QStringList{u"OnBeforeEdit 0 5"_qs, u"OnEditAccept 0 5 True"_qs, u"OnChange 0 5"_qs,
                                             u"OnAfterEdit 0 5 True"_qs}));
}

TEST(CellGridKeysDisabled, DisableKeysIgnoresEveryKey)
{
    ShownGrid shown;
    shown.grid.SetOptions({goHeader, goGrid, goDisableKeys});
    shown.grid.SetSelectedCell(0, 5);
    shown.key(Qt::Key_Space, u" "_qs);
    shown.key(Qt::Key_Down);
    shown.grid.SetSelectedCell(2, 5);
    shown.key(Qt::Key_X, u"x"_qs);
    EXPECT_FALSE(shown.grid.Cell(0, 5).AsBoolean());
    EXPECT_EQ(shown.grid.SelectedRow(), 5);
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
}

TEST(CellGridKeysTab, TabAtTheLastCellLeavesTheGrid)
{
    QWidget window;
    auto *next = new QLineEdit(&window);
    ShownGrid shown(2, &window);
    next->move(0, 310);
    shown.grid.SetWantTabs(true);
    shown.grid.SetSelectedCell(3, 1);
    shown.key(Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
}

struct LeavingCase
{
    const char *name;
    int key;
    Qt::KeyboardModifiers modifiers;
    bool editing; // an editor is open on the cell
    bool forward;
};

// The grid keeps Tab for its cells, yet the keyboard can always leave it.
TEST(CellGridKeysTab, ControlTabLeavesTheGridFromAnyCell)
{
    const Qt::KeyboardModifiers controlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const LeavingCase cases[] = {
        {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, false, true},
        {"Ctrl+Shift+Tab", Qt::Key_Backtab, controlShift, false, false},
        {"Ctrl+Tab in the editor", Qt::Key_Tab, Qt::ControlModifier, true, true},
        {"Ctrl+Shift+Tab in the editor", Qt::Key_Backtab, controlShift, true, false},
    };
    for (const LeavingCase &c : cases) {
        QWidget window;
        auto *before = new QLineEdit(&window);
        ShownGrid shown(4, &window);
        auto *after = new QLineEdit(&window);
        before->move(0, 310);
        after->move(0, 340);
        after->show();
        shown.grid.SetWantTabs(true);
        shown.grid.SetSelectedCell(2, 1);
        if (c.editing)
            shown.key(Qt::Key_X, u"X"_qs);
        shown.key(c.key, {}, c.modifiers);
        EXPECT_TRUE((c.forward ? after : before)->hasFocus()) << c.name;
        EXPECT_EQ(shown.grid.SelectedColumn(), 2) << c.name;
        EXPECT_EQ(shown.grid.Cells(2, 1), c.editing ? u"X"_qs : QString()) << c.name;
    }
}

TEST(CellGridKeysReturn, EnterWithoutWantReturnsIsLeftToTheWindow)
{
    ShownGrid shown;
    shown.grid.SetSelectedCell(1, 2);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&shown.grid, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(shown.grid.SelectedRow(), 2);
}

} // namespace
