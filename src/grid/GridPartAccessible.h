#pragma once

#include "grid/AccessibleLeaf.h"

class TCellGrid;

// A header cell (named by its column's caption) or the footer row of the
// grid for assistive technology. The footer row reads as the visible
// columns' footer texts, each after its column's caption:
// "Hex Value 0000A003, Name (Mask) 40963".
class TGridPartAccessible : public TAccessibleLeaf
{
public:
    static TGridPartAccessible *header(TCellGrid *grid, int ACol);
    static TGridPartAccessible *footer(TCellGrid *grid);

    bool isValid() const override;
    QString text(QAccessible::Text type) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    enum class Part { Header, Footer };

    TGridPartAccessible(TCellGrid *grid, Part part, int ACol);
    TCellGrid *grid() const;
    QString footerText() const;

    Part m_part;
    int m_col; // the header's column; unused for the footer
};
