#include "DocumentWindowFixture.h"

#include "documents/ReEnabledEvent.h"
#include "support/QStringPrinting.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>

namespace {

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

TEST_F(DocumentWindow, AFolderOfThatNameIsNoFileAndGivesAnEmptyDocumentWithoutIniFile)
{
    QDir(path(QString())).mkdir(QStringLiteral("folder.ini"));
    TMDIChild *document = host.open(path(QStringLiteral("folder.ini")));
    EXPECT_TRUE(desktop.calls().empty());
    EXPECT_EQ(document->windowTitle(), path(QStringLiteral("folder.ini")));
    EXPECT_TRUE(shownText().isEmpty());
    EXPECT_EQ(document->IniFile(), nullptr);
}

TEST_F(DocumentWindow, AFileThatCannotBeReadIsReportedAndLeavesTheDocumentEmpty)
{
    // The kernel lets this file open but refuses to read it, for root too.
    const QString unreadable = QStringLiteral("/proc/self/mem");
    TMDIChild *document = host.open(unreadable);
    ASSERT_EQ(desktop.messages().size(), 1u);
    const MessageRequest report = desktop.messages().front();
    EXPECT_TRUE(report.text.startsWith(u"Datei /proc/self/mem kann nicht geöffnet werden. ")) << report.text.toStdString();
    EXPECT_EQ(report.kind, MessageKind::Error);
    EXPECT_EQ(document->windowTitle(), unreadable);
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

// Characters the text area could take for line breaks stay inside their
// line: the line count, the line's text and the saved bytes are unchanged.
class LineBreakLikeCharacter : public DocumentWindow, public ::testing::WithParamInterface<char16_t>
{
};

TEST_P(LineBreakLikeCharacter, StaysInsideItsLineThroughTheTextArea)
{
    const QString line = u"k=a" + QString(QChar(GetParam())) + u"b";
    const QByteArray bytes = "[A]\r\n" + line.toUtf8() + "\r\n\r\n";
    folder.write(QStringLiteral("s.ini"), bytes);
    host.open(path(QStringLiteral("s.ini")));
    const QTextDocument *shown = host.document()->MemoIni->document();
    EXPECT_EQ(shown->blockCount(), 4); // [A], the line, the empty line, the end
    EXPECT_EQ(TextAreaLine(host.document()->MemoIni, 1), line);
    EXPECT_EQ(shownText(), u"[A]\n" + line + u"\n\n");
    host.choose(QStringLiteral("Save1"));
    EXPECT_EQ(folder.read(QStringLiteral("s.ini")), bytes);
    host.closeDocument();
    EXPECT_EQ(folder.read(QStringLiteral("s.ini")), bytes);
}

INSTANTIATE_TEST_SUITE_P(Characters, LineBreakLikeCharacter, ::testing::Values(0x2028, 0x2029, 0xFDD0, 0xFDD1));

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

TEST_F(DocumentWindow, CloseWritesTheTextAndDestroysTheWindow)
{
    openExample();
    type(QStringLiteral("[ACCESS]\n FLAGS = $2\n;note\n"));
    host.closeDocument();
    EXPECT_EQ(host.document(), nullptr);
    EXPECT_EQ(folder.read(QStringLiteral("myapp_v2.ini")), "[ACCESS]\r\nFLAGS=$2\r\n\r\n");
    EXPECT_TRUE(desktop.calls().empty());
}

// Root may write anywhere: a folder standing where the file was stops the
// write. The file is then gone, which Close first asks about.
void makeUnwritable(const QString &file)
{
    QFile::remove(file);
    QFileInfo(file).dir().mkdir(QFileInfo(file).fileName());
}

QString overwriteQuestion(const QString &file)
{
    return u"Die Datei " + file + u" wurde außerhalb von Tarvex geändert. Trotzdem überschreiben?";
}

QString closeAnywayQuestion(const QString &file)
{
    return u"Die Datei " + file + u" kann nicht geschrieben werden. Fenster trotzdem schließen? Der Text wird nicht gespeichert.";
}

TEST_F(DocumentWindow, CloseThatCannotWriteKeepsTheWindowAndItsText)
{
    openExample();
    type(QStringLiteral("[Kept]\nk = v"));
    makeUnwritable(path(QStringLiteral("myapp_v2.ini")));
    desktop.messageAnswers = {MessageButton::Yes, MessageButton::Ok, MessageButton::No};
    host.closeDocument();

    ASSERT_NE(host.document(), nullptr);
    EXPECT_EQ(desktop.messageTexts(),
              QStringList({overwriteQuestion(path(QStringLiteral("myapp_v2.ini"))),
                           u"Datei \"" + path(QStringLiteral("myapp_v2.ini")) + u"\" kann nicht erstellt werden. Der Pfad ist ein Ordner.",
                           closeAnywayQuestion(path(QStringLiteral("myapp_v2.ini")))}));
    EXPECT_EQ(desktop.messages()[2].kind, MessageKind::Confirmation);
    EXPECT_EQ(desktop.messages()[2].buttons, (QList<MessageButton>{MessageButton::Yes, MessageButton::No}));
    EXPECT_EQ(shownText(), u"[Kept]\nk = v");
    ASSERT_NE(host.document()->IniFile(), nullptr);
    EXPECT_EQ(host.document()->IniFile()->rebuiltText(u"\n"), u"[Kept]\nk=v\n\n");
}

TEST_F(DocumentWindow, CloseThatCannotWriteClosesWithoutWritingWhenTheUserSaysSo)
{
    openExample();
    type(QStringLiteral("[Lost]"));
    makeUnwritable(path(QStringLiteral("myapp_v2.ini")));
    desktop.messageAnswers = {MessageButton::Yes, MessageButton::Ok, MessageButton::Yes};
    host.closeDocument();

    EXPECT_EQ(host.document(), nullptr);
    ASSERT_EQ(desktop.messageTexts().size(), 3);
    EXPECT_EQ(desktop.messageTexts()[2], closeAnywayQuestion(path(QStringLiteral("myapp_v2.ini"))));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("myapp_v2.ini"))).isDir());
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
              u"&Edit|Cu&t Ctrl+X|&Copy Ctrl+C|&Paste Ctrl+V|De&lete Ctrl+D|-|Select &all Ctrl+A|-|"
              u"&Suchen... Ctrl+F|&Gehe zu Zeile... Ctrl+G|-|Kommentare und Layout &beibehalten |-|"
              u"&Bit-Editor öffnen Ctrl+Return");
}

} // namespace
