#include "DocumentHost.h"
#include "support/QStringPrinting.h"

#include "documents/ReEnabledEvent.h"
#include "documents/TextAreaView.h"
#include "platform/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

const QByteArray exampleFile = "; settings of myapp\r\n"
                               "loose text\r\n"
                               "[ACCESS]\r\n"
                               "\r\n"
                               "FLAGS = $0000A001,bf;Read and write\r\n"
                               "; old = $0\r\n"
                               "[Paths]\r\n"
                               "  Home  =  C:\\data  \r\n";
const char *const exampleShown = "[ACCESS]\nFLAGS=$0000A001,bf;Read and write\n\n[Paths]\nHome=C:\\data\n\n";
const QByteArray exampleRebuilt = "[ACCESS]\r\nFLAGS=$0000A001,bf;Read and write\r\n\r\n[Paths]\r\nHome=C:\\data\r\n\r\n";

class DocumentWindow : public ::testing::Test
{
protected:
    TMDIChild *openExample()
    {
        folder.write(QStringLiteral("myapp_v2.ini"), exampleFile);
        return host.open(path(QStringLiteral("myapp_v2.ini")));
    }
    QString path(const QString &name) const { return folder.path(name); }
    QString shownText() const { return TextAreaText(host.document()->MemoIni); }
    void type(const QString &text) const { host.document()->MemoIni->setPlainText(text); }

    CurrentDirectoryGuard guard; // Save As moves the current directory
    ScriptedDesktop desktop;
    TestFolder folder;
    DocumentHost host;
};

TEST_F(DocumentWindow, ShowsTheRebuiltTextOfAnExistingFile)
{
    TMDIChild *document = openExample();
    EXPECT_EQ(document->windowTitle(), path(QStringLiteral("myapp_v2.ini")));
    EXPECT_EQ(shownText(), QString::fromUtf8(exampleShown));
    ASSERT_NE(document->IniFile(), nullptr);
    EXPECT_TRUE(desktop.calls().empty());
}

TEST_F(DocumentWindow, ANameThatIsNoFileGivesAnEmptyDocumentWithoutIniFile)
{
    TMDIChild *document = host.open(QStringLiteral("NONAME1"));
    EXPECT_EQ(document->windowTitle(), u"NONAME1");
    EXPECT_TRUE(shownText().isEmpty());
    EXPECT_EQ(document->IniFile(), nullptr);
}

TEST_F(DocumentWindow, AFileThatCannotBeReadIsReportedAndLeavesTheDocumentEmpty)
{
    QDir(path(QString())).mkdir(QStringLiteral("folder.ini")); // exists, but is no readable file
    TMDIChild *document = host.open(path(QStringLiteral("folder.ini")));
    EXPECT_EQ(desktop.messageTexts(),
              QStringList{u"Datei " + path(QStringLiteral("folder.ini")) + u" kann nicht geöffnet werden. Der Pfad ist ein Ordner."});
    EXPECT_EQ(desktop.messages().front().kind, MessageKind::Error);
    EXPECT_EQ(document->windowTitle(), path(QStringLiteral("folder.ini")));
    EXPECT_TRUE(shownText().isEmpty());
    EXPECT_EQ(document->IniFile(), nullptr);
}

TEST_F(DocumentWindow, SaveWritesTheTypedTextInRebuiltFormAndShowsIt)
{
    openExample();
    type(QStringLiteral("; gone\n[ACCESS]\n FLAGS = $1 \n\n\n[New]\nk=v"));
    host.choose(QStringLiteral("Save1"));
    EXPECT_EQ(folder.read(QStringLiteral("myapp_v2.ini")), "[ACCESS]\r\nFLAGS=$1\r\n\r\n[New]\r\nk=v\r\n\r\n");
    EXPECT_EQ(shownText(), u"[ACCESS]\nFLAGS=$1\n\n[New]\nk=v\n\n");
    EXPECT_TRUE(desktop.calls().empty());
}

