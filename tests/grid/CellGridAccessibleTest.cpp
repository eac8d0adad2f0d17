#include "ViewTestSupport.h"

#include "grid/InplaceEdit.h"
#include "support/QStringPrinting.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class AccessibleGrid : public ::testing::Test
{
protected:
    AccessibleGrid()
    {
        shown.grid.SetOptions({goHeader, goGrid, goFooter});
        const QStringList captions{u"Bit"_s, u"Hex Value"_s, u"Name (Mask)"_s, u"Used for"_s};
        for (int col = 0; col < 4; ++col)
            shown.grid.Columns[col]->Header().SetCaption(captions[col]);
        shown.grid.Cell(2, 3).SetAsString(u"bfWrite"_s);
        shown.grid.OnChange = [this, logged = shown.grid.OnChange](TCustomCellGrid *sender, int col, int row) {
            logged(sender, col, row);
            sumTicks();
        };
        sumTicks();
        table = QAccessible::queryAccessibleInterface(&shown.grid);
        shown.log.lines.clear();
    }

    // The footer of ColHex counts the ticked rows, as a word would follow them.
    void sumTicks()
    {
        int ticked = 0;
        for (int row = 0; row < shown.grid.RowCount(); ++row)
            ticked += shown.grid.Cell(0, row).AsBoolean() ? 1 : 0;
        shown.ColHex->Footer().SetCaption(QString::number(ticked));
    }

    QAccessibleInterface *cell(int row, int column) const { return table->tableInterface()->cellAt(row, column); }

    ShownGrid shown;
    QAccessibleInterface *table = nullptr;
};

TEST_F(AccessibleGrid, IsATableOfTheShownColumnsWithCaptionsCellsAndFooter)
{
    ASSERT_NE(table, nullptr);
    QAccessibleTableInterface *cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(cells->rowCount(), 8);
    EXPECT_EQ(cells->columnCount(), 4);
    EXPECT_EQ(cells->columnDescription(2), u"Name (Mask)");
    EXPECT_EQ(cell(3, 2)->text(QAccessible::Name), u"bfWrite");
    EXPECT_EQ(cell(3, 1)->text(QAccessible::Name), u"00000003");
    EXPECT_EQ(cell(3, 2)->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
              u"Name (Mask)");
    // Header cells, 8 rows of 4 cells, the footer row.
    EXPECT_EQ(table->childCount(), 4 + 32 + 1);
    EXPECT_EQ(table->indexOfChild(cell(3, 2)), 4 + 3 * 4 + 2);
    EXPECT_EQ(table->child(4 + 3 * 4 + 2), cell(3, 2));
    EXPECT_EQ(cells->summary(), table->child(36));
    EXPECT_EQ(cells->summary()->text(QAccessible::Name), u"Hex Value 0");

    shown.ColHex->SetVisible(false);
    EXPECT_EQ(cells->columnCount(), 3);
    EXPECT_EQ(cells->columnDescription(1), u"Name (Mask)");
    EXPECT_EQ(cell(3, 1)->text(QAccessible::Name), u"bfWrite");
}

TEST_F(AccessibleGrid, CheckBoxCellsAreCheckableAndTickedByTheirToggleAsSpaceTicksThem)
{
    QAccessibleInterface *box = cell(5, 0);
    ASSERT_TRUE(box->state().checkable);
    EXPECT_FALSE(box->state().checked);
    EXPECT_EQ(box->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::toggleAction()});
    EXPECT_FALSE(cell(5, 2)->state().checkable);
    EXPECT_TRUE(cell(5, 2)->actionInterface()->actionNames().isEmpty());

    shown.grid.SetSelectedCell(0, 4);
    shown.key(Qt::Key_Space, u" "_s);
    const QStringList bySpace = std::exchange(shown.log.lines, {});
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QStringList byAction = shown.log.lines;
    byAction.replaceInStrings(u" 5"_s, u" 4"_s);
    EXPECT_EQ(byAction, bySpace);
    EXPECT_TRUE(box->state().checked);
    EXPECT_EQ(table->tableInterface()->summary()->text(QAccessible::Name), u"Hex Value 2");

    shown.grid.SetReadOnly(true);
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(box->state().checked);
}

TEST_F(AccessibleGrid, TheSelectedCellIsTheFocus)
{
    EXPECT_EQ(table->focusChild(), cell(0, 0));
    shown.key(Qt::Key_Down);
    shown.key(Qt::Key_Right);
    EXPECT_EQ(table->focusChild(), cell(1, 1));
    EXPECT_TRUE(cell(1, 1)->state().focused);
    EXPECT_FALSE(cell(0, 0)->state().focused);
    shown.grid.clearFocus();
    EXPECT_EQ(table->focusChild(), nullptr);
    EXPECT_FALSE(cell(1, 1)->state().focused);
}

// A screen reader names the in-place editor after the cell it edits.
TEST_F(AccessibleGrid, TheEditorIsNamedAfterItsColumnAndRow)
{
    shown.grid.SetSelectedCell(2, 3);
    shown.key(Qt::Key_A, u"a"_s);
    ASSERT_NE(shown.grid.inplaceEditor(), nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(shown.grid.inplaceEditor())->text(QAccessible::Name),
              u"Name (Mask), row 4");
}

} // namespace
