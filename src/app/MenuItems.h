#pragma once

#include <QString>

class QAction;
class QMenu;

// Adds an item named `itemName` to `menu` that shows `action`'s caption,
// shortcut, picture and enabled state and runs the action when chosen. The
// item shows the shortcut but does not register it: the action itself
// takes the key, so the key never has two owners.
QAction *AddMenuItem(QMenu *menu, QAction *action, const QString &itemName);
