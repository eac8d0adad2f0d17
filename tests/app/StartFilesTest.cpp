#include "MainWindowFixture.h"

#include "app/StartFiles.h"
#include "documents/CHILDWINIni.h"
#include "support/QStringPrinting.h"

#include <QDir>

namespace {

TEST_F(MainWindow, AFileOnTheCommandLineOpensAsOpenDoes)
{
    QDir(folder.path(QString())).mkdir(QStringLiteral("sub"));
    folder.write(QStringLiteral("sub/a.ini"), "[A]\r\nk = v\r\n");
    OpenStartFiles(form, {folder.path(QStringLiteral("sub/a.ini"))});
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(document()->windowTitle(), folder.path(QStringLiteral("sub/a.ini")));
    EXPECT_EQ(shownText(), u"[A]\nk=v\n\n");
    EXPECT_EQ(QDir::currentPath(), folder.path(QStringLiteral("sub")));
}

TEST_F(MainWindow, AMissingFileOnTheCommandLineOpensANewDocumentOfThatName)
{
    OpenStartFiles(form, {folder.path(QStringLiteral("new.ini"))});
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(document()->windowTitle(), folder.path(QStringLiteral("new.ini")));
    EXPECT_EQ(document()->IniFile(), nullptr);
    EXPECT_TRUE(desktop.calls().empty());
}

TEST_F(MainWindow, OfSeveralFilesOnTheCommandLineTheFirstOpensAndTheOthersAreNamed)
{
    folder.write(QStringLiteral("a.ini"), "[A]\r\n");
    folder.write(QStringLiteral("b.ini"), "[B]\r\n");
    OpenStartFiles(form, {folder.path(QStringLiteral("a.ini")), folder.path(QStringLiteral("b.ini")),
                          folder.path(QStringLiteral("c.ini"))});
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(shownText(), u"[A]\n\n");
    ASSERT_EQ(desktop.messages().size(), 1u);
    const MessageRequest notice = desktop.messages().front();
    EXPECT_EQ(notice.kind, MessageKind::Information);
    EXPECT_EQ(notice.title, u"Informationen");
    EXPECT_EQ(notice.text, u"Es kann nur eine Datei geöffnet sein. Nicht geöffnet:\n" + folder.path(QStringLiteral("b.ini")) +
                               u'\n' + folder.path(QStringLiteral("c.ini")));
}

} // namespace