TEST_F(DocumentWindow, SaveOfAnUnchangedDocumentWritesTheRebuiltFile)
{
    openExample();
    host.choose(QStringLiteral("Save1"));
    EXPECT_EQ(folder.read(QStringLiteral("myapp_v2.ini")), exampleRebuilt);
}

TEST_F(DocumentWindow, SaveKeepsLinesLongerThan4096Characters)
{
    openExample();
    const QString value(6000, u'v');
    type(u"[A]\nlong=" + value);
    host.choose(QStringLiteral("Save1"));
    EXPECT_EQ(folder.read(QStringLiteral("myapp_v2.ini")), "[A]\r\nlong=" + value.toLatin1() + "\r\n\r\n");
}

TEST_F(DocumentWindow, SaveKeepsWindows1252Characters)
{
    folder.write(QStringLiteral("w.ini"), "[Gr\xF6\xDF" "e]\r\nk=\xE4\xA0\x81\r\n\r\n");
    host.open(path(QStringLiteral("w.ini")));
    EXPECT_EQ(shownText(), QStringLiteral("[Größe]\nk=ä\u00A0\u0081\n\n"));
    host.choose(QStringLiteral("Save1"));
    EXPECT_EQ(folder.read(QStringLiteral("w.ini")), "[Gr\xF6\xDF" "e]\r\nk=\xE4\xA0\x81\r\n\r\n");
}

TEST_F(DocumentWindow, NewDocumentSaveAsksForSaveAs)
{
    CurrentDirectoryGuard local;
    QDir::setCurrent(path(QString()));
    host.open(QStringLiteral("NONAME1"));
    type(QStringLiteral("[A]\nk=v"));
    host.choose(QStringLiteral("Save1"));
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages().front().text, u"No Init file exsist! Crate by Save as, please!");
    EXPECT_EQ(desktop.messages().front().kind, MessageKind::Information);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("NONAME1"))));
}

TEST_F(DocumentWindow, SaveAsAsksWithTheIniFileDialog)
{
    host.open(QStringLiteral("NONAME1"));
    host.choose(QStringLiteral("Saveas1"));
    ASSERT_EQ(desktop.calls().front().kind, ScriptedDesktop::CallKind::SaveDialog);
    const FileDialogRequest &dialog = desktop.calls().front().dialog;
    EXPECT_EQ(dialog.filter, u"Init file (*.ini)|*.ini|Plain text files (*.txt)|*.txt|All files|*.*");
    EXPECT_EQ(dialog.filterIndex, 1);
    EXPECT_EQ(dialog.defaultExtension, u".ini");
    EXPECT_TRUE(dialog.refuseReadOnly);
}

TEST_F(DocumentWindow, SaveAsCancelledCreatesNoFile)
{
    host.open(QStringLiteral("NONAME1"));
    desktop.fileAnswers = {std::nullopt};
    host.choose(QStringLiteral("Saveas1"));
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("No file will be created!")});
    EXPECT_EQ(host.document()->windowTitle(), u"NONAME1");
}

TEST_F(DocumentWindow, NewDocumentSaveAsWritesTheTextAsShownAndRetitles)
{
    CurrentDirectoryGuard local;
    QDir::setCurrent(path(QString()));
    TMDIChild *document = host.open(QStringLiteral("NONAME1"));
    type(QStringLiteral("; kept\n[A]\n k = v \n"));
    desktop.fileAnswers = {path(QStringLiteral("saved.ini"))};
    host.choose(QStringLiteral("Saveas1"));
    EXPECT_EQ(folder.read(QStringLiteral("saved.ini")), "; kept\r\n[A]\r\n k = v \r\n");
    EXPECT_EQ(document->windowTitle(), path(QStringLiteral("saved.ini")));
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_EQ(document->IniFile(), nullptr);

    host.choose(QStringLiteral("Save1"));
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("No Init file exsist! Crate by Save as, please!")});

    host.closeDocument();
    EXPECT_EQ(host.document(), nullptr);
    EXPECT_EQ(folder.read(QStringLiteral("saved.ini")), "; kept\r\n[A]\r\n k = v \r\n");
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("NONAME1"))));
}

