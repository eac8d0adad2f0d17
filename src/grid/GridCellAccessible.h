#pragma once

#include "grid/AccessibleLeaf.h"

class TCellGrid;

// One data cell of the grid for assistive technology: its text, the
// check state of a check box cell and the toggle that Space performs.
// It stays valid as long as its grid and its cell exist.
class TGridCellAccessible : public TAccessibleLeaf,
                            public QAccessibleTableCellInterface,
                            public QAccessibleActionInterface
{
public:
    TGridCellAccessible(TCellGrid *grid, int ACol, int ARow);

    // --- QAccessibleInterface ---
    bool isValid() const override;
    QString text(QAccessible::Text type) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // --- QAccessibleTableCellInterface ---
    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override;
    int rowExtent() const override;
    QAccessibleInterface *table() const override;

    // --- QAccessibleActionInterface ---
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    TCellGrid *grid() const;
    bool isCheckBox() const;

    int m_col; // in creation order
    int m_row;
};
