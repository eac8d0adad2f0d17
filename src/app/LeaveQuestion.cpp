#include "app/LeaveQuestion.h"

#include "documents/CHILDWINIni.h"
#include "platform/Desktop.h"

#include <QMdiArea>
#include <QMdiSubWindow>

bool MayLeaveProgram(QWidget *parent, QMdiArea *documents)
{
    for (QMdiSubWindow *frame : documents->subWindowList()) {
        const auto *document = qobject_cast<TMDIChild *>(frame->widget());
        if (!document || !document->HasUnsavedChanges())
            continue;
        // Named by the file that Close writes, which Save As does not change.
        const MessageRequest question{MessageKind::Confirmation,
                                      QStringLiteral("Änderungen in %1 speichern?").arg(document->IniFile()->fileName()),
                                      {MessageButton::Yes, MessageButton::No, MessageButton::Cancel},
                                      {}};
        switch (desktop().message(parent, question)) {
        case MessageButton::Yes:
            if (!frame->close())
                return false;
            break;
        case MessageButton::No:
            break;
        case MessageButton::Ok:
        case MessageButton::Cancel:
            return false;
        }
    }
    return true;
}
