#pragma once

#include "grid/AccessibleChildren.h"

#include <QAccessibleWidget>
#include <QList>

class TCellGrid;
class TCustomGridColumn;

// The grid as assistive technology sees it: a table of the visible columns
// in display order and of every row. Its children are the header cells,
// then the data cells row by row, then the footer row, which is also the
// table's summary. The cells' interfaces are kept until rows or shown
// columns change, so a screen reader can follow a cell it was told about.
class TCellGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit TCellGridAccessible(TCellGrid *grid);

    // Installs the factory that gives every TCellGrid this interface; once.
    static void installFactory();

    TCellGrid *grid() const;
    // Display slot <-> column: `column` counts the visible columns.
    TCustomGridColumn *visibleColumn(int column) const;
    // The interface of a data cell (ACol in creation order), or nullptr.
    QAccessibleInterface *cellInterface(int ACol, int ARow) const;
    QAccessibleInterface *headerInterface(int ACol) const;
    QAccessibleInterface *footerInterface() const;
    // Rows or shown columns came or went: every cell's interface is given up.
    void forgetCells();

    // --- QAccessibleInterface ---
    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    // --- QAccessibleTableInterface ---
    QAccessibleInterface *caption() const override;
    QAccessibleInterface *summary() const override;
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    mutable TAccessibleChildren m_children;
};
