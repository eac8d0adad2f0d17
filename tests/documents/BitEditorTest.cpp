#include "BitEditorFixture.h"

#include "documents/CHILDWINBit.h"
#include "flags/BitFrames.h"
#include "grid/CellGrid.h"
#include "platform/PrintJob.h"
#include "support/PdfReader.h"
#include "support/QStringPrinting.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

QStringList captions(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    return texts;
}

TEST_F(BitEditor, AFlagWordGoesFromTheIniTextIntoTheBitTableAndBack)
{
    openIni(accessFile);
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    TBitFrame *frame = editor->TBitFrame1;
    EXPECT_EQ(editor->windowTitle(), u"Myapp Access Flags"_s);
    EXPECT_TRUE(editor->isVisible() && editor->isWindow());
    EXPECT_EQ(editor->height(), 719);
    EXPECT_EQ(editor->focusWidget(), frame->GridBits);
    EXPECT_EQ(frame->GB_BitFrame->title(), path(u"MyappAccessFlags.bfx"_s));
    EXPECT_EQ(frame->FlagPrefix() + u'|' + frame->FlagNote(), u"bf|Read and write"_s);
    EXPECT_EQ(captions(frame->PopupBits),
              QStringList({u"&Load"_s, u"&Save"_s, u"Save &As"_s, u"Save &Init"_s, u"&Clear"_s, u"&Include create"_s,
                           u"&Print"_s, u"&Field..."_s, u"Split fi&eld"_s, u""_s, u"&Undo"_s, u"&Redo"_s}));

    frame->GridBits->ToggleCheckBox(0, 30); // bit 1
    EXPECT_EQ(frame->GridBits->Columns[1]->Footer().Caption(), u"0000A003"_s);
    EXPECT_EQ(frame->GridBits->Columns[2]->Footer().Caption(), u"       40963"_s);
    choose(editor, u"SaveInit1"_s);
    EXPECT_EQ(shownText(), u"[ACCESS]\nFlags=$0000A003,bf;Read and write\n\n"_s);

    choose(editor, u"MI_BF_Save"_s);
    EXPECT_TRUE(QFileInfo(path(u"MyappAccessFlags.bfx"_s)).isFile());
    EXPECT_TRUE(QFileInfo(path(u"MyappAccessFlags.bfi"_s)).isFile());
    choose(editor, u"MI_BF_Pascal"_s); // after Save the base names the settings file
    EXPECT_TRUE(folder.read(u"MyappAccessFlags.bfi.inc_dn"_s).contains("bfDefault                = $0000A003;"));

    host.choose(u"Save1"_s);
    EXPECT_EQ(folder.read(u"myapp_v2.ini"_s), "[ACCESS]\r\nFlags=$0000A003,bf;Read and write\r\n\r\n");
    EXPECT_TRUE(desktop.messageTexts().isEmpty());
}

struct OpeningCase
{
    const char *name;
    QString text;
    int line;
    QString title;
    QString flagFileBase;
    QString prefixAndNote;
};

TEST_F(BitEditor, TheLineNamesTheWindowAndTheBitDefinitionFiles)
{
    const OpeningCase cases[] = {
        {"a comment after the header", u"[Access] ; comment\nFlags=$0000A001,kf;x"_s, 1, u"Myapp Access Flags"_s,
         u"MyappAccessFlags"_s, u"kf|x"_s},
        {"no prefix and no note", u"[NETWORK]\nmyFlags=$0000A001"_s, 1, u"Myapp Network Myflags"_s,
         u"MyappNetworkMyflags"_s, u"|"_s},
        {"blanks before the key", u"[Access]\n  Flags=$0000A001,bf"_s, 1, u"Myapp Access   flags"_s,
         u"MyappAccess  flags"_s, u"bf|"_s},
    };
    openIni(accessFile);
    for (const OpeningCase &c : cases) {
        type(c.text);
        TMDIChildBit *editor = doubleClickLine(c.line);
        ASSERT_NE(editor, nullptr) << c.name;
        EXPECT_EQ(editor->windowTitle(), c.title) << c.name;
        EXPECT_EQ(editor->TBitFrame1->FlagFileBase(), path(c.flagFileBase)) << c.name;
        EXPECT_EQ(editor->TBitFrame1->FlagPrefix() + u'|' + editor->TBitFrame1->FlagNote(), c.prefixAndNote)
            << c.name;
    }
    EXPECT_EQ(doubleClickLine(1, Qt::RightButton), nullptr);
    type(u"[Access]\nFlags=$A001"_s);
    EXPECT_EQ(doubleClickLine(1), nullptr);
}

// The pair's name holds no dot, which the extension rule would cut it at.
TEST_F(BitEditor, ASectionWithADotReopensThePairItSaved)
{
    openIni("[Net.Access]\r\nFlags=$0000A001,bf;x\r\n");
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    editor->TBitFrame1->GridBits->SetCells(2, 31, u"bfRead"_s);
    choose(editor, u"MI_BF_Save"_s);
    EXPECT_TRUE(QFileInfo(path(u"MyappNet_accessFlags.bfx"_s)).isFile());
    editor->close();

    TMDIChildBit *reopened = doubleClickLine(1);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->TBitFrame1->GridBits->Cells(2, 31), u"bfRead"_s);
}

// A character the text area could take for a line break stays in the
// double-clicked line, and so in the note written back.
TEST_F(BitEditor, TheDoubleClickedLineKeepsAParagraphSeparator)
{
    openIni("[ACCESS]\r\nFLAGS=$0000A001,bf;Read\xE2\x80\xA9write\r\n");
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->TBitFrame1->FlagNote(), u"Read\u2029write"_s);
    choose(editor, u"SaveInit1"_s);
    EXPECT_EQ(shownText(), u"[ACCESS]\nFlags=$0000A001,bf;Read\u2029write\n\n"_s);
}

