#include "grid/CellGridAccessible.h"

#include "grid/AccessibleFactory.h"
#include "grid/CellGrid.h"
#include "grid/GridCellAccessible.h"
#include "grid/GridPartAccessible.h"

namespace {

// Keys of the kept child interfaces: data cells by row and column, the
// header cells and the footer apart from them.
constexpr quint64 HeaderKey = quint64(1) << 63;
constexpr quint64 FooterKey = quint64(1) << 62;

quint64 cellKey(int ACol, int ARow)
{
    return (quint64(ARow) << 32) | quint32(ACol);
}

} // namespace

TCellGridAccessible::TCellGridAccessible(TCellGrid *grid)
    : QAccessibleWidget(grid, QAccessible::Table)
{
}

void TCellGridAccessible::installFactory()
{
    installAccessibleFactory<TCellGrid, TCellGridAccessible>();
}

TCellGrid *TCellGridAccessible::grid() const
{
    return static_cast<TCellGrid *>(widget());
}

TCustomGridColumn *TCellGridAccessible::visibleColumn(int column) const
{
    return grid()->Columns.VisibleItem(column);
}

QAccessibleInterface *TCellGridAccessible::cellInterface(int ACol, int ARow) const
{
    if (!grid()->CellExists(ACol, ARow) || !grid()->Columns[ACol]->Visible())
        return nullptr;
    return m_children.get(cellKey(ACol, ARow), [&] { return new TGridCellAccessible(grid(), ACol, ARow); });
}

QAccessibleInterface *TCellGridAccessible::headerInterface(int ACol) const
{
    if (!grid()->Options().Contains(goHeader) || ACol < 0 || ACol >= grid()->Columns.Count() ||
        !grid()->Columns[ACol]->Visible())
        return nullptr;
    return m_children.get(HeaderKey | quint32(ACol), [&] { return TGridPartAccessible::header(grid(), ACol); });
}

QAccessibleInterface *TCellGridAccessible::footerInterface() const
{
    if (!grid()->Options().Contains(goFooter))
        return nullptr;
    return m_children.get(FooterKey, [&] { return TGridPartAccessible::footer(grid()); });
}

void TCellGridAccessible::forgetCells()
{
    m_children.forget([](quint64 key) { return !(key & (HeaderKey | FooterKey)); });
}

// --- QAccessibleInterface ---------------------------------------------------

void *TCellGridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::Role TCellGridAccessible::role() const
{
    return QAccessible::Table;
}

// Without a description of its own, the grid is described by its hint.
QString TCellGridAccessible::text(QAccessible::Text type) const
{
    const QString own = QAccessibleWidget::text(type);
    if (type == QAccessible::Description && own.isEmpty())
        return grid()->Hint();
    return own;
}

int TCellGridAccessible::childCount() const
{
    const int headers = grid()->Options().Contains(goHeader) ? columnCount() : 0;
    const int footer = grid()->Options().Contains(goFooter) ? 1 : 0;
    return headers + rowCount() * columnCount() + footer;
}

QAccessibleInterface *TCellGridAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || columns == 0)
        return nullptr;
    if (grid()->Options().Contains(goHeader)) {
        if (index < columns)
            return headerInterface(visibleColumn(index)->Index());
        index -= columns;
    }
    if (index < rowCount() * columns)
        return cellAt(index / columns, index % columns);
    return index == rowCount() * columns ? footerInterface() : nullptr;
}

int TCellGridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    const int headers = grid()->Options().Contains(goHeader) ? columnCount() : 0;
    if (child->role() == QAccessible::Cell) {
        // Only a shown cell of this very table has a place among its children.
        const auto *cell = const_cast<QAccessibleInterface *>(child)->tableCellInterface();
        if (!cell || !child->isValid() || cell->table() != this || cell->columnIndex() < 0)
            return -1;
        return headers + cell->rowIndex() * columnCount() + cell->columnIndex();
    }
    for (int index = 0; index < headers; ++index) {
        if (this->child(index) == child)
            return index;
    }
    return child == footerInterface() ? headers + rowCount() * columnCount() : -1;
}

QAccessibleInterface *TCellGridAccessible::childAt(int x, int y) const
{
    const QPoint inViewport = grid()->viewport()->mapFromGlobal(QPoint(x, y));
    const GridGeometry geometry = grid()->gridGeometry();
    const TCellAddress cell = geometry.cellAt(inViewport);
    if (cell.IsValid())
        return cellInterface(cell.ACol, cell.ARow);
    const int header = geometry.headerColumnAt(inViewport);
    return header >= 0 ? headerInterface(header) : nullptr;
}

QAccessibleInterface *TCellGridAccessible::focusChild() const
{
    if (!grid()->hasGridFocus())
        return nullptr;
    return cellInterface(grid()->SelectedColumn(), grid()->SelectedRow());
}

// --- QAccessibleTableInterface ------------------------------------------------

QAccessibleInterface *TCellGridAccessible::caption() const
{
    return nullptr;
}

QAccessibleInterface *TCellGridAccessible::summary() const
{
    return footerInterface();
}

QAccessibleInterface *TCellGridAccessible::cellAt(int row, int column) const
{
    const TCustomGridColumn *shown = visibleColumn(column);
    return shown ? cellInterface(shown->Index(), row) : nullptr;
}

int TCellGridAccessible::selectedCellCount() const
{
    return selectedCells().size();
}

QList<QAccessibleInterface *> TCellGridAccessible::selectedCells() const
{
    QAccessibleInterface *selected = cellInterface(grid()->SelectedColumn(), grid()->SelectedRow());
    return selected ? QList<QAccessibleInterface *>{selected} : QList<QAccessibleInterface *>{};
}

QString TCellGridAccessible::columnDescription(int column) const
{
    const TCustomGridColumn *shown = visibleColumn(column);
    return shown ? shown->Header().Caption() : QString();
}

// Rows have no captions; they are counted from 1, as users count them.
QString TCellGridAccessible::rowDescription(int row) const
{
    return QString::number(row + 1);
}

int TCellGridAccessible::selectedColumnCount() const
{
    return 0;
}

int TCellGridAccessible::selectedRowCount() const
{
    return 0;
}

int TCellGridAccessible::columnCount() const
{
    return grid()->Columns.VisibleCount();
}

int TCellGridAccessible::rowCount() const
{
    return grid()->RowCount();
}

// The grid selects one cell, never a whole row or column.
QList<int> TCellGridAccessible::selectedColumns() const
{
    return {};
}

QList<int> TCellGridAccessible::selectedRows() const
{
    return {};
}

bool TCellGridAccessible::isColumnSelected(int) const
{
    return false;
}

bool TCellGridAccessible::isRowSelected(int) const
{
    return false;
}

bool TCellGridAccessible::selectRow(int)
{
    return false;
}

bool TCellGridAccessible::selectColumn(int)
{
    return false;
}

bool TCellGridAccessible::unselectRow(int)
{
    return false;
}

bool TCellGridAccessible::unselectColumn(int)
{
    return false;
}

void TCellGridAccessible::modelChange(QAccessibleTableModelChangeEvent *)
{
    forgetCells();
}
