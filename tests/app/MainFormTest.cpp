#include "app/MainForm.h"
#include "documents/CHILDWINIni.h"
#include "support/QStringPrinting.h"
#include "documents/TextAreaView.h"
#include "platform/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QStringList menuTitles(const QMenuBar *bar)
{
    QStringList titles;
    for (const QAction *menu : bar->actions())
        titles << menu->text();
    return titles;
}

class MainWindow : public ::testing::Test
{
protected:
    MainWindow()
    {
        QDir::setCurrent(folder.path(QString()));
        form.show();
        form.activateWindow();
        QCoreApplication::processEvents();
    }

    QAction *action(const char *name) const { return form.findChild<QAction *>(QString::fromLatin1(name)); }
    void run(const char *name) const { action(name)->trigger(); }
    TMDIChild *document() const { return form.ActiveDocument(); }
    int documentCount() const { return static_cast<int>(form.MdiArea->subWindowList().size()); }
    QString shownText() const { return TextAreaText(document()->MemoIni); }
    void press(Qt::Key key) const { QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier); }
    void closeDocument() const
    {
        run("FileClose1");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CurrentDirectoryGuard guard;
    ScriptedDesktop desktop;
    TestFolder folder;
    TMainForm form{QStringLiteral("/opt/tools/tarvex")};
};

struct CaptionCase
{
    const char *programFile;
    const char *caption;
};

class MainWindowCaption : public ::testing::TestWithParam<CaptionCase>
{
};

