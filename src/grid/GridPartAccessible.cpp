#include "grid/GridPartAccessible.h"

#include "grid/CellGrid.h"

TGridPartAccessible::TGridPartAccessible(TCellGrid *grid, Part part, int ACol)
    : TAccessibleLeaf(grid)
    , m_part(part)
    , m_col(ACol)
{
}

TGridPartAccessible *TGridPartAccessible::header(TCellGrid *grid, int ACol)
{
    return new TGridPartAccessible(grid, Part::Header, ACol);
}

TGridPartAccessible *TGridPartAccessible::footer(TCellGrid *grid)
{
    return new TGridPartAccessible(grid, Part::Footer, 0);
}

TCellGrid *TGridPartAccessible::grid() const
{
    return static_cast<TCellGrid *>(owner());
}

bool TGridPartAccessible::isValid() const
{
    return grid() && (m_part == Part::Footer || m_col < grid()->Columns.Count());
}

QString TGridPartAccessible::text(QAccessible::Text type) const
{
    if (!isValid())
        return {};
    if (m_part == Part::Footer)
        return type == QAccessible::Name ? footerText() : QString();
    const TColumnHeader &header = grid()->Columns[m_col]->Header();
    if (type == QAccessible::Name)
        return header.Caption();
    return type == QAccessible::Description ? header.Hint() : QString();
}

QString TGridPartAccessible::footerText() const
{
    QStringList parts;
    for (int shown = 0; shown < grid()->Columns.VisibleCount(); ++shown) {
        const TCustomGridColumn *column = grid()->Columns.VisibleItem(shown);
        const QString text = column->Footer().DisplayText().trimmed();
        if (!text.isEmpty())
            parts << column->Header().Caption().trimmed() + u' ' + text;
    }
    return parts.join(QStringLiteral(", "));
}

QRect TGridPartAccessible::rect() const
{
    if (!isValid())
        return {};
    const GridGeometry geometry = grid()->gridGeometry();
    QRect part;
    if (m_part == Part::Header) {
        part = geometry.headerRect(m_col);
    } else {
        for (int shown = 0; shown < grid()->Columns.VisibleCount(); ++shown)
            part |= geometry.footerRect(grid()->Columns.VisibleItem(shown)->Index());
    }
    return QRect(grid()->viewport()->mapToGlobal(part.topLeft()), part.size());
}

QAccessible::Role TGridPartAccessible::role() const
{
    return m_part == Part::Header ? QAccessible::ColumnHeader : QAccessible::Footer;
}

QAccessible::State TGridPartAccessible::state() const
{
    QAccessible::State state;
    state.invalid = !isValid();
    state.readOnly = true;
    return state;
}
