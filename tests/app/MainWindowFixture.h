#pragma once

#include "app/MainForm.h"
#include "platform/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QStringList>
#include <gtest/gtest.h>

class QMenuBar;

// The menu titles the bar shows, in order.
QStringList menuTitles(const QMenuBar *bar);
// The main window's own four menus, shown while no document is open.
QStringList frameMenuTitles();

// A shown main window working in a fresh current directory, with the
// scripted desktop answering its dialogs.
class MainWindow : public ::testing::Test
{
protected:
    MainWindow();

    QAction *action(const char *name) const;
    void run(const char *name) const; // the action, as its menu item or button runs it
    TMDIChild *document() const;
    QAction *documentItem(const char *name) const;
    int documentCount() const;
    QString shownText() const;
    void closeDocument() const; // through FileClose1, finished deletion included

    CurrentDirectoryGuard guard;
    ScriptedDesktop desktop;
    TestFolder folder;
    TMainForm form{QStringLiteral("/opt/tools/tarvex")};
};
