#include "DocumentHost.h"

#include "platform/CommandGuard.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>

DocumentHost::DocumentHost()
    : area(new QMdiArea(&window))
{
    window.setCentralWidget(area);
    window.resize(800, 600);
}

TMDIChild *DocumentHost::open(const QString &name)
{
    auto *child = new TMDIChild(name);
    m_document = child;
    QMdiSubWindow *frame = area->addSubWindow(child);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    for (QMenu *menu : child->menus())
        window.menuBar()->addMenu(menu);
    window.show();
    child->show();
    runCommand(child, [child] { child->LoadExistingFile(); });
    return child;
}

QAction *DocumentHost::item(const QString &objectName) const
{
    return m_document->findChild<QAction *>(objectName);
}

void DocumentHost::choose(const QString &objectName) const
{
    item(objectName)->trigger();
}

void DocumentHost::closeDocument()
{
    choose(QStringLiteral("Close1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void DocumentHost::activate()
{
    window.activateWindow();
    QCoreApplication::processEvents();
    m_document->MemoIni->setFocus();
}
