#include "app/StartFiles.h"

#include "app/MainForm.h"
#include "platform/CommandGuard.h"
#include "platform/Desktop.h"

void OpenStartFiles(TMainForm &mainForm, const QStringList &files)
{
    if (files.isEmpty())
        return;
    runCommand(&mainForm, [&] { mainForm.OpenIniFile(files.front()); });
    if (files.size() > 1)
        desktop().message(&mainForm, {MessageKind::Information,
                                      u"Es kann nur eine Datei geöffnet sein. Nicht geöffnet:\n" + files.mid(1).join(u'\n'),
                                      {MessageButton::Ok},
                                      {}});
}
