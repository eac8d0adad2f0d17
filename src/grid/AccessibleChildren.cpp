#include "grid/AccessibleChildren.h"

TAccessibleChildren::~TAccessibleChildren()
{
    for (const QAccessible::Id id : std::as_const(m_ids))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *TAccessibleChildren::get(quint64 key, const std::function<QAccessibleInterface *()> &make)
{
    if (const auto found = m_ids.constFind(key); found != m_ids.constEnd())
        return QAccessible::accessibleInterface(*found);
    QAccessibleInterface *made = make();
    m_ids.insert(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

void TAccessibleChildren::forget(const std::function<bool(quint64 key)> &which)
{
    for (auto it = m_ids.begin(); it != m_ids.end();) {
        if (which(it.key())) {
            QAccessible::deleteAccessibleInterface(it.value());
            it = m_ids.erase(it);
        } else {
            ++it;
        }
    }
}
