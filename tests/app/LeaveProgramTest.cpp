#include "MainWindowFixture.h"

#include "documents/CHILDWINIni.h"
#include "documents/ReEnabledEvent.h"
#include "support/QStringPrinting.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QtTest/QTest>

namespace {

enum class Change { None, Typed, TypedAndSaved, WrittenByBitEditor };

struct LeaveCase
{
    Change change;
    std::optional<MessageButton> answer; // none: no question expected
    bool leaves;
    QByteArray onDisk;
    const char *exitItem = "FileExit1"; // or the document's own "Exit1"
};

const QByteArray original = "; settings\r\n[A]\r\nk = 1\r\n";

class LeavingTheProgram : public MainWindow, public ::testing::WithParamInterface<LeaveCase>
{
protected:
    void make(Change change)
    {
        QPlainTextEdit *memo = document()->MemoIni;
        if (change == Change::Typed || change == Change::TypedAndSaved) {
            memo->moveCursor(QTextCursor::End);
            QTest::keyClicks(memo, QStringLiteral("[B]"));
        }
        if (change == Change::TypedAndSaved)
            documentItem("Save1")->trigger();
        if (change == Change::WrittenByBitEditor) {
            // What "Save &Init" does: typed text goes, the model's line comes.
            QTest::keyClicks(memo, QStringLiteral("typed "));
            document()->IniFile()->write(QStringLiteral("a"), QStringLiteral("k"), QStringLiteral("2"));
            SendReEnabled(document());
        }
    }
};

TEST_P(LeavingTheProgram, AsksOnlyAboutChangesAndDoesWhatTheAnswerSays)
{
    const LeaveCase &test = GetParam();
    folder.write(QStringLiteral("a.ini"), original);
    desktop.fileAnswers = {folder.path(QStringLiteral("a.ini"))};
    run("FileOpen1");
    make(test.change);
    desktop.clear();
    if (test.answer)
        desktop.messageAnswers = {*test.answer};

    if (QAction *documentExit = documentItem(test.exitItem))
        documentExit->trigger();
    else
        run(test.exitItem);

    if (test.answer) {
        ASSERT_EQ(desktop.messages().size(), 1u);
        const MessageRequest question = desktop.messages().front();
        EXPECT_EQ(question.text, u"Änderungen in " + folder.path(QStringLiteral("a.ini")) + u" speichern?");
        EXPECT_EQ(question.kind, MessageKind::Confirmation);
        EXPECT_EQ(question.buttons, (QList<MessageButton>{MessageButton::Yes, MessageButton::No, MessageButton::Cancel}));
    } else {
        EXPECT_TRUE(desktop.calls().empty());
    }
    EXPECT_EQ(form.isVisible(), !test.leaves);
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), test.onDisk);
}

const QByteArray rebuilt = "[A]\r\nk=1\r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    MainWindow, LeavingTheProgram,
    ::testing::Values(LeaveCase{Change::None, std::nullopt, true, original},
                      LeaveCase{Change::TypedAndSaved, std::nullopt, true, rebuilt + "[B]\r\n\r\n"},
                      LeaveCase{Change::Typed, MessageButton::No, true, original},
                      LeaveCase{Change::Typed, MessageButton::Cancel, false, original},
                      LeaveCase{Change::Typed, MessageButton::Yes, true, rebuilt + "[B]\r\n\r\n"},
                      LeaveCase{Change::WrittenByBitEditor, MessageButton::Yes, true, "[A]\r\nk=2\r\n\r\n"},
                      LeaveCase{Change::None, std::nullopt, true, original, "Exit1"},
                      LeaveCase{Change::Typed, MessageButton::Cancel, false, original, "Exit1"},
                      LeaveCase{Change::Typed, MessageButton::Yes, true, rebuilt + "[B]\r\n\r\n", "Exit1"}));

TEST_F(MainWindow, LeavingWithTextTypedIntoANewDocumentAsksAndSavesAs)
{
    run("FileNew1");
    QTest::keyClicks(document()->MemoIni, QStringLiteral("[B]"));
    desktop.messageAnswers = {MessageButton::Yes};
    desktop.fileAnswers = {folder.path(QStringLiteral("typed.ini"))};
    run("FileExit1");
    EXPECT_EQ(desktop.messageTexts(), QStringList{QStringLiteral("Änderungen in NONAME1 speichern?")});
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("typed.ini")), "[B]");
}

} // namespace