TEST_F(BitEditor, ANewDocumentOpensEditorsThatCannotWriteBack)
{
    host.open(u"NONAME1"_s);
    type(u"[Access]\nFlags=$0000A001,bf;x"_s);
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), u"Noname1 Access Flags"_s);
    choose(editor, u"SaveInit1"_s);
    EXPECT_TRUE(desktop.messageTexts().isEmpty());
    editor->close();
    EXPECT_EQ(desktop.messageTexts(), QStringList{u"No Init file created!"_s});
}

TEST_F(BitEditor, AfterSaveAsTheBaseNameComesFromTheNewTitle)
{
    openIni(accessFile);
    desktop.fileAnswers = {path(u"other-tool_v3.ini"_s)};
    host.choose(u"Saveas1"_s);
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), u"Other-tool Access Flags"_s);
}

TEST_F(BitEditor, AnInvalidHexTextIsReportedAndTheWindowStaysOpen)
{
    openIni("[Access]\r\nFlags=$0000A00G,bf;x\r\n");
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->TBitFrame1->FlagPrefix(), u"bf"_s);
    EXPECT_EQ(desktop.messageTexts(), QStringList{u"'$0000A00G' ist kein gültiger Integerwert."_s});
}

TEST_F(BitEditor, EditorsWriteIndependentlyAndUnderTheFramesCurrentNames)
{
    openIni(accessFile);
    TMDIChildBit *first = doubleClickLine(1);
    TMDIChildBit *second = doubleClickLine(1);
    ASSERT_TRUE(first && second && first != second);
    first->TBitFrame1->SetFlagHexA(u"$1"_s);
    second->TBitFrame1->SetFlagHexA(u"$2"_s);
    choose(second, u"SaveInit1"_s);
    choose(first, u"SaveInit1"_s);
    EXPECT_EQ(shownText(), u"[ACCESS]\nFlags=$00000001,bf;Read and write\n\n"_s);

    second->TBitFrame1->CBX_Section->setCurrentIndex(3); // "Network"
    choose(second, u"MI_BF_Save"_s);
    choose(second, u"SaveInit1"_s);
    EXPECT_EQ(shownText(),
              u"[ACCESS]\nFlags=$00000001,bf;Read and write\n\n[Network]\nFlags=$00000002,bf;Read and write\n\n"_s);
}

TEST_F(BitEditor, TypedTextGivesWayToTheRebuiltTextOnSaveInitAndOnClose)
{
    openIni(accessFile);
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    type(u"; typed\n[Other]\nk=v"_s);
    choose(editor, u"SaveInit1"_s);
    EXPECT_EQ(shownText(), u"[ACCESS]\nFlags=$0000A001,bf;Read and write\n\n"_s);
    type(u"; typed again"_s);
    editor->close();
    EXPECT_EQ(shownText(), u"[ACCESS]\nFlags=$0000A001,bf;Read and write\n\n"_s);
}

TEST_F(BitEditor, ASectionThatWasEditedOutIsAppendedAgain)
{
    openIni("[ACCESS]\r\nFLAGS=$0000A001,bf;Read and write\r\n[Paths]\r\nHome=/data\r\n");
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    type(u"[Paths]\nHome=/data"_s);
    host.choose(u"Save1"_s);
    choose(editor, u"SaveInit1"_s);
    EXPECT_EQ(shownText(), u"[Paths]\nHome=/data\n\n[Access]\nFlags=$0000A001,bf;Read and write\n\n"_s);
}

TEST_F(BitEditor, ClosingTheDocumentDestroysItsEditorsSilently)
{
    host.open(u"NONAME1"_s);
    type(u"[Access]\nFlags=$0000A001,bf;x"_s);
    QPointer<TMDIChildBit> editor = doubleClickLine(1);
    ASSERT_FALSE(editor.isNull());
    desktop.messageAnswers = {MessageButton::No}; // to saving the typed text
    host.closeDocument();
    EXPECT_TRUE(editor.isNull());
    // A notification would say "No Init file created!"
    EXPECT_EQ(desktop.messageTexts(), QStringList{u"Änderungen in NONAME1 speichern?"_s});

    openIni(accessFile);
    QPointer<TMDIChildBit> second = doubleClickLine(1);
    ASSERT_FALSE(second.isNull());
    type(u"[ACCESS]\nFLAGS=$1"_s);
    host.closeDocument();
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(folder.read(u"myapp_v2.ini"_s), "[ACCESS]\r\nFLAGS=$1\r\n\r\n");
}

TEST_F(BitEditor, PrintsTheBitTableTitledByItsWindowWithTheDocumentsPrinterSetup)
{
    struct UprightAfterwards
    {
        ~UprightAfterwards() { applicationPrinter().setPageOrientation(QPageLayout::Portrait); }
    } upright;
    openIni(accessFile);
    desktop.printAnswers = {true, true};
    desktop.setupOrientation = QPageLayout::Landscape;
    host.choose(u"Printersetup1"_s);
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    desktop.printFileName = path(u"bits.pdf"_s);

    choose(editor, u"Print1"_s);

    EXPECT_TRUE(desktop.messageTexts().isEmpty());
    EXPECT_EQ(pdfInfo(path(u"bits.pdf"_s), u"Title"_s), u"Myapp Access Flags"_s);
    const QSizeF page = pdfPageSize(path(u"bits.pdf"_s));
    EXPECT_GT(page.width(), page.height());
}

} // namespace
