#include "platform/QtDesktop.h"
#include "platform/ScriptedDesktop.h"
#include "support/QStringPrinting.h"
#include "support/TestFiles.h"
#include "support/WriteProtection.h"

#include <QDir>
#include <QInputDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(Desktop, ConfirmedDialogMovesTheCurrentDirectoryToTheChosenFolder)
{
    CurrentDirectoryGuard guard;
    TestFolder folder;
    QDir().mkpath(folder.path(QStringLiteral("sub")));
    ScriptedDesktop scripted;
    scripted.fileAnswers.push_back(folder.path(QStringLiteral("sub/a.ini")));

    const std::optional<QString> chosen = desktop().openFileName(nullptr, {});

    ASSERT_TRUE(chosen);
    EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
              QFileInfo(folder.path(QStringLiteral("sub"))).canonicalFilePath());
}

TEST(Desktop, CancelledDialogKeepsTheCurrentDirectory)
{
    CurrentDirectoryGuard guard;
    const QString before = QDir::currentPath();
    ScriptedDesktop scripted;
    scripted.fileAnswers.push_back(std::nullopt);

    EXPECT_FALSE(desktop().saveFileName(nullptr, {}));
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST(Desktop, DefaultExtensionIsAddedOnlyToNamesWithoutOne)
{
    CurrentDirectoryGuard guard;
    TestFolder folder;
    ScriptedDesktop scripted;
    scripted.fileAnswers = {folder.path(QStringLiteral("plain")), folder.path(QStringLiteral("notes.txt"))};
    FileDialogRequest request;
    request.defaultExtension = QStringLiteral(".ini");

    EXPECT_EQ(desktop().saveFileName(nullptr, request), folder.path(QStringLiteral("plain.ini")));
    EXPECT_EQ(desktop().saveFileName(nullptr, request), folder.path(QStringLiteral("notes.txt")));
}

TEST(Desktop, ARelativeAnswerIsResolvedBeforeTheCurrentDirectoryMoves)
{
    CurrentDirectoryGuard guard;
    TestFolder folder;
    QDir().mkpath(folder.path(QStringLiteral("rel")));
    folder.write(QStringLiteral("rel/r.ini"), "[A]\r\n");
    QDir::setCurrent(folder.path(QString()));
    ScriptedDesktop scripted;
    scripted.fileAnswers.push_back(QStringLiteral("rel/r.ini"));

    const std::optional<QString> chosen = desktop().openFileName(nullptr, {});

    ASSERT_TRUE(chosen);
    EXPECT_TRUE(QFileInfo(*chosen).isAbsolute());
    EXPECT_EQ(QFileInfo(*chosen).canonicalFilePath(), QFileInfo(folder.path(QStringLiteral("rel/r.ini"))).canonicalFilePath());
}

// "readonly" stands for readonly.ini once the default extension is added,
// and that is the name the refusal looks at.
TEST(Desktop, SaveDialogRefusesAReadOnlyFileNamedWithoutItsExtension)
{
    CurrentDirectoryGuard guard;
    TestFolder folder;
    folder.write(QStringLiteral("readonly.ini"), "[A]\r\n");
    const WriteProtection readOnly(folder.path(QStringLiteral("readonly.ini")));
    if (!readOnly.holds())
        GTEST_SKIP() << "this system lets the test protect no file";
    ScriptedDesktop scripted;
    scripted.fileAnswers = {folder.path(QStringLiteral("readonly")), folder.path(QStringLiteral("other"))};
    FileDialogRequest request;
    request.defaultExtension = QStringLiteral(".ini");
    request.refuseReadOnly = true;

    EXPECT_EQ(desktop().saveFileName(nullptr, request), folder.path(QStringLiteral("other.ini")));
    EXPECT_EQ(scripted.messageTexts(), QStringList{QStringLiteral("readonly.ini ist schreibgeschützt.")});
    ASSERT_EQ(scripted.calls().size(), 3u);
    EXPECT_EQ(scripted.calls()[2].dialog.fileName, folder.path(QStringLiteral("readonly.ini")));
}

TEST(Desktop, MessagesGetTheirKindsGermanTitle)
{
    ScriptedDesktop scripted;
    scripted.messageAnswers.push_back(MessageButton::No);
    const MessageButton answer = desktop().message(
        nullptr, {MessageKind::Confirmation, QStringLiteral("File exists! Overwrite?"), {MessageButton::Yes, MessageButton::No}, {}});
    desktop().message(nullptr, {MessageKind::Information, QStringLiteral("x"), {MessageButton::Ok}, {}});
    desktop().message(nullptr, {MessageKind::Plain, QStringLiteral("y"), {MessageButton::Ok}, {}});

    EXPECT_EQ(answer, MessageButton::No);
    const auto messages = scripted.messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Bestätigung"));
    EXPECT_EQ(messages[1].title, QStringLiteral("Informationen"));
    EXPECT_EQ(messages[2].title, QStringLiteral("tarvex"));
}

TEST(Desktop, ButtonCaptionsAreGerman)
{
    EXPECT_EQ(buttonCaption(MessageButton::Ok), QStringLiteral("OK"));
    EXPECT_EQ(buttonCaption(MessageButton::Yes), QStringLiteral("&Ja"));
    EXPECT_EQ(buttonCaption(MessageButton::No), QStringLiteral("&Nein"));
    EXPECT_EQ(buttonCaption(MessageButton::Cancel), QStringLiteral("Abbrechen"));
}

TEST(QtDesktop, TurnsTheFilterListIntoQtNameFilters)
{
    EXPECT_EQ(qtNameFilters(QStringLiteral("Init file (*.ini)|*.ini|All files|*.*")),
              (QStringList{QStringLiteral("Init file (*.ini)"), QStringLiteral("All files (*)")}));
    EXPECT_EQ(qtNameFilters(QStringLiteral("Bit files|*.bf?")), QStringList{QStringLiteral("Bit files (*.bf?)")});
}

TEST(QtDesktop, TheNumberQuestionTakesWhatIsTypedAndSpeaksGerman)
{
    QInputDialog dialog;
    SetUpNumberDialog(dialog, {QStringLiteral("Gehe zu Zeile"), QStringLiteral("Zeile (1 bis 197):"), 1, 197, 5});
    dialog.show();
    auto *number = dialog.findChild<QSpinBox *>();
    ASSERT_NE(number, nullptr);
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("999"));
    EXPECT_EQ(dialog.intValue(), 999);
    QStringList buttons;
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        buttons << button->text();
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("OK")}));
}

TEST(QtDesktop, ShellOpenOfAMissingFileFails)
{
    TestFolder folder;
    QtDesktop qt;
    EXPECT_FALSE(qt.shellOpen(nullptr, folder.path(QStringLiteral("tarvexInit.htm"))));
}

} // namespace