TEST_F(DocumentWindow, SaveAsWithoutLineBreakAfterTheLastLine)
{
    host.open(QStringLiteral("NONAME1"));
    type(QStringLiteral("a\nb"));
    desktop.fileAnswers = {path(QStringLiteral("plain.txt"))};
    host.choose(QStringLiteral("Saveas1"));
    EXPECT_EQ(folder.read(QStringLiteral("plain.txt")), "a\r\nb");
}

class SaveAsOverExistingFile : public DocumentWindow, public ::testing::WithParamInterface<MessageButton>
{
};

TEST_P(SaveAsOverExistingFile, AsksBeforeOverwriting)
{
    folder.write(QStringLiteral("other.ini"), "old");
    TMDIChild *document = host.open(QStringLiteral("NONAME1"));
    type(QStringLiteral("new"));
    desktop.fileAnswers = {path(QStringLiteral("other.ini"))};
    desktop.messageAnswers = {GetParam()};
    host.choose(QStringLiteral("Saveas1"));

    ASSERT_EQ(desktop.messages().size(), 1u);
    const MessageRequest question = desktop.messages().front();
    EXPECT_EQ(question.text, u"File exists! Overwrite?");
    EXPECT_EQ(question.kind, MessageKind::Confirmation);
    EXPECT_EQ(question.buttons, (QList<MessageButton>{MessageButton::Yes, MessageButton::No}));
    const bool yes = GetParam() == MessageButton::Yes;
    EXPECT_EQ(folder.read(QStringLiteral("other.ini")), yes ? "new" : "old");
    EXPECT_EQ(document->windowTitle(), yes ? path(QStringLiteral("other.ini")) : QStringLiteral("NONAME1"));
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveAsOverExistingFile, ::testing::Values(MessageButton::Yes, MessageButton::No));

TEST_F(DocumentWindow, SaveAsThatCannotWriteKeepsTheTitle)
{
    host.open(QStringLiteral("NONAME1"));
    desktop.fileAnswers = {path(QStringLiteral("missing/x.ini"))};
    host.choose(QStringLiteral("Saveas1"));
    EXPECT_EQ(desktop.messageTexts(),
              QStringList{u"Datei \"" + path(QStringLiteral("missing/x.ini")) +
                          u"\" kann nicht erstellt werden. Das System kann den angegebenen Pfad nicht finden."});
    EXPECT_EQ(host.document()->windowTitle(), u"NONAME1");
}

TEST_F(DocumentWindow, AfterSaveAsSaveStillWritesTheOriginalFile)
{
    TMDIChild *document = openExample();
    desktop.fileAnswers = {path(QStringLiteral("copy.ini"))};
    host.choose(QStringLiteral("Saveas1"));
    type(QStringLiteral("[Changed]\n"));
    host.choose(QStringLiteral("Save1"));
    EXPECT_EQ(folder.read(QStringLiteral("myapp_v2.ini")), "[Changed]\r\n\r\n");
    EXPECT_EQ(folder.read(QStringLiteral("copy.ini")), exampleRebuilt);
    EXPECT_EQ(document->windowTitle(), path(QStringLiteral("copy.ini")));
}

TEST_F(DocumentWindow, SaveAsWritesInTheEncodingTheFileWasReadIn)
{
    folder.write(QStringLiteral("w.ini"), "[\xE4]\r\n\r\n");
    host.open(path(QStringLiteral("w.ini")));
    desktop.fileAnswers = {path(QStringLiteral("copy.ini"))};
    host.choose(QStringLiteral("Saveas1"));
    EXPECT_EQ(folder.read(QStringLiteral("copy.ini")), "[\xE4]\r\n\r\n");
}

