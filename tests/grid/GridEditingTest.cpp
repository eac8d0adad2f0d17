#include "GridTestSupport.h"

#include <gtest/gtest.h>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

TEST(CheckBoxToggle, RaisesAcceptChangeAfterEditAndTheColumnEventInOrder)
{
    BitTableGrid table(3);
    table.ColBit->OnChange = [&](TCheckBoxColumn *sender) {
        table.grid.log.add(u"Column OnChange %1"_s.arg(sender->Index()));
    };
    table.grid.ToggleCheckBox(0, 2);
    EXPECT_EQ(table.eventsOnly(), QStringList({u"OnEditAccept 0 2 True"_s, u"OnChange 0 2"_s,
                                               u"OnAfterEdit 0 2 True"_s}));
    EXPECT_EQ(table.grid.log.lines().last(), u"Column OnChange 0"_s);
    EXPECT_TRUE(table.grid.Cell(0, 2).AsBoolean());
    table.grid.log.clear();
    table.grid.ToggleCheckBox(0, 2);
    EXPECT_EQ(table.eventsOnly().first(), u"OnEditAccept 0 2 False"_s);
    EXPECT_FALSE(table.grid.Cell(0, 2).AsBoolean());
}

TEST(CheckBoxToggle, ARefusedValueStaysButTheColumnEventStillFollows)
{
    BitTableGrid table(1);
    table.grid.OnEditAccept = [&](TCustomCellGrid *, int, int, const QString &, bool &accept) {
        table.grid.log.add(u"refused"_s);
        accept = false;
    };
    table.ColBit->OnChange = [&](TCheckBoxColumn *) { table.grid.log.add(u"Column OnChange"_s); };
    table.grid.ToggleCheckBox(0, 0);
    EXPECT_FALSE(table.grid.Cell(0, 0).AsBoolean());
    EXPECT_EQ(table.grid.log.lines(), QStringList({u"refused"_s, u"Column OnChange"_s}));
}

TEST(CheckBoxToggle, OnlyCheckBoxCellsOfAWritableGridToggle)
{
    BitTableGrid table(1);
    table.grid.ToggleCheckBox(1, 0);
    table.grid.ToggleCheckBox(0, 1);
    table.grid.ToggleCheckBox(5, 0);
    EXPECT_TRUE(table.grid.log.lines().isEmpty());
    table.grid.SetReadOnly(true);
    EXPECT_FALSE(table.grid.CanToggleCell(0, 0));
    table.grid.ToggleCheckBox(0, 0);
    EXPECT_FALSE(table.grid.Cell(0, 0).AsBoolean());
    table.grid.SetReadOnly(false);
    EXPECT_TRUE(table.grid.CanToggleCell(0, 0));
    EXPECT_FALSE(table.grid.CanToggleCell(1, 0));
}

TEST(BeforeEdit, ReportsTheHandlersAnswer)
{
    BitTableGrid table(2);
    EXPECT_TRUE(table.grid.AcceptBeforeEdit(0, 1));
    table.grid.OnBeforeEdit = [](TCustomCellGrid *, int, int ARow, bool &accept) { accept = ARow != 1; };
    EXPECT_FALSE(table.grid.AcceptBeforeEdit(0, 1));
    EXPECT_TRUE(table.grid.AcceptBeforeEdit(0, 0));
}

TEST(ApplyEditText, RaisesAcceptTextStoresAndAfterEditInOrder)
{
    BitTableGrid table(2);
    table.grid.OnEditText = [&](TCustomCellGrid *, int c, int r, QString &value) {
        table.grid.log.add(u"OnEditText %1 %2 %3"_s.arg(c).arg(r).arg(value));
        value = value.toUpper();
    };
    EXPECT_TRUE(table.grid.ApplyEditText(2, 1, u"write"_s));
    EXPECT_EQ(table.eventsOnly(), QStringList({u"OnEditAccept 2 1 write"_s, u"OnEditText 2 1 write"_s,
                                               u"OnChange 2 1"_s, u"OnAfterEdit 2 1 WRITE"_s}));
    EXPECT_EQ(table.grid.Cells(2, 1), u"WRITE"_s);
}

TEST(ApplyEditText, StoresAnUnchangedTextAgain)
{
    BitTableGrid table(1);
    table.grid.SetCells(3, 0, u"same"_s);
    table.grid.log.clear();
    table.grid.ApplyEditText(3, 0, u"same"_s);
    EXPECT_TRUE(table.eventsOnly().contains(u"OnChange 3 0"_s));
}

