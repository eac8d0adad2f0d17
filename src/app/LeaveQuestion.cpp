#include "app/LeaveQuestion.h"

#include "documents/CHILDWINIni.h"
#include "documents/DocumentQuestions.h"
#include "platform/Desktop.h"

#include <QMdiArea>
#include <QMdiSubWindow>

bool MayLeaveProgram(QWidget *parent, QMdiArea *documents)
{
    for (QMdiSubWindow *frame : documents->subWindowList()) {
        const auto *document = qobject_cast<TMDIChild *>(frame->widget());
        if (!document)
            continue;
        // Typed text without INI file: its Close asks the same question and
        // writes as Save As does.
        if (!document->IniFile() && document->HasTypedText()) {
            if (!frame->close())
                return false;
            continue;
        }
        if (!document->HasUnsavedChanges())
            continue;
        // Named by the file that Close writes, which Save As does not change.
        switch (desktop().message(parent, SaveChangesQuestion(document->IniFile()->fileName()))) {
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
