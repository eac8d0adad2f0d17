#include "grid/GridAccessibleEvents.h"

#include "grid/CellGrid.h"
#include "grid/CellGridAccessible.h"
#include "grid/CheckBoxColumn.h"

namespace {

TCellGridAccessible *listenedTo(TCellGrid &grid)
{
    if (!QAccessible::isActive())
        return nullptr;
    return dynamic_cast<TCellGridAccessible *>(QAccessible::queryAccessibleInterface(&grid));
}

QAccessibleInterface *selectedCell(TCellGrid &grid)
{
    TCellGridAccessible *table = listenedTo(grid);
    return table ? table->cellInterface(grid.SelectedColumn(), grid.SelectedRow()) : nullptr;
}

void tellFocus(QAccessibleInterface *cell)
{
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace

namespace GridAccessibleEvents {

void selectionMoved(TCellGrid &grid)
{
    QAccessibleInterface *cell = selectedCell(grid);
    if (!cell)
        return;
    QAccessibleEvent selected(cell, QAccessible::Selection);
    QAccessible::updateAccessibility(&selected);
    if (grid.hasFocus())
        tellFocus(cell);
}

void focusEntered(TCellGrid &grid)
{
    if (QAccessibleInterface *cell = selectedCell(grid))
        tellFocus(cell);
}

void cellWritten(TCellGrid &grid, int ACol, int ARow)
{
    TCellGridAccessible *table = listenedTo(grid);
    QAccessibleInterface *cell = table ? table->cellInterface(ACol, ARow) : nullptr;
    if (!cell)
        return;
    if (dynamic_cast<const TCheckBoxColumn *>(grid.Columns[ACol])) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent change(cell, checked);
        QAccessible::updateAccessibility(&change);
    } else {
        QAccessibleEvent change(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&change);
    }
}

// A hidden column's header and footer are not shown, so nothing of them is told.
void partTextChanged(TCellGrid &grid, const TColumnPart &part)
{
    TCellGridAccessible *table = listenedTo(grid);
    const TCustomGridColumn &column = part.Column();
    if (!table || !column.Visible())
        return;
    QAccessibleInterface *changed =
        &part == &column.Header() ? table->headerInterface(column.Index()) : table->footerInterface();
    if (changed) {
        QAccessibleEvent change(changed, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&change);
    }
}

void tableChanged(TCellGrid &grid)
{
    TCellGridAccessible *table = listenedTo(grid);
    if (!table)
        return;
    // The table forgets its cells' interfaces as it is told.
    QAccessibleTableModelChangeEvent reset(&grid, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
}

} // namespace GridAccessibleEvents
