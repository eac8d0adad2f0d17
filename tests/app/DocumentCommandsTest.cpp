#include "MainWindowFixture.h"

#include "app/ProgramPicture.h"
#include "documents/CHILDWINIni.h"
#include "documents/TextAreaView.h"
#include "support/QStringPrinting.h"

#include <QDir>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>

namespace {

TEST_F(MainWindow, TwoNewCommandsGiveOneNoname1)
{
    run("FileNew1");
    run("FileNew1");
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(document()->windowTitle(), u"NONAME1");
    EXPECT_EQ(document()->IniFile(), nullptr);
    EXPECT_EQ(form.MdiArea->subWindowList().front()->windowTitle(), u"NONAME1");

    // Its title bar shows the program's picture, as it would given the program's icon.
    QMdiSubWindow *frame = form.MdiArea->subWindowList().front();
    const QImage shown = frame->grab().toImage();
    frame->setWindowIcon(ProgramIcon());
    EXPECT_EQ(frame->grab().toImage(), shown);
}

TEST_F(MainWindow, SaveAsRetitlesTheDocumentsFrame)
{
    run("FileNew1");
    desktop.fileAnswers = {folder.path(QStringLiteral("saved.ini"))};
    documentItem("Saveas1")->trigger();
    EXPECT_EQ(form.MdiArea->subWindowList().front()->windowTitle(), folder.path(QStringLiteral("saved.ini")));
}

TEST_F(MainWindow, NewLoadsAFileCalledNoname1InTheCurrentDirectory)
{
    folder.write(QStringLiteral("NONAME1"), "[A]\r\nk = v\r\n");
    run("FileNew1");
    ASSERT_NE(document()->IniFile(), nullptr);
    EXPECT_EQ(shownText(), u"[A]\nk=v\n\n");
}

TEST_F(MainWindow, OpenShowsTheIniDialogAndCreatesTheDocument)
{
    folder.write(QStringLiteral("a.ini"), "[A]\r\n");
    desktop.fileAnswers = {folder.path(QStringLiteral("a.ini"))};
    run("FileOpen1");
    ASSERT_EQ(desktop.calls().size(), 1u);
    EXPECT_EQ(desktop.calls().front().kind, ScriptedDesktop::CallKind::OpenDialog);
    EXPECT_EQ(desktop.calls().front().dialog.filter, u"Init Dateien (*.ini)|*.ini");
    EXPECT_TRUE(desktop.calls().front().dialog.defaultExtension.isEmpty());
    EXPECT_EQ(document()->windowTitle(), folder.path(QStringLiteral("a.ini")));
    EXPECT_EQ(shownText(), u"[A]\n\n");
}

TEST_F(MainWindow, OpenCancelledCreatesNothing)
{
    desktop.fileAnswers = {std::nullopt};
    run("FileOpen1");
    EXPECT_EQ(documentCount(), 0);
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(MainWindow, OpenWhileADocumentExistsShowsTheDialogAndChangesNothing)
{
    folder.write(QStringLiteral("first.ini"), "[First]\r\n");
    folder.write(QStringLiteral("second.ini"), "[Second]\r\n");
    desktop.fileAnswers = {folder.path(QStringLiteral("first.ini")), folder.path(QStringLiteral("second.ini"))};
    run("FileOpen1");
    run("FileOpen1");
    EXPECT_EQ(desktop.calls().size(), 2u);
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(document()->windowTitle(), folder.path(QStringLiteral("first.ini")));
    EXPECT_EQ(shownText(), u"[First]\n\n");
}

TEST_F(MainWindow, OpenOfAFolderGivesAnEmptyDocumentWithoutIniFile)
{
    QDir(folder.path(QString())).mkdir(QStringLiteral("dir.ini"));
    desktop.fileAnswers = {folder.path(QStringLiteral("dir.ini"))};
    run("FileOpen1");
    EXPECT_TRUE(desktop.messages().empty());
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(document()->windowTitle(), folder.path(QStringLiteral("dir.ini")));
    EXPECT_TRUE(shownText().isEmpty());
    EXPECT_EQ(document()->IniFile(), nullptr);
}

TEST_F(MainWindow, OpenOfAFileThatCannotBeReadReportsItAndKeepsAnEmptyDocument)
{
    // The kernel lets this file open but refuses to read it, for root too.
    desktop.fileAnswers = {QStringLiteral("/proc/self/mem")};
    run("FileOpen1");
    ASSERT_EQ(desktop.messages().size(), 1u);
    const MessageRequest report = desktop.messages().front();
    EXPECT_TRUE(report.text.startsWith(u"Datei /proc/self/mem kann nicht geöffnet werden. ")) << report.text.toStdString();
    EXPECT_EQ(report.kind, MessageKind::Error);
    EXPECT_EQ(report.title, u"tarvex");
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(document()->windowTitle(), u"/proc/self/mem");
    EXPECT_TRUE(shownText().isEmpty());
    EXPECT_EQ(document()->IniFile(), nullptr);
}

TEST_F(MainWindow, CloseWritesTheDocumentAndBringsTheFrameBack)
{
    folder.write(QStringLiteral("a.ini"), "[A]\r\n");
    desktop.fileAnswers = {folder.path(QStringLiteral("a.ini"))};
    run("FileOpen1");
    document()->MemoIni->moveCursor(QTextCursor::End);
    InsertIntoTextArea(document()->MemoIni, QStringLiteral("\n x = 1")); // typed, so Close writes
    closeDocument();
    EXPECT_EQ(documentCount(), 0);
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), "[A]\r\nx=1\r\n\r\n");
    EXPECT_FALSE(action("FileClose1")->isEnabled());
}

TEST_F(MainWindow, ExitWritesNothing)
{
    folder.write(QStringLiteral("a.ini"), "; comment\r\n[A]\r\n");
    desktop.fileAnswers = {folder.path(QStringLiteral("a.ini"))};
    run("FileOpen1");
    document()->MemoIni->setPlainText(QStringLiteral("[Changed]"));
    QPointer<TMDIChild> open = document();
    run("FileExit1");
    EXPECT_FALSE(form.isVisible());
    EXPECT_NE(open, nullptr);
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), "; comment\r\n[A]\r\n");
}

// Open an example file, look at it, save it and compare the bytes on disk.
TEST_F(MainWindow, OpenShowSaveEndToEnd)
{
    folder.write(QStringLiteral("myapp_v2.ini"), "; myapp settings\r\n"
                                                 "written by hand\r\n"
                                                 "\r\n"
                                                 "[ACCESS]\r\n"
                                                 "  FLAGS  =  $0000A001,bf;Read and write\r\n"
                                                 "\r\n"
                                                 "; the paths\r\n"
                                                 "[Paths]\r\n"
                                                 "Home = C:\\data\r\n"
                                                 "Temp=\r\n");
    desktop.fileAnswers = {folder.path(QStringLiteral("myapp_v2.ini"))};
    run("FileOpen1");
    EXPECT_EQ(shownText(), u"[ACCESS]\nFLAGS=$0000A001,bf;Read and write\n\n[Paths]\nHome=C:\\data\nTemp=\n\n");
    documentItem("Save1")->trigger();
    EXPECT_EQ(folder.read(QStringLiteral("myapp_v2.ini")),
              "[ACCESS]\r\nFLAGS=$0000A001,bf;Read and write\r\n\r\n[Paths]\r\nHome=C:\\data\r\nTemp=\r\n\r\n");
    EXPECT_TRUE(desktop.messages().empty());
}

} // namespace
