#include "MainWindowFixture.h"

#include "documents/CHILDWINIni.h"
#include "support/QStringPrinting.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QUrl>
#include <QWindow>

namespace {

struct DropCase
{
    const char *name;
    QStringList files; // in the test folder, which holds a.ini, b.ini and the folder sub
    bool documentOpen; // b.ini is open
    bool accepted;
    bool onText = false; // dropped on the open document's text instead of the status bar
};

class FileDrops : public MainWindow, public ::testing::WithParamInterface<DropCase>
{
};

// A file manager offers to copy or move the files; Shift proposes to move
// them. They are dropped on the main window's status bar (or the document's
// text), delivered as the window system delivers a drag.
TEST_P(FileDrops, OpenOneFileWhileNoDocumentIsOpen)
{
    const DropCase &row = GetParam();
    folder.write(QStringLiteral("a.ini"), "[A]\r\n");
    folder.write(QStringLiteral("b.ini"), "[B]\r\n");
    QDir(folder.path(QString())).mkdir(QStringLiteral("sub"));
    if (row.documentOpen)
        form.OpenIniFile(folder.path(QStringLiteral("b.ini")));
    QDir::setCurrent(folder.path(QStringLiteral("sub")));
    QList<QUrl> urls;
    for (const QString &file : row.files)
        urls << QUrl::fromLocalFile(folder.path(file));
    QMimeData data;
    data.setUrls(urls);
    QWidget *target = row.onText ? document()->MemoIni->viewport() : form.statusBar();
    const QPoint position = target->mapTo(&form, target->rect().center());
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(position, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(form.windowHandle(), &enter);

    ASSERT_EQ(enter.isAccepted(), row.accepted); // the cursor shows it
    if (row.accepted) {
        QDropEvent drop(position, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(form.windowHandle(), &drop);
        QCoreApplication::processEvents(); // the file opens once the drop has ended
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction); // the file manager keeps the file
        EXPECT_EQ(QDir::currentPath(), folder.path(QString()));
    }
    ASSERT_EQ(documentCount(), row.documentOpen || row.accepted ? 1 : 0);
    if (documentCount() == 1) {
        EXPECT_EQ(shownText(), row.documentOpen ? u"[B]\n\n" : u"[A]\n\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileDrops,
    ::testing::Values(DropCase{"OneFile", {QStringLiteral("a.ini")}, false, true},
                      DropCase{"Folder", {QStringLiteral("sub")}, false, false},
                      DropCase{"TwoFiles", {QStringLiteral("a.ini"), QStringLiteral("b.ini")}, false, false},
                      DropCase{"OneFileWhileADocumentIsOpen", {QStringLiteral("a.ini")}, true, false},
                      DropCase{"OneFileOnTheOpenDocumentsText", {QStringLiteral("a.ini")}, true, false, true}),
    [](const ::testing::TestParamInfo<DropCase> &info) { return std::string(info.param.name); });

} // namespace