TEST_F(DocumentWindow, CloseWritesTheTextAndDestroysTheWindow)
{
    openExample();
    type(QStringLiteral("[ACCESS]\n FLAGS = $2\n;note\n"));
    host.closeDocument();
    EXPECT_EQ(host.document(), nullptr);
    EXPECT_EQ(folder.read(QStringLiteral("myapp_v2.ini")), "[ACCESS]\r\nFLAGS=$2\r\n\r\n");
    EXPECT_TRUE(desktop.calls().empty());
}

TEST_F(DocumentWindow, CloseThatCannotWriteKeepsTheWindowAndItsText)
{
    openExample();
    type(QStringLiteral("[Kept]\nk = v"));
    // Root may write anywhere: a folder standing where the file was stops the write.
    QFile::remove(path(QStringLiteral("myapp_v2.ini")));
    QDir(path(QString())).mkdir(QStringLiteral("myapp_v2.ini"));
    host.closeDocument();

    ASSERT_NE(host.document(), nullptr);
    EXPECT_EQ(desktop.messageTexts(),
              QStringList{u"Datei \"" + path(QStringLiteral("myapp_v2.ini")) + u"\" kann nicht erstellt werden. Der Pfad ist ein Ordner."});
    EXPECT_EQ(shownText(), u"[Kept]\nk = v");
    ASSERT_NE(host.document()->IniFile(), nullptr);
    EXPECT_EQ(host.document()->IniFile()->rebuiltText(u"\n"), u"[Kept]\nk=v\n\n");
}

TEST_F(DocumentWindow, ReloadReplacesUnsavedTypingByTheIniFile)
{
    TMDIChild *document = openExample();
    type(QStringLiteral("typed but not saved"));
    document->IniFile()->write(QStringLiteral("Access"), QStringLiteral("Flags"), QStringLiteral("$0000A003,bf;Read and write"));
    SendReEnabled(document, 0xA003);
    EXPECT_EQ(shownText(), u"[ACCESS]\nFlags=$0000A003,bf;Read and write\n\n[Paths]\nHome=C:\\data\n\n");
    EXPECT_EQ(folder.read(QStringLiteral("myapp_v2.ini")), exampleFile);
}

TEST_F(DocumentWindow, ReloadWithoutIniFileOnlyTellsSo)
{
    TMDIChild *document = host.open(QStringLiteral("NONAME1"));
    type(QStringLiteral("typed"));
    SendReEnabled(document);
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("No Init file created!")});
    EXPECT_EQ(desktop.messages().front().kind, MessageKind::Information);
    EXPECT_EQ(shownText(), u"typed");
}

TEST_F(DocumentWindow, ReloadKeepsTheScrollPositionAndTheCaretLine)
{
    QByteArray bytes = "[A]\r\n";
    for (int i = 0; i < 300; ++i)
        bytes += "key" + QByteArray::number(i) + "=value\r\n";
    folder.write(QStringLiteral("long.ini"), bytes);
    TMDIChild *document = host.open(path(QStringLiteral("long.ini")));
    QPlainTextEdit *memo = document->MemoIni;
    QTextCursor caret(memo->document()->findBlockByNumber(150));
    caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 4);
    memo->setTextCursor(caret);
    memo->verticalScrollBar()->setValue(120);

    SendReEnabled(document);
    EXPECT_EQ(memo->verticalScrollBar()->value(), 120);
    EXPECT_EQ(memo->textCursor().blockNumber(), 150);
    EXPECT_EQ(memo->textCursor().positionInBlock(), 4);
}

TEST_F(DocumentWindow, MenusCarryTheirItemsAndShortcuts)
{
    TMDIChild *document = host.open(QStringLiteral("NONAME1"));
    QStringList items;
    for (QMenu *menu : document->menus()) {
        items << menu->title();
        for (QAction *item : menu->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text() + u' ' + item->shortcut().toString());
    }
    EXPECT_EQ(items.join(u'|'),
              u"&File|&New |&Open... |&Close |&Save |Save &as... |&Print |Printer setup... |-|E&xit |"
              u"&Edit|Cu&t Ctrl+X|&Copy Ctrl+C|&Paste Ctrl+V|De&lete Ctrl+D|-|Select &all Ctrl+A");
}

} // namespace
