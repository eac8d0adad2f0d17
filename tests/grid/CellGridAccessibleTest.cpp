#include "ViewTestSupport.h"

#include "grid/CellGridAccessible.h"
#include "grid/InplaceEdit.h"
#include "support/QStringPrinting.h"

#include <QAccessible>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The grid as assistive technology reads it: a shown grid with captions and a footer.
class AccessibleGrid : public ::testing::Test
{
protected:
    AccessibleGrid()
    {
        shown.grid.SetOptions({goHeader, goGrid, goFooter});
        for (const int col : {0, 1, 2, 3})
            shown.grid.Columns[col]->Header().SetCaption(QStringList{u"Bit"_s, u"Hex"_s, u"Name"_s, u"Used for"_s}[col]);
        shown.grid.Cell(2, 3).SetAsString(u"bfWrite"_s);
        shown.log.lines.clear();
    }

    QAccessibleInterface *cell(int row, int column) const { return table->tableInterface()->cellAt(row, column); }

    ShownGrid shown;
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&shown.grid);
};

// Header cells, 8 rows of 4 cells, the footer row; hidden columns are left out.
TEST_F(AccessibleGrid, ChildrenAreTheHeaderTheCellsRowByRowAndTheFooter)
{
    ASSERT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->childCount(), 4 + 8 * 4 + 1);
    EXPECT_EQ(table->child(4 + 3 * 4 + 2), cell(3, 2));
    EXPECT_EQ(table->indexOfChild(cell(3, 2)), 4 + 3 * 4 + 2);
    EXPECT_EQ(cell(3, 2)->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name), u"Name");
    EXPECT_EQ(table->child(36), table->tableInterface()->summary());

    QAccessibleInterface *hex = cell(3, 1);
    shown.ColHex->SetVisible(false);
    EXPECT_EQ(table->indexOfChild(hex), -1) << "a hidden column's cell";
    ShownGrid other;
    EXPECT_EQ(table->indexOfChild(QAccessible::queryAccessibleInterface(&other.grid)->tableInterface()->cellAt(0, 0)),
              -1) << "another table's cell";
    EXPECT_EQ(table->tableInterface()->columnCount(), 3);
    EXPECT_EQ(table->tableInterface()->columnDescription(1), u"Name");
    EXPECT_EQ(cell(3, 1)->text(QAccessible::Name), u"bfWrite");
    EXPECT_EQ(dynamic_cast<TCellGridAccessible *>(table)->headerInterface(1), nullptr) << "a hidden column's header";
}

// The toggle raises what Space raises, and a read-only grid refuses both.
TEST_F(AccessibleGrid, TheToggleActionTicksAsSpaceDoes)
{
    QAccessibleInterface *box = cell(5, 0);
    EXPECT_FALSE(box->state().checked);
    EXPECT_TRUE(cell(5, 2)->actionInterface()->actionNames().isEmpty()) << "a text cell has nothing to toggle";
    shown.grid.SetSelectedCell(0, 4);
    shown.key(Qt::Key_Space, u" "_s);
    const QStringList bySpace = std::exchange(shown.log.lines, {});
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(shown.log.lines.replaceInStrings(u" 5"_s, u" 4"_s), bySpace);
    EXPECT_TRUE(box->state().checked);
    shown.grid.SetReadOnly(true);
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(box->state().checked);
}

TEST_F(AccessibleGrid, TheSelectedCellIsTheFocusAndTheEditorIsNamedAfterItsCell)
{
    shown.key(Qt::Key_Down);
    shown.key(Qt::Key_Right);
    EXPECT_EQ(table->focusChild(), cell(1, 1));
    EXPECT_TRUE(cell(1, 1)->state().focused);
    shown.key(Qt::Key_Right);
    shown.key(Qt::Key_A, u"a"_s);
    ASSERT_NE(shown.grid.inplaceEditor(), nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(shown.grid.inplaceEditor())->text(QAccessible::Name),
              u"Name, row 2");
}

} // namespace
