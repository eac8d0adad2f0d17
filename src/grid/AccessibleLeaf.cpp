#include "grid/AccessibleLeaf.h"

TAccessibleLeaf::TAccessibleLeaf(QWidget *owner)
    : m_owner(owner)
{
}

bool TAccessibleLeaf::isValid() const
{
    return m_owner;
}

QObject *TAccessibleLeaf::object() const
{
    return nullptr;
}

QAccessibleInterface *TAccessibleLeaf::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface *TAccessibleLeaf::parent() const
{
    return m_owner ? QAccessible::queryAccessibleInterface(m_owner.data()) : nullptr;
}

QAccessibleInterface *TAccessibleLeaf::child(int) const
{
    return nullptr;
}

int TAccessibleLeaf::childCount() const
{
    return 0;
}

int TAccessibleLeaf::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

void TAccessibleLeaf::setText(QAccessible::Text, const QString &) {}
