#include "app/MenuMerger.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QList<QKeySequence> shortcutsOfItems(const QList<QMenu *> &menus)
{
    QList<QKeySequence> keys;
    for (const QMenu *menu : menus) {
        for (const QAction *item : menu->actions()) {
            if (!item->shortcut().isEmpty())
                keys.append(item->shortcut());
        }
    }
    return keys;
}

} // namespace

TMenuMerger::TMenuMerger(QMenuBar *bar, const QList<QMenu *> &frameMenus, const QList<QAction *> &frameActions)
    : m_bar(bar)
    , m_frameMenus(frameMenus)
{
    for (QAction *action : frameActions)
        m_frameShortcuts.insert(action, action->shortcut());
    show({});
}

void TMenuMerger::show(const QList<QMenu *> &documentMenus)
{
    m_bar->clear();
    for (QMenu *menu : documentMenus.isEmpty() ? m_frameMenus : documentMenus)
        m_bar->addMenu(menu);
    assignShortcuts(documentMenus);
}

void TMenuMerger::assignShortcuts(const QList<QMenu *> &documentMenus)
{
    const QList<QKeySequence> taken = shortcutsOfItems(documentMenus);
    for (auto it = m_frameShortcuts.cbegin(); it != m_frameShortcuts.cend(); ++it)
        it.key()->setShortcut(taken.contains(it.value()) ? QKeySequence() : it.value());
}
