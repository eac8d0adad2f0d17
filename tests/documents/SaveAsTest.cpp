#include "DocumentWindowFixture.h"

#include "support/QStringPrinting.h"

#include <QDir>
#include <QFileInfo>
#include <ostream>

namespace {

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

struct OverwriteAnswer
{
    const char *name;
    MessageButton button;
};

void PrintTo(const OverwriteAnswer &answer, std::ostream *out)
{
    *out << answer.name;
}

class SaveAsOverExistingFile : public DocumentWindow, public ::testing::WithParamInterface<OverwriteAnswer>
{
};

TEST_P(SaveAsOverExistingFile, AsksBeforeOverwriting)
{
    folder.write(QStringLiteral("other.ini"), "old");
    TMDIChild *document = host.open(QStringLiteral("NONAME1"));
    type(QStringLiteral("new"));
    desktop.fileAnswers = {path(QStringLiteral("other.ini"))};
    desktop.messageAnswers = {GetParam().button};
    host.choose(QStringLiteral("Saveas1"));

    ASSERT_EQ(desktop.messages().size(), 1u);
    const MessageRequest question = desktop.messages().front();
    EXPECT_EQ(question.text, u"File exists! Overwrite?");
    EXPECT_EQ(question.kind, MessageKind::Confirmation);
    EXPECT_EQ(question.buttons, (QList<MessageButton>{MessageButton::Yes, MessageButton::No}));
    const bool yes = GetParam().button == MessageButton::Yes;
    EXPECT_EQ(folder.read(QStringLiteral("other.ini")), yes ? "new" : "old");
    EXPECT_EQ(document->windowTitle(), yes ? path(QStringLiteral("other.ini")) : QStringLiteral("NONAME1"));
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveAsOverExistingFile,
                         ::testing::Values(OverwriteAnswer{"Yes", MessageButton::Yes},
                                           OverwriteAnswer{"No", MessageButton::No}),
                         [](const auto &info) { return std::string(info.param.name); });

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

} // namespace
