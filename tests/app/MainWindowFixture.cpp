#include "MainWindowFixture.h"

#include "documents/CHILDWINIni.h"
#include "documents/TextAreaView.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMenuBar>

QStringList menuTitles(const QMenuBar *bar)
{
    QStringList titles;
    for (const QAction *menu : bar->actions())
        titles << menu->text();
    return titles;
}

QStringList frameMenuTitles()
{
    return {QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"), QStringLiteral("&Fenster"),
            QStringLiteral("&Hilfe")};
}

MainWindow::MainWindow()
{
    QDir::setCurrent(folder.path(QString()));
    form.show();
    form.activateWindow();
    QCoreApplication::processEvents();
}

QAction *MainWindow::action(const char *name) const
{
    return form.findChild<QAction *>(QString::fromLatin1(name));
}

void MainWindow::run(const char *name) const
{
    action(name)->trigger();
}

TMDIChild *MainWindow::document() const
{
    return form.ActiveDocument();
}

QAction *MainWindow::documentItem(const char *name) const
{
    return document()->findChild<QAction *>(QString::fromLatin1(name));
}

int MainWindow::documentCount() const
{
    return static_cast<int>(form.MdiArea->subWindowList().size());
}

QString MainWindow::shownText() const
{
    return TextAreaText(document()->MemoIni);
}

void MainWindow::closeDocument() const
{
    run("FileClose1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
