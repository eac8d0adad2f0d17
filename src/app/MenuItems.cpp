#include "app/MenuItems.h"

#include <QAction>
#include <QMenu>

namespace {

// The text after a tab is shown as the item's shortcut.
QString captionWithShortcut(const QAction *action)
{
    if (action->shortcut().isEmpty())
        return action->text();
    return action->text() + u'\t' + action->shortcut().toString(QKeySequence::NativeText);
}

} // namespace

QAction *AddMenuItem(QMenu *menu, QAction *action, const QString &itemName)
{
    QAction *item = menu->addAction(QString());
    item->setObjectName(itemName);
    const auto follow = [item, action] {
        item->setText(captionWithShortcut(action));
        item->setIcon(action->icon());
        item->setEnabled(action->isEnabled());
    };
    follow();
    QObject::connect(action, &QAction::changed, item, follow);
    QObject::connect(item, &QAction::triggered, action, &QAction::trigger);
    return item;
}
