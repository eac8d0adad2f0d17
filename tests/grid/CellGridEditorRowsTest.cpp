// An open in-place editor belongs to its cell, not to a row number: rows
// inserted or deleted above it move it along, and a change that takes its
// cell away closes it without storing anything.
#include "GridTestSupport.h"
#include "ViewTestSupport.h"

#include "grid/GridEditorController.h"
#include "grid/InplaceEdit.h"
#include "support/TestFiles.h"

#include <QScrollBar>
#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList tableText(const TCustomCellGrid &grid)
{
    QStringList rows;
    for (int row = 0; row < grid.RowCount(); ++row)
        rows << rowText(grid, row);
    return rows;
}

// Rows 0..7, ColMask (column 2) holding "Mask<row>"; the editor is open on
// row 3 with the text "Edited".
struct EditorOnRowThree : ShownGrid
{
    EditorOnRowThree()
    {
        for (int row = 0; row < grid.RowCount(); ++row)
            grid.SetCells(2, row, QStringLiteral("Mask%1").arg(row));
        grid.editorController().openWithCellText({2, 3});
        grid.inplaceEditor()->setText(u"Edited"_qs);
        log.lines.clear();
    }
};

struct RowChangeCase : NamedCase
{
    std::function<void(TCellGrid &)> change;
    int editedRow; // where the editor's cell went; -1: it is gone and the editor closed
};

class EditorAfterRowChange : public ::testing::TestWithParam<RowChangeCase>
{
};

TEST_P(EditorAfterRowChange, StoresIntoItsOwnCellOrNowhere)
{
    EditorOnRowThree shown;
    GetParam().change(shown.grid);
    const QStringList tableBefore = tableText(shown.grid);
    shown.grid.ApplyEditing();
    const int row = GetParam().editedRow;
    if (row < 0) {
        EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
        EXPECT_EQ(tableText(shown.grid), tableBefore);
        EXPECT_FALSE(shown.log.lines.join(u' ').contains(u"OnEditAccept"_qs));
        return;
    }
    ASSERT_NE(shown.grid.inplaceEditor(), nullptr);
    EXPECT_EQ(shown.grid.editorController().cell(), (TCellAddress{2, row}));
    EXPECT_EQ(shown.grid.inplaceEditor()->geometry(), shown.grid.gridGeometry().cellContentRect(2, row));
    EXPECT_EQ(shown.grid.Cells(2, row), u"Edited"_qs);
    EXPECT_EQ(tableText(shown.grid).join(u'\n').count(u"Edited"_qs), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditorAfterRowChange,
    ::testing::Values(RowChangeCase{{"InsertAbove"}, [](TCellGrid &g) { g.InsertRow(0); }, 4},
                      RowChangeCase{{"InsertAtItsRow"}, [](TCellGrid &g) { g.InsertRow(3); }, 4},
                      RowChangeCase{{"InsertBelow"}, [](TCellGrid &g) { g.InsertRow(4); }, 3},
                      RowChangeCase{{"Append"}, [](TCellGrid &g) { g.AddRow(2); }, 3},
                      RowChangeCase{{"DeleteAbove"}, [](TCellGrid &g) { g.DeleteRow(1); }, 2},
                      RowChangeCase{{"DeleteBelow"}, [](TCellGrid &g) { g.DeleteRow(4); }, 3},
                      RowChangeCase{{"DeleteItsRow"}, [](TCellGrid &g) { g.DeleteRow(3); }, -1},
                      RowChangeCase{{"ShrinkBelowIt"}, [](TCellGrid &g) { g.SetRowCount(2); }, -1},
                      RowChangeCase{{"Clear"}, [](TCellGrid &g) { g.ClearRows(); }, -1},
                      RowChangeCase{{"ClearAndRefill"},
                                    [](TCellGrid &g) {
                                        g.ClearRows();
                                        g.AddRow(32);
                                    },
                                    -1},
                      RowChangeCase{{"Sort"}, [](TCellGrid &g) { g.SortByColumn(1); }, -1}),
    CaseName());

TEST(CellGridEditorRows, ClickAfterClearingAndRefillingLeavesTheNewCellEmpty)
{
    ShownGrid shown;
    shown.grid.SetCells(2, 5, u"Old"_qs);
    shown.click(shown.cellCentre(2, 5));
    ASSERT_NE(shown.grid.inplaceEditor(), nullptr);
    shown.grid.ClearRows();
    shown.grid.AddRow(32);
    shown.log.lines.clear();
    shown.click(shown.cellCentre(3, 10));
    EXPECT_EQ(shown.grid.Cells(2, 5), QString());
    EXPECT_FALSE(shown.log.lines.contains(u"OnChange 2 5"_qs));
}

TEST(CellGridEditorRows, ClosingForAGoneCellKeepsTheFocusInTheGrid)
{
    EditorOnRowThree shown;
    ASSERT_TRUE(shown.grid.inplaceEditor()->hasFocus());
    shown.grid.DeleteRow(3);
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
    EXPECT_TRUE(shown.grid.hasFocus());
    EXPECT_FALSE(shown.log.lines.join(u' ').contains(u"OnEndEditing"_qs));
}

TEST(CellGridEditorRows, LoadingAFileClosesTheEditorAndTheScrollRangeCoversTheLoadedRows)
{
    TestFolder folder;
    QString lines;
    for (int row = 0; row < 100; ++row)
        lines += QStringLiteral("False;%1;Mask;Label\r\n").arg(row);
    folder.write(u"t.bfx"_qs, utf16LeFile(lines));
    EditorOnRowThree shown;
    shown.grid.LoadFromTextFile(folder.path(u"t.bfx"_qs), u';', u'|');
    EXPECT_EQ(shown.grid.inplaceEditor(), nullptr);
    EXPECT_EQ(shown.grid.Cells(2, 3), u"Mask"_qs);
    EXPECT_EQ(shown.grid.verticalScrollBar()->maximum(), 100 - shown.grid.gridGeometry().pageRows());
}

} // namespace
