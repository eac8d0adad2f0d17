#include "MainWindowFixture.h"

#include "documents/CHILDWINIni.h"
#include "support/QStringPrinting.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>
#include <QWindow>

namespace {

struct DragOutcome
{
    bool accepted = false;               // by the drag's entry; the cursor shows it
    Qt::DropAction action = Qt::IgnoreAction; // of the drop
};

// Drags `names` from a file manager that offers to copy or move them onto
// `widget` of the main window and drops them there, delivered to the
// window as the window system delivers a drag.
DragOutcome dragAndDrop(TMainForm &form, const QWidget *widget, const QStringList &names)
{
    QList<QUrl> urls;
    for (const QString &name : names)
        urls << QUrl::fromLocalFile(name);
    QMimeData data;
    data.setUrls(urls);
    const QPoint position = widget->mapTo(&form, widget->rect().center());
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(position, offered, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(form.windowHandle(), &enter);
    if (!enter.isAccepted())
        return {};
    QDropEvent drop(position, offered, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(form.windowHandle(), &drop);
    return {drop.isAccepted(), drop.dropAction()};
}

TEST_F(MainWindow, OneDroppedFileOpensAsOpenDoesAndStaysWhereItWas)
{
    QDir(folder.path(QString())).mkdir(QStringLiteral("sub"));
    folder.write(QStringLiteral("sub/a.ini"), "[A]\r\n");
    const DragOutcome outcome = dragAndDrop(form, form.MdiArea, {folder.path(QStringLiteral("sub/a.ini"))});
    EXPECT_TRUE(outcome.accepted);
    EXPECT_EQ(outcome.action, Qt::CopyAction); // never asks the file manager to move it
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(document()->windowTitle(), folder.path(QStringLiteral("sub/a.ini")));
    EXPECT_EQ(shownText(), u"[A]\n\n");
    EXPECT_EQ(QDir::currentPath(), folder.path(QStringLiteral("sub")));
}

struct RefusedDrop
{
    const char *name;
    QStringList names; // in the test folder, which holds a.ini, b.ini and sub/
};

class RefusedDrops : public MainWindow, public ::testing::WithParamInterface<RefusedDrop>
{
};

TEST_P(RefusedDrops, OpenNothing)
{
    folder.write(QStringLiteral("a.ini"), "[A]\r\n");
    folder.write(QStringLiteral("b.ini"), "[B]\r\n");
    QDir(folder.path(QString())).mkdir(QStringLiteral("sub"));
    QStringList names;
    for (const QString &name : GetParam().names)
        names << folder.path(name);
    EXPECT_FALSE(dragAndDrop(form, form.MdiArea, names).accepted);
    EXPECT_EQ(documentCount(), 0);
    EXPECT_TRUE(desktop.calls().empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, RefusedDrops,
                         ::testing::Values(RefusedDrop{"Folder", {QStringLiteral("sub")}},
                                           RefusedDrop{"TwoFiles", {QStringLiteral("a.ini"), QStringLiteral("b.ini")}}),
                         [](const ::testing::TestParamInfo<RefusedDrop> &info) { return std::string(info.param.name); });

TEST_F(MainWindow, ADropWhileADocumentIsOpenIsRefused)
{
    folder.write(QStringLiteral("a.ini"), "[A]\r\n");
    folder.write(QStringLiteral("b.ini"), "[B]\r\n");
    form.OpenIniFile(folder.path(QStringLiteral("a.ini")));
    EXPECT_FALSE(dragAndDrop(form, form.statusBar(), {folder.path(QStringLiteral("b.ini"))}).accepted);
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(shownText(), u"[A]\n\n");
}

} // namespace
