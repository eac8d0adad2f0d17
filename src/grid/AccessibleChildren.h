#pragma once

#include <QAccessible>
#include <QHash>
#include <functional>

class QAccessibleInterface;

// The child interfaces of a widget's accessible interface, made when first
// asked for and kept by a key, so assistive technology meets the same
// object each time it asks; given up with their keeper.
class TAccessibleChildren
{
public:
    TAccessibleChildren() = default;
    ~TAccessibleChildren();
    TAccessibleChildren(const TAccessibleChildren &) = delete;
    TAccessibleChildren &operator=(const TAccessibleChildren &) = delete;

    QAccessibleInterface *get(quint64 key, const std::function<QAccessibleInterface *()> &make);
    // Gives up the children whose keys `which` picks.
    void forget(const std::function<bool(quint64 key)> &which);

private:
    QHash<quint64, QAccessible::Id> m_ids;
};
