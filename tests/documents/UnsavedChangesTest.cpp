#include "DocumentWindowFixture.h"

#include "documents/NoticeBar.h"
#include "support/QStringPrinting.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using enum MessageButton;

// One close: the name opened (the example file lies there when it
// exists), the typed text, the answers and the Save As choice; then the
// questions ("%1" the folder), whether it closed and the file that holds the typed text.
using CloseCase = std::tuple<QString, bool, std::optional<QString>, std::deque<MessageButton>, std::optional<QString>,
                             QStringList, bool, QString>;

class ClosingADocument : public DocumentWindow, public ::testing::WithParamInterface<CloseCase>
{
};

TEST_P(ClosingADocument, KeepsWhatTheUserHasUnlessTheUserDropsIt)
{
    const auto &[name, fileExists, typed, answers, saveAsName, messages, closes, writtenName] = GetParam();
    QDir::setCurrent(path(QString()));
    if (fileExists)
        folder.write(name, exampleFile);
    host.open(name == u"NONAME1" ? name : path(name));
    if (typed)
        type(*typed);
    desktop.messageAnswers = answers;
    if (saveAsName)
        desktop.fileAnswers = {path(*saveAsName)};
    host.closeDocument();

    EXPECT_EQ(desktop.messageTexts().join(u'|'), messages.join(u'|').replace(u"%1"_s, path(QString())));
    EXPECT_EQ(host.document() == nullptr, closes);
    if (fileExists) {
        EXPECT_EQ(folder.read(name), exampleFile) << "an unchanged file keeps every byte";
    }
    if (!writtenName.isEmpty()) {
        EXPECT_EQ(folder.read(writtenName), typed->toUtf8());
    }
    EXPECT_EQ(QDir(path(QString())).entryList(QDir::Files).size(), qsizetype(fileExists || !writtenName.isEmpty()));
}

const QString saveNew = u"Änderungen in %1/new.ini speichern?"_s;
const QString saveUnnamed = u"Änderungen in NONAME1 speichern?"_s;

INSTANTIATE_TEST_SUITE_P(
    DocumentWindow, ClosingADocument,
    ::testing::Values(CloseCase{u"a.ini"_s, true, {}, {}, {}, {}, true, {}},
                      CloseCase{u"new.ini"_s, false, u"[A]"_s, {Yes}, {}, {saveNew}, true, u"new.ini"_s},
                      CloseCase{u"new.ini"_s, false, u"[A]"_s, {No}, {}, {saveNew}, true, {}},
                      CloseCase{u"new.ini"_s, false, u"[A]"_s, {Cancel}, {}, {saveNew}, false, {}},
                      CloseCase{u"NONAME1"_s, false, {}, {}, {}, {}, true, {}},
                      CloseCase{u"NONAME1"_s, false, u"k=v"_s, {Yes}, u"chosen.ini"_s, {saveUnnamed}, true, u"chosen.ini"_s},
                      CloseCase{u"NONAME1"_s, false, u"k=v"_s, {Yes}, {}, {saveUnnamed, u"No file will be created!"_s}, false, {}}));

// Another program writes the file while the document is open.
class ChangedOnDisk : public DocumentWindow
{
protected:
    void writeByAnotherProgram(const QByteArray &bytes)
    {
        const QStringList script = {u"-c"_s, u"printf '%s' \"$1\" > \"$2\""_s, u"sh"_s, QString::fromUtf8(bytes),
                                    path(u"myapp_v2.ini"_s)};
        ASSERT_EQ(QProcess::execute(u"sh"_s, script), 0);
    }
    TNoticeBar *bar() const { return host.document()->findChild<TNoticeBar *>(u"ChangedOnDiskBar"_s); }

    const QByteArray other = "[Other]\nk=1\n";
};

TEST_F(ChangedOnDisk, ShowsTheBarCloseAsksAndReloadShowsTheOtherProgramsText)
{
    openExample();
    type(u"[Typed]"_s);
    writeByAnotherProgram(other);
    ASSERT_TRUE(QTest::qWaitFor([this] { return bar()->isVisible(); }, 1000));
    EXPECT_EQ(bar()->Message->text(), u"Die Datei wurde außerhalb von Tarvex geändert.");

    desktop.messageAnswers = {No, Yes};
    host.closeDocument();
    ASSERT_NE(host.document(), nullptr);
    EXPECT_EQ(folder.read(u"myapp_v2.ini"_s), other);
    bar()->ActButton->click(); // "Neu laden"
    EXPECT_EQ(desktop.messageTexts(),
              QStringList({u"Die Datei "_s + path(u"myapp_v2.ini"_s) + u" wurde außerhalb von Tarvex geändert. Trotzdem überschreiben?"_s,
                           u"Die Änderungen an "_s + path(u"myapp_v2.ini"_s) + u" sind nicht gespeichert. Datei trotzdem neu laden?"_s}));
    EXPECT_EQ(shownText(), u"[Other]\nk=1\n\n");
    EXPECT_FALSE(bar()->isVisible());
    host.closeDocument();
    EXPECT_EQ(folder.read(u"myapp_v2.ini"_s), other);
}

} // namespace
