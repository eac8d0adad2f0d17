#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class TCellGrid;

// A header cell (named by its column's caption) or the footer row of the
// grid for assistive technology. The footer row reads as the visible
// columns' footer texts, each after its column's caption:
// "Hex Value 0000A003, Name (Mask) 40963".
class TGridPartAccessible : public QAccessibleInterface
{
public:
    static TGridPartAccessible *header(TCellGrid *grid, int ACol);
    static TGridPartAccessible *footer(TCellGrid *grid);

    bool isValid() const override;
    QObject *object() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    TGridPartAccessible(TCellGrid *grid, int headerColumn);
    QString footerText() const;

    QPointer<TCellGrid> m_grid;
    int m_headerColumn; // ACol of a header cell; -1 for the footer row
};
