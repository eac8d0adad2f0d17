#pragma once

#include <QList>

class QAction;
class QObject;

// The main window's action list: captions, hints, shortcuts and categories.
// A hint holds a short part and a long part separated by "|"; the short
// part is the tool tip, the whole hint stays in the property "hint" and
// the category in "category".
struct TMainActions
{
    explicit TMainActions(QObject *owner);

    QAction *FileNew1 = nullptr;
    QAction *FileOpen1 = nullptr;
    QAction *FileClose1 = nullptr;
    QAction *FileSave1 = nullptr;
    QAction *FileSaveAs1 = nullptr;
    QAction *FileExit1 = nullptr;
    QAction *EditCut1 = nullptr;
    QAction *EditCopy1 = nullptr;
    QAction *EditPaste1 = nullptr;
    QAction *WindowCascade1 = nullptr;
    QAction *WindowTileHorizontal1 = nullptr;
    QAction *WindowTileVertical1 = nullptr;
    QAction *WindowMinimizeAll1 = nullptr;
    QAction *WindowArrangeAll1 = nullptr;
    QAction *HelpAbout1 = nullptr;

    QList<QAction *> all() const;
    QList<QAction *> windowActions() const;
    // The nine actions on the tool bar, in their order; nullptr marks a separator.
    QList<QAction *> toolBarActions() const;
};
