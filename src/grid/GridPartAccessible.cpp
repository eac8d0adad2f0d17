#include "grid/GridPartAccessible.h"

#include "grid/CellGrid.h"

TGridPartAccessible::TGridPartAccessible(TCellGrid *grid, int headerColumn)
    : m_grid(grid)
    , m_headerColumn(headerColumn)
{
}

TGridPartAccessible *TGridPartAccessible::header(TCellGrid *grid, int ACol)
{
    return new TGridPartAccessible(grid, ACol);
}

TGridPartAccessible *TGridPartAccessible::footer(TCellGrid *grid)
{
    return new TGridPartAccessible(grid, -1);
}

bool TGridPartAccessible::isValid() const
{
    return m_grid && m_headerColumn < m_grid->Columns.Count();
}

QObject *TGridPartAccessible::object() const
{
    return nullptr;
}

QAccessibleInterface *TGridPartAccessible::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface *TGridPartAccessible::parent() const
{
    return m_grid ? QAccessible::queryAccessibleInterface(m_grid.data()) : nullptr;
}

QAccessibleInterface *TGridPartAccessible::child(int) const
{
    return nullptr;
}

int TGridPartAccessible::childCount() const
{
    return 0;
}

int TGridPartAccessible::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QString TGridPartAccessible::text(QAccessible::Text type) const
{
    if (!isValid())
        return {};
    if (m_headerColumn < 0)
        return type == QAccessible::Name ? footerText() : QString();
    const TColumnHeader &header = m_grid->Columns[m_headerColumn]->Header();
    if (type == QAccessible::Name)
        return header.Caption();
    return type == QAccessible::Description ? header.Hint() : QString();
}

void TGridPartAccessible::setText(QAccessible::Text, const QString &) {}

QString TGridPartAccessible::footerText() const
{
    QStringList parts;
    for (int shown = 0; shown < m_grid->Columns.VisibleCount(); ++shown) {
        const TCustomGridColumn *column = m_grid->Columns.VisibleItem(shown);
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
    const GridGeometry geometry = m_grid->gridGeometry();
    QRect part;
    if (m_headerColumn >= 0) {
        part = geometry.headerRect(m_headerColumn);
    } else {
        for (int shown = 0; shown < m_grid->Columns.VisibleCount(); ++shown)
            part |= geometry.footerRect(m_grid->Columns.VisibleItem(shown)->Index());
    }
    return QRect(m_grid->viewport()->mapToGlobal(part.topLeft()), part.size());
}

QAccessible::Role TGridPartAccessible::role() const
{
    return m_headerColumn >= 0 ? QAccessible::ColumnHeader : QAccessible::Footer;
}

QAccessible::State TGridPartAccessible::state() const
{
    QAccessible::State state;
    state.invalid = !isValid();
    state.readOnly = true;
    return state;
}