TEST(ApplyEditText, ARefusalStoresNothing)
{
    BitTableGrid table(1);
    table.grid.OnEditAccept = [](TCustomCellGrid *, int, int, const QString &, bool &accept) { accept = false; };
    EXPECT_TRUE(table.grid.ApplyEditText(2, 0, u"new"_s));
    EXPECT_EQ(table.grid.Cells(2, 0), QString());
    EXPECT_TRUE(table.eventsOnly().isEmpty());
}

TEST(ApplyEditText, ACellThatNoLongerExistsIsOfferedButTakesNothing)
{
    BitTableGrid table(1);
    table.grid.ClearRows();
    table.grid.log.clear();
    EXPECT_FALSE(table.grid.ApplyEditText(2, 0, u"lost"_s));
    EXPECT_EQ(table.grid.log.lines(), QStringList{u"OnEditAccept 2 0 lost"_s});
    EXPECT_EQ(table.grid.RowCount(), 0);
}

TEST(ApplyEditText, ACellDeletedByTheAcceptHandlerTakesNothing)
{
    BitTableGrid table(2);
    table.grid.OnEditAccept = [](TCustomCellGrid *sender, int, int ARow, const QString &, bool &) {
        sender->DeleteRow(ARow);
    };
    EXPECT_FALSE(table.grid.ApplyEditText(2, 1, u"lost"_s));
    EXPECT_EQ(table.grid.RowCount(), 1);
    EXPECT_EQ(table.grid.Cells(2, 0), QString());
    EXPECT_FALSE(table.eventsOnly().join(u' ').contains(u"OnAfterEdit"_s));
}

TEST(EditorText, StartsWithTheCellTextThroughOnApplyEditText)
{
    BitTableGrid table(1);
    table.grid.SetCells(2, 0, u"Name"_s);
    EXPECT_EQ(table.grid.EditorText(2, 0), u"Name"_s);
    table.grid.OnApplyEditText = [](TCustomCellGrid *, int, int, QString &value) { value += u'!'; };
    EXPECT_EQ(table.grid.EditorText(2, 0), u"Name!"_s);
}

TEST(EndEditing, ReportsTheHandlersAnswerAndValue)
{
    BitTableGrid table(1);
    QString value = u"text"_s;
    EXPECT_TRUE(table.grid.AcceptEndEditing(2, 0, value));
    table.grid.OnEndEditing = [](TCustomCellGrid *, int, int, QString &v, bool &accept) {
        v = u"changed"_s;
        accept = false;
    };
    EXPECT_FALSE(table.grid.AcceptEndEditing(2, 0, value));
    EXPECT_EQ(value, u"changed"_s);
}

struct EditableCase : NamedCase
{
    std::function<void(BitTableGrid &)> setUp;
    int col;
    int row;
    bool editable;
};

class CanEditCell : public ::testing::TestWithParam<EditableCase>
{
};

TEST_P(CanEditCell, NeedsEditingEnabledTextColumnWritableGridAndCell)
{
    BitTableGrid table(2);
    for (TTextColumn *column : {table.ColHex, table.ColMask, table.ColLabel})
        column->SetOptions(TColumnOptions(column->Options()).Include(coEditing));
    GetParam().setUp(table);
    EXPECT_EQ(table.grid.CanEditCell(GetParam().col, GetParam().row), GetParam().editable);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CanEditCell,
    ::testing::Values(
        EditableCase{{"EditingTextColumn"}, [](BitTableGrid &) {}, 2, 1, true},
        EditableCase{{"CheckBoxColumn"}, [](BitTableGrid &t) { t.ColBit->SetOptions({coEditing}); }, 0, 1, false},
        EditableCase{{"WithoutEditing"}, [](BitTableGrid &t) { t.ColHex->SetOptions({coCanClick}); }, 1, 0, false},
        EditableCase{{"DisabledColumn"}, [](BitTableGrid &t) { t.ColMask->SetEnabled(false); }, 2, 0, false},
        EditableCase{{"ReadOnlyGrid"}, [](BitTableGrid &t) { t.grid.SetReadOnly(true); }, 3, 0, false},
        EditableCase{{"RowOutside"}, [](BitTableGrid &) {}, 2, 2, false},
        EditableCase{{"ColumnOutside"}, [](BitTableGrid &) {}, 4, 0, false}),
    CaseName());

} // namespace
