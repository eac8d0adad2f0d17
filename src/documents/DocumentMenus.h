#pragma once

#include <QList>

class QAction;
class QKeyEvent;
class QMenu;
class QWidget;

// The document window's "&File" and "&Edit" menus. While the document is
// the active one they stand in the main window's menu bar instead of the
// main window's own menus. Items without a handler can be chosen and do
// nothing, but their shortcuts still take the key.
struct TDocumentMenus
{
    explicit TDocumentMenus(QWidget *owner);

    QMenu *File1 = nullptr;
    QAction *New1 = nullptr;
    QAction *Open1 = nullptr;
    QAction *Close1 = nullptr;
    QAction *Save1 = nullptr;
    QAction *Saveas1 = nullptr;
    QAction *Print1 = nullptr;
    QAction *Printersetup1 = nullptr;
    QAction *Exit1 = nullptr;

    QMenu *Edit1 = nullptr;
    QAction *Cut1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *Paste1 = nullptr;
    QAction *Delete1 = nullptr;
    QAction *Selectall1 = nullptr;
    QAction *Find1 = nullptr;
    QAction *Gotoline1 = nullptr;
    QAction *MI_KeepLayout = nullptr; // checkable
    QAction *OpenBitEditor1 = nullptr; // the caret's flag line, as a double click opens it

    QList<QMenu *> menus() const { return {File1, Edit1}; }
    // The item with a shortcut of `key`'s combination, or nullptr.
    QAction *itemCarrying(const QKeyEvent &key) const;
};
