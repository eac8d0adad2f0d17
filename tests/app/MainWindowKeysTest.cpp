#include "MainWindowFixture.h"

#include "documents/CHILDWINIni.h"
#include "support/QStringPrinting.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

// A document is open and its text area has the focus, all text selected.
class MainWindowKeys : public MainWindow
{
protected:
    void SetUp() override
    {
        run("FileNew1");
        form.activateWindow();
        QCoreApplication::processEvents();
        memo = document()->MemoIni;
        memo->setFocus();
        memo->setPlainText(QStringLiteral("alpha beta"));
        memo->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("[clip]"));
    }

    void press(Qt::Key key) const { QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier); }

    QPlainTextEdit *memo = nullptr;
};

TEST_F(MainWindowKeys, CtrlCCopiesOnceThroughTheDocumentsItem)
{
    QSignalSpy changes(QApplication::clipboard(), &QClipboard::dataChanged);
    QSignalSpy documentCopies(documentItem("Copy1"), &QAction::triggered);
    QSignalSpy frameCopies(action("EditCopy1"), &QAction::triggered);
    press(Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), u"alpha beta");
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(documentCopies.count(), 1);
    EXPECT_EQ(frameCopies.count(), 0);
}

TEST_F(MainWindowKeys, CtrlVPastesOnce)
{
    press(Qt::Key_V);
    EXPECT_EQ(memo->toPlainText(), u"[clip]");
}

// The document's item takes Ctrl+X before the main window's cut command.
TEST_F(MainWindowKeys, CtrlXCutsOnceThroughTheDocumentsItem)
{
    QSignalSpy frameCuts(action("EditCut1"), &QAction::triggered);
    press(Qt::Key_X);
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(), u"alpha beta");
    EXPECT_EQ(frameCuts.count(), 0);
}

TEST_F(MainWindowKeys, CtrlNAndCtrlOStillReachTheMainWindow)
{
    QSignalSpy news(action("FileNew1"), &QAction::triggered);
    press(Qt::Key_N);
    EXPECT_EQ(news.count(), 1);
    EXPECT_EQ(documentCount(), 1);
    press(Qt::Key_O);
    ASSERT_EQ(desktop.calls().size(), 1u);
    EXPECT_EQ(desktop.calls().front().kind, ScriptedDesktop::CallKind::OpenDialog);
}

TEST_F(MainWindowKeys, FrameShortcutsComeBackWhenTheDocumentIsGone)
{
    closeDocument();
    EXPECT_EQ(action("EditCopy1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    form.activateWindow();
    QCoreApplication::processEvents();
    QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(documentCount(), 1);
}

} // namespace
