#include "documents/EditItemStates.h"

#include "documents/DocumentMenus.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

void FollowTextAreaForEditItems(const TDocumentMenus &menus, QPlainTextEdit *edit)
{
    const auto update = [cut = menus.Cut1, remove = menus.Delete1, selectAll = menus.Selectall1, edit] {
        const bool selection = edit->textCursor().hasSelection();
        cut->setEnabled(selection);
        remove->setEnabled(selection);
        selectAll->setEnabled(!edit->document()->isEmpty());
    };
    QObject::connect(edit, &QPlainTextEdit::selectionChanged, menus.Edit1, update);
    QObject::connect(edit, &QPlainTextEdit::textChanged, menus.Edit1, update);
    update();
}
