#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>

class QAction;
class QMenu;
class QMenuBar;

// Shows either the main window's own menus or, while a document window is
// active, the document's menus in their place. A key carried by an item of
// the document's menus belongs to that item: the main window's action with
// the same key gives it up meanwhile, so the key is never ambiguous.
class TMenuMerger
{
public:
    TMenuMerger(QMenuBar *bar, const QList<QMenu *> &frameMenus, const QList<QAction *> &frameActions);

    // An empty list shows the main window's own menus.
    void show(const QList<QMenu *> &documentMenus);

private:
    void assignShortcuts(const QList<QMenu *> &documentMenus);

    QMenuBar *m_bar;
    QList<QMenu *> m_frameMenus;
    QHash<QAction *, QKeySequence> m_frameShortcuts;
};