TEST_P(MainWindowCaption, IsTheProgramFilesBaseName)
{
    const TMainForm form(QString::fromUtf8(GetParam().programFile));
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(ProgramFiles, MainWindowCaption,
                         ::testing::Values(CaptionCase{"/opt/tools/tarvex", "tarvex"},
                                           CaptionCase{"/opt/My.Tools/flag.edit.v2", "flag"},
                                           CaptionCase{"C:\\Tools\\flagedit.exe", "flagedit"}));

TEST_F(MainWindow, ShowsItsFourMenusWithoutADocument)
{
    EXPECT_EQ(menuTitles(form.menuBar()), (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"), QStringLiteral("&Fenster"), QStringLiteral("&Hilfe")}));
    EXPECT_EQ(form.menuBar()->objectName(), u"MainMenu1");
}

TEST_F(MainWindow, MenuItemsShowTheirActions)
{
    QStringList items;
    for (const char *menuName : {"FileMenu", "EditMenu", "WindowMenu", "HelpMenu"}) {
        for (const QAction *item : form.findChild<QMenu *>(QString::fromLatin1(menuName))->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->objectName() + u'=' + item->text());
    }
    EXPECT_EQ(items.join(u'|'),
              u"FileNewItem=&Neu\tCtrl+N|FileCloseItem=&Schließen|FileOpenItem=Ö&ffnen\tCtrl+O|"
              u"FileSaveItem=&Speichern\tCtrl+S|FileSaveAsItem=Speichern &unter...|-|FileExitItem=&Beenden|"
              u"CutItem=&Ausschneiden\tCtrl+X|CopyItem=&Kopieren\tCtrl+C|PasteItem=&Einfügen\tCtrl+V|"
              u"WindowCascadeItem=Ü&berlappend|WindowTileItem=Hori&zontal anordnen|WindowTileItem2=&Vertikal anordnen|"
              u"WindowMinimizeItem=&Alle verkleinern|WindowArrangeItem=Alle an&ordnen|"
              u"HelpAboutItem=&Info...|Instruction1=&Instruction");
}

TEST_F(MainWindow, ToolBarHoldsTheNineActionsWithPicturesAndShortHints)
{
    QStringList buttons;
    for (const QAction *item : form.findChild<QToolBar *>(QStringLiteral("ToolBar2"))->actions())
        buttons << (item->isSeparator() ? QStringLiteral("-") : item->objectName() + u'=' + item->toolTip());
    EXPECT_EQ(buttons.join(u'|'), u"FileNew1=Neu|FileOpen1=Öffnen|FileSave1=Speichern|-|EditCut1=Ausschneiden|"
                                  u"EditCopy1=Kopieren|EditPaste1=Einfügen|-|WindowCascade1=Überlappend|"
                                  u"WindowTileHorizontal1=Horizontal anordnen|WindowTileVertical1=Vertikal anordnen");
    for (const QAction *item : form.Actions.all()) {
        const bool onToolBar = form.Actions.toolBarActions().contains(item);
        EXPECT_EQ(item->icon().isNull(), !onToolBar) << item->objectName().toStdString();
    }
    EXPECT_EQ(action("FileNew1")->property("hint").toString(), u"Neu|Neue Datei erstellen");
    EXPECT_EQ(action("FileNew1")->property("category").toString(), u"File");
}

TEST_F(MainWindow, WindowActionsAreDisabledAtStartAndEnabledWithADocument)
{
    const QList<QAction *> documentActions = form.Actions.windowActions() << action("FileClose1");
    for (const QAction *item : documentActions)
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    run("FileNew1");
    for (const QAction *item : documentActions)
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    closeDocument();
    for (const QAction *item : documentActions)
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
}

TEST_F(MainWindow, CommandsWithHandlersAreEnabledAndSaveIsNot)
{
    for (const char *name : {"FileNew1", "FileOpen1", "FileExit1", "HelpAbout1"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    run("FileNew1");
    EXPECT_FALSE(action("FileSave1")->isEnabled());
    EXPECT_FALSE(action("FileSaveAs1")->isEnabled());
}

TEST_F(MainWindow, ADocumentReplacesTheMenusWithItsFileAndEdit)
{
    run("FileNew1");
    EXPECT_EQ(menuTitles(form.menuBar()), (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit")}));
    closeDocument();
    EXPECT_EQ(menuTitles(form.menuBar()), (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"), QStringLiteral("&Fenster"), QStringLiteral("&Hilfe")}));
}

TEST_F(MainWindow, TwoNewCommandsGiveOneNoname1)
{
    run("FileNew1");
    run("FileNew1");
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(document()->windowTitle(), u"NONAME1");
    EXPECT_EQ(document()->IniFile(), nullptr);
    EXPECT_EQ(form.MdiArea->subWindowList().front()->windowTitle(), u"NONAME1");
}

TEST_F(MainWindow, SaveAsRetitlesTheDocumentsFrame)
{
    run("FileNew1");
    desktop.fileAnswers = {folder.path(QStringLiteral("saved.ini"))};
    document()->findChild<QAction *>(QStringLiteral("Saveas1"))->trigger();
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

TEST_F(MainWindow, OpenOfAFileThatCannotBeReadReportsItAndKeepsAnEmptyDocument)
{
    QDir(folder.path(QString())).mkdir(QStringLiteral("dir.ini"));
    desktop.fileAnswers = {folder.path(QStringLiteral("dir.ini"))};
    run("FileOpen1");
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages().front().kind, MessageKind::Error);
    EXPECT_EQ(desktop.messages().front().title, u"tarvex");
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(document()->windowTitle(), folder.path(QStringLiteral("dir.ini")));
    EXPECT_TRUE(shownText().isEmpty());
    EXPECT_EQ(document()->IniFile(), nullptr);
}

TEST_F(MainWindow, CloseWritesTheDocumentAndBringsTheFrameBack)
{
    folder.write(QStringLiteral("a.ini"), "[A]\r\n");
    desktop.fileAnswers = {folder.path(QStringLiteral("a.ini"))};
    run("FileOpen1");
    document()->MemoIni->setPlainText(QStringLiteral("[A]\n x = 1"));
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

TEST_F(MainWindow, InstructionOpensThePageThroughTheShell)
{
    run("Instruction1");
    ASSERT_EQ(desktop.calls().size(), 1u);
    EXPECT_EQ(desktop.calls().front().kind, ScriptedDesktop::CallKind::ShellOpen);
    EXPECT_EQ(desktop.calls().front().target, u"tarvexInit.htm");
}

TEST_F(MainWindow, InstructionPageThatCannotBeOpenedIsReported)
{
    desktop.shellSucceeds = false;
    run("Instruction1");
    ASSERT_EQ(desktop.messages().size(), 1u);
    const MessageRequest message = desktop.messages().front();
    EXPECT_EQ(message.text, u"Internetseite konnte nicht geöffnet werden!");
    EXPECT_EQ(message.kind, MessageKind::Plain);
    EXPECT_EQ(message.buttons, QList<MessageButton>{MessageButton::Ok});
    EXPECT_EQ(message.title, u"tarvex");
}

TEST_F(MainWindow, WindowMenuListsTheDocumentWindow)
{
    run("FileNew1");
    QMenu *windowMenu = form.findChild<QMenu *>(QStringLiteral("WindowMenu"));
    emit windowMenu->aboutToShow();
    emit windowMenu->aboutToShow(); // the list is rebuilt, not added twice
    const QAction *last = windowMenu->actions().constLast();
    EXPECT_EQ(windowMenu->actions().size(), 7);
    EXPECT_EQ(last->text(), u"&1 NONAME1");
    EXPECT_TRUE(last->isChecked());
}

TEST_F(MainWindow, TileVerticalGivesTheDocumentTheWholeArea)
{
    run("FileNew1");
    run("WindowTileVertical1");
    EXPECT_EQ(form.MdiArea->subWindowList().front()->geometry(), form.MdiArea->viewport()->rect());
}

TEST_F(MainWindow, MinimizeAllMinimizesTheDocument)
{
    run("FileNew1");
    run("WindowMinimizeAll1");
    EXPECT_TRUE(form.MdiArea->subWindowList().front()->isMinimized());
}

// Edit commands of the main window work on the focused text area.
TEST_F(MainWindow, EditActionsFollowFocusSelectionAndClipboard)
{
    run("FileNew1");
    QPlainTextEdit *memo = document()->MemoIni;
    memo->setFocus();
    memo->setPlainText(QStringLiteral("alpha beta"));
    QApplication::clipboard()->clear();
    EXPECT_FALSE(action("EditCopy1")->isEnabled());
    EXPECT_FALSE(action("EditPaste1")->isEnabled());

    memo->selectAll();
    EXPECT_TRUE(action("EditCut1")->isEnabled());
    EXPECT_TRUE(action("EditCopy1")->isEnabled());
    run("EditCopy1");
    EXPECT_EQ(QApplication::clipboard()->text(), u"alpha beta");
    EXPECT_TRUE(action("EditPaste1")->isEnabled());

    memo->moveCursor(QTextCursor::End);
    EXPECT_FALSE(action("EditCut1")->isEnabled());
    run("EditPaste1");
    EXPECT_EQ(memo->toPlainText(), u"alpha betaalpha beta");
}

class MainWindowKeys : public MainWindow
{
protected:
    void SetUp() override
    {
        run("FileNew1");
        form.activateWindow();
        QCoreApplication::processEvents();
        memo = document()->MemoIni;
        memo->setFocus();
        memo->setPlainText(QStringLiteral("alpha beta"));
        memo->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("[clip]"));
    }

    QPlainTextEdit *memo = nullptr;
};

TEST_F(MainWindowKeys, CtrlCCopiesOnceThroughTheDocumentsItem)
{
    QSignalSpy changes(QApplication::clipboard(), &QClipboard::dataChanged);
    QSignalSpy documentCopies(document()->findChild<QAction *>(QStringLiteral("Copy1")), &QAction::triggered);
    QSignalSpy frameCopies(action("EditCopy1"), &QAction::triggered);
    press(Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), u"alpha beta");
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(documentCopies.count(), 1);
    EXPECT_EQ(frameCopies.count(), 0);
}

TEST_F(MainWindowKeys, CtrlVPastesOnce)
{
    press(Qt::Key_V);
    EXPECT_EQ(memo->toPlainText(), u"[clip]");
}

TEST_F(MainWindowKeys, CtrlXAndCtrlADoNothing)
{
    memo->moveCursor(QTextCursor::End);
    press(Qt::Key_A);
    EXPECT_FALSE(memo->textCursor().hasSelection());
    memo->selectAll();
    press(Qt::Key_X);
    EXPECT_EQ(memo->toPlainText(), u"alpha beta");
    EXPECT_EQ(QApplication::clipboard()->text(), u"[clip]");
}

TEST_F(MainWindowKeys, CtrlNAndCtrlOStillReachTheMainWindow)
{
    QSignalSpy news(action("FileNew1"), &QAction::triggered);
    press(Qt::Key_N);
    EXPECT_EQ(news.count(), 1);
    EXPECT_EQ(documentCount(), 1);
    press(Qt::Key_O);
    ASSERT_EQ(desktop.calls().size(), 1u);
    EXPECT_EQ(desktop.calls().front().kind, ScriptedDesktop::CallKind::OpenDialog);
}

TEST_F(MainWindowKeys, FrameShortcutsComeBackWhenTheDocumentIsGone)
{
    closeDocument();
    EXPECT_EQ(action("EditCopy1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    form.activateWindow();
    QCoreApplication::processEvents();
    QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(documentCount(), 1);
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
    document()->findChild<QAction *>(QStringLiteral("Save1"))->trigger();
    EXPECT_EQ(folder.read(QStringLiteral("myapp_v2.ini")),
              "[ACCESS]\r\nFLAGS=$0000A001,bf;Read and write\r\n\r\n[Paths]\r\nHome=C:\\data\r\nTemp=\r\n\r\n");
    EXPECT_TRUE(desktop.messages().empty());
}

} // namespace
