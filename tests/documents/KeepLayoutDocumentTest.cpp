#include "BitEditorFixture.h"

#include "documents/NoticeBar.h"
#include "flags/BitFrames.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QString asShown(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).replace(u"\r\n"_s, u"\n"_s);
}

class KeepingTheLayoutInTheDocument : public BitEditor
{
protected:
    TNoticeBar *bar() const { return host.document()->findChild<TNoticeBar *>(u"KeepLayoutBar"_s); }
    QAction *item() const { return host.item(u"MI_KeepLayout"_s); }
    KeepLayoutChoiceRestored restored;
};

// The bar for this document, the item for later ones; Save Init through
// a double click on the file's own line changes only its value.
TEST_F(KeepingTheLayoutInTheDocument, BarAndItemShowTheFilesOwnTextWhereSaveInitChangesOnlyTheValue)
{
    openIni(exampleRebuilt);
    EXPECT_FALSE(bar()->isVisibleTo(host.document())) << "Save would change nothing but line ends";
    host.closeDocument();
    openExample();
    EXPECT_TRUE(bar()->isVisibleTo(host.document()));
    bar()->findChild<QPushButton *>(u"BTN_KeepLayout"_s)->click();
    EXPECT_EQ(shownText(), asShown(exampleFile));
    EXPECT_FALSE(bar()->isVisibleTo(host.document()));
    EXPECT_TRUE(item()->isChecked());
    EXPECT_FALSE(KeepLayoutChosen()) << "the bar chooses for this document only";
    EXPECT_EQ(doubleClickLine(5), nullptr) << "a comment is no flag line";
    TMDIChildBit *editor = doubleClickLine(4); // FLAGS = $0000A001,bf;Read and write
    ASSERT_NE(editor, nullptr);
    editor->TBitFrame1->SetFlagHexA(u"$0000A003"_s);
    choose(editor, u"SaveInit1"_s);
    const QByteArray expected = QByteArray(exampleFile).replace("$0000A001", "$0000A003");
    EXPECT_EQ(shownText(), asShown(expected));

    desktop.messageAnswers = {MessageButton::No, MessageButton::Yes};
    item()->trigger(); // the rebuilt text again, after the question about the written value
    EXPECT_TRUE(item()->isChecked()) << "the answer keeps the document as it is";
    item()->trigger();
    EXPECT_EQ(desktop.messageTexts(), QStringList(2, u"Die Änderungen an "_s + path(u"myapp_v2.ini"_s) +
                                                         u" sind nicht gespeichert. Datei trotzdem neu laden?"_s));
    EXPECT_EQ(shownText(), QString::fromUtf8(exampleShown));
    item()->trigger();
    EXPECT_TRUE(KeepLayoutChosen());
    host.closeDocument();
    EXPECT_EQ(folder.read(u"myapp_v2.ini"_s), exampleFile) << "the written value was dropped, nothing else written";
    openExample(); // opened later: the file's own text at once
    EXPECT_EQ(shownText(), asShown(exampleFile));
}

} // namespace
