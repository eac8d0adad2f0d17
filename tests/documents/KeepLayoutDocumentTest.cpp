#include "BitEditorFixture.h"

#include "documents/KeepLayoutSetting.h"
#include "documents/NoticeBar.h"
#include "flags/BitFrames.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The choice is the program's: a test that makes it leaves it as it found it.
struct ChoiceRestored
{
    ~ChoiceRestored() { ChooseKeepLayout(false); }
};

QString asShown(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).replace(u"\r\n"_s, u"\n"_s);
}

class KeepingTheLayoutInTheDocument : public BitEditor
{
protected:
    TNoticeBar *bar() const { return host.document()->findChild<TNoticeBar *>(u"KeepLayoutBar"_s); }
    QAction *item() const { return host.item(u"MI_KeepLayout"_s); }
    ChoiceRestored restored;
};

TEST_F(KeepingTheLayoutInTheDocument, TheBarShowsOnlyWhenSaveWouldChangeMoreThanLineEnds)
{
    const std::pair<QByteArray, bool> files[] = {
        {exampleFile, true}, {exampleRebuilt, false}, {"[A]\nk=1\n\n", false}, {"[A]\nk=1\n", true}, {"k=1", true}};
    for (const auto &[bytes, shown] : files) {
        openIni(bytes);
        EXPECT_EQ(bar()->isVisibleTo(host.document()), shown) << bytes.toStdString();
        host.closeDocument();
    }
}

TEST_F(KeepingTheLayoutInTheDocument, SaveInitFromTheFilesOwnTextChangesOnlyTheValue)
{
    openExample();
    bar()->findChild<QPushButton *>(u"BTN_KeepLayout"_s)->click();
    EXPECT_EQ(shownText(), asShown(exampleFile));
    EXPECT_FALSE(bar()->isVisibleTo(host.document()));
    EXPECT_TRUE(item()->isChecked());
    EXPECT_FALSE(KeepLayoutChosen()) << "the bar chooses for this document only";

    TMDIChildBit *editor = doubleClickLine(4); // FLAGS = $0000A001,bf;Read and write
    ASSERT_NE(editor, nullptr);
    editor->TBitFrame1->SetFlagHexA(u"$0000A003"_s);
    choose(editor, u"SaveInit1"_s);
    QByteArray expected = exampleFile;
    expected.replace("$0000A001", "$0000A003");
    EXPECT_EQ(shownText(), asShown(expected));
    host.closeDocument();
    EXPECT_EQ(folder.read(u"myapp_v2.ini"_s), expected);
}

TEST_F(KeepingTheLayoutInTheDocument, TheItemIsRememberedAndAsksBeforeTypedTextIsDropped)
{
    openExample();
    type(u"[Typed]"_s);
    desktop.messageAnswers = {MessageButton::No};
    item()->trigger();
    EXPECT_EQ(desktop.messageTexts(), QStringList{u"Die Änderungen an "_s + path(u"myapp_v2.ini"_s) +
                                                  u" sind nicht gespeichert. Datei trotzdem neu laden?"_s});
    EXPECT_FALSE(item()->isChecked());
    EXPECT_FALSE(KeepLayoutChosen());
    EXPECT_EQ(shownText(), u"[Typed]");

    desktop.messageAnswers = {MessageButton::Yes};
    item()->trigger();
    EXPECT_TRUE(KeepLayoutChosen());
    EXPECT_EQ(shownText(), asShown(exampleFile));
    host.closeDocument();
    EXPECT_EQ(folder.read(u"myapp_v2.ini"_s), exampleFile);

    openExample(); // opened later: the file's own text at once
    EXPECT_TRUE(item()->isChecked());
    EXPECT_EQ(shownText(), asShown(exampleFile));
}

} // namespace
