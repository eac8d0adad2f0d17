#include "MainWindowFixture.h"

#include "documents/CHILDWINIni.h"
#include "support/QStringPrinting.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>

namespace {

struct CaptionCase
{
    const char *name;
    const char *programFile;
    const char *caption;
};

void PrintTo(const CaptionCase &row, std::ostream *out)
{
    *out << row.programFile << " -> " << row.caption;
}

class MainWindowCaption : public ::testing::TestWithParam<CaptionCase>
{
};

TEST_P(MainWindowCaption, IsTheProgramFilesBaseName)
{
    const TMainForm form(QString::fromUtf8(GetParam().programFile));
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(ProgramFiles, MainWindowCaption,
                         ::testing::Values(CaptionCase{"plain", "/opt/tools/tarvex", "tarvex"},
                                           CaptionCase{"dots_in_folder_and_name", "/opt/My.Tools/flag.edit.v2", "flag"},
                                           CaptionCase{"windows_path", "C:\\Tools\\flagedit.exe", "flagedit"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindow, ShowsItsFourMenusWithoutADocument)
{
    EXPECT_EQ(menuTitles(form.menuBar()), frameMenuTitles());
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
    EXPECT_EQ(menuTitles(form.menuBar()), frameMenuTitles());
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

TEST_F(MainWindow, InstructionOpensThePageBesideTheProgramThroughTheShell)
{
    // A file dialog has moved the current directory away from the program's.
    QDir::setCurrent(QDir::tempPath());
    run("Instruction1");
    ASSERT_EQ(desktop.calls().size(), 1u);
    EXPECT_EQ(desktop.calls().front().kind, ScriptedDesktop::CallKind::ShellOpen);
    EXPECT_EQ(desktop.calls().front().target, u"/opt/tools/tarvexInit.htm");
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

} // namespace
