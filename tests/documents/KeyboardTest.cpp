#include "DocumentHost.h"

#include "platform/ScriptedDesktop.h"
#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The document inside a main window with its menus in the menu bar (the
// menu items' shortcuts take the keys), or on its own without a menu bar
// (the text area's key handler does what the items would do).
enum class Placement { InMenuBar, Alone };

std::string placementName(Placement placement)
{
    return placement == Placement::InMenuBar ? "InMenuBar" : "Alone";
}

void PrintTo(Placement placement, std::ostream *out)
{
    *out << placementName(placement);
}

// Counts the key presses other than Ctrl itself that reach a widget.
class KeyPressCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() != Qt::Key_Control)
            ++count;
        return false;
    }
};

class DocumentKeys : public ::testing::TestWithParam<Placement>
{
protected:
    void SetUp() override
    {
        if (GetParam() == Placement::InMenuBar) {
            document = host.open(QStringLiteral("NONAME1"));
            host.activate();
        } else {
            alone = std::make_unique<TMDIChild>(QStringLiteral("NONAME1"));
            document = alone.get();
            document->show();
            document->activateWindow();
            QCoreApplication::processEvents();
            document->MemoIni->setFocus();
        }
        memo = document->MemoIni;
        memo->setPlainText(QStringLiteral("alpha beta"));
        selectFirstWord();
        QApplication::clipboard()->setText(QStringLiteral("[clip]"));
    }

    void selectFirstWord() const
    {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    }

    void press(Qt::Key key) const { QTest::keyClick(memo, key, Qt::ControlModifier); }
    QAction *item(const char *name) const { return document->findChild<QAction *>(QString::fromLatin1(name)); }

    ScriptedDesktop desktop;
    DocumentHost host;
    std::unique_ptr<TMDIChild> alone;
    TMDIChild *document = nullptr;
    QPlainTextEdit *memo = nullptr;
};

TEST_P(DocumentKeys, CtrlCCopiesTheSelectionOnce)
{
    QSignalSpy clipboardChanges(QApplication::clipboard(), &QClipboard::dataChanged);
    QSignalSpy copies(item("Copy1"), &QAction::triggered);
    press(Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), u"alpha");
    EXPECT_EQ(clipboardChanges.count(), 1);
    EXPECT_EQ(copies.count(), 1);
}

TEST_P(DocumentKeys, CtrlVPastesOnce)
{
    press(Qt::Key_V);
    EXPECT_EQ(memo->toPlainText(), u"[clip] beta");
}

// Ctrl+Shift+C and Ctrl+Shift+V are no shortcut, but produce the codes.
TEST_P(DocumentKeys, CharacterCodes3And22CopyAndPaste)
{
    const auto sendCode = [this](Qt::Key key, char16_t code) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier | Qt::ShiftModifier, QString(QChar(code)));
        QCoreApplication::sendEvent(memo, &press);
    };
    sendCode(Qt::Key_C, 3);
    EXPECT_EQ(QApplication::clipboard()->text(), u"alpha");
    memo->moveCursor(QTextCursor::End);
    sendCode(Qt::Key_V, 22);
    EXPECT_EQ(memo->toPlainText(), u"alpha betaalpha");
}

struct EditItemCase
{
    const char *item;
    Qt::Key key;
    const char16_t *textAfter;
    const char16_t *clipboard;
    const char16_t *selected;
};

// "alpha" is selected in "alpha beta"; the clipboard holds "[clip]".
TEST_P(DocumentKeys, CutDeleteAndSelectAllActByKeyAndByItemWhenEnabled)
{
    const EditItemCase cases[] = {
        {"Cut1", Qt::Key_X, u" beta", u"alpha", u""},
        {"Delete1", Qt::Key_D, u" beta", u"[clip]", u""},
        {"Selectall1", Qt::Key_A, u"alpha beta", u"[clip]", u"alpha beta"},
    };
    for (const EditItemCase &row : cases) {
        for (const bool byKey : {true, false}) {
            SCOPED_TRACE(std::string(row.item) + (byKey ? " by key" : " by item"));
            memo->setPlainText(QStringLiteral("alpha beta"));
            selectFirstWord();
            QApplication::clipboard()->setText(QStringLiteral("[clip]"));
            EXPECT_TRUE(item(row.item)->isEnabled());
            if (byKey)
                press(row.key);
            else
                item(row.item)->trigger();
            EXPECT_EQ(memo->toPlainText(), QString::fromUtf16(row.textAfter));
            EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf16(row.clipboard));
            EXPECT_EQ(memo->textCursor().selectedText(), QString::fromUtf16(row.selected));
        }
    }
    // As the main window's cut command: nothing selected, nothing to cut.
    memo->moveCursor(QTextCursor::End);
    EXPECT_FALSE(item("Cut1")->isEnabled() || item("Delete1")->isEnabled());
    press(Qt::Key_X);
    EXPECT_EQ(memo->toPlainText(), u"alpha beta");
    memo->clear();
    EXPECT_FALSE(item("Selectall1")->isEnabled());
}

TEST_P(DocumentKeys, OtherKeysStillType)
{
    QTest::keyClicks(memo, QStringLiteral("Z"));
    EXPECT_EQ(memo->toPlainText(), u"Z beta");
}

TEST(DocumentKeysInMenuBar, ItemShortcutsTakeTheirKeysBeforeTheTextArea)
{
    ScriptedDesktop desktop;
    DocumentHost host;
    QPlainTextEdit *memo = host.open(QStringLiteral("NONAME1"))->MemoIni;
    host.activate();
    KeyPressCounter counter;
    // Installed last, so it sees the events first, before the document's own filter.
    memo->installEventFilter(&counter);
    // With a selection, so that Cut and Delete are enabled: the key of a
    // disabled item reaches the text area's own handler, which swallows it.
    for (Qt::Key key : {Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_D, Qt::Key_A}) {
        memo->setPlainText(QStringLiteral("alpha"));
        memo->selectAll();
        QTest::keyClick(memo, key, Qt::ControlModifier);
    }
    EXPECT_EQ(counter.count, 0);
    QTest::keyClick(memo, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(counter.count, 1);
}

// A typed line break is a new line, also with Shift, and is saved as CR LF.
TEST_P(DocumentKeys, ShiftEnterStartsANewLineAsEnterDoes)
{
    TestFolder folder;
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(memo, QStringLiteral("x"));
    QTest::keyClick(memo, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(memo->blockCount(), 4);
    desktop.fileAnswers = {folder.path(QStringLiteral("typed.ini"))};
    item("Saveas1")->trigger();
    EXPECT_EQ(folder.read(QStringLiteral("typed.ini")), "alpha beta\r\nx\r\n\r\n");
}

INSTANTIATE_TEST_SUITE_P(Placements, DocumentKeys, ::testing::Values(Placement::InMenuBar, Placement::Alone),
                         [](const auto &info) { return placementName(info.param); });

} // namespace
