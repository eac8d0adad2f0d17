#include "MainWindowFixture.h"

#include "documents/CHILDWINBit.h"
#include "documents/CHILDWINIni.h"
#include "flags/BitFrames.h"
#include "grid/CellGrid.h"
#include "support/QStringPrinting.h"

#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// Every step as a key where the keyboard sends it: to an open menu, the
// widget with the focus, or else the active window.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "no window is active";
    QTest::keyClick(target, key, modifiers);
    QCoreApplication::processEvents(); // as the event loop runs between two keys
}

// The road of one flag word without a mouse: open the file, go to its
// flag line, open the bit editor, tick bit 1, write the word back, save
// the file and close the document.
TEST_F(MainWindow, AFlagWordIsEditedAndSavedWithTheKeyboardAlone)
{
    folder.write(QStringLiteral("myapp_v2.ini"), "[ACCESS]\r\nName=x\r\nFLAGS=$0000A001,bf;Read and write\r\n");
    desktop.fileAnswers = {folder.path(QStringLiteral("myapp_v2.ini"))};
    desktop.numberAnswers = {3};
    press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_NE(document(), nullptr);
    press(Qt::Key_Return, Qt::ControlModifier); // on the section header: nothing opens
    EXPECT_TRUE(document()->findChildren<TMDIChildBit *>().isEmpty());
    press(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(document()->MemoIni->textCursor().blockNumber(), 2);

    press(Qt::Key_Return, Qt::ControlModifier);
    const QList<TMDIChildBit *> editors = document()->findChildren<TMDIChildBit *>();
    ASSERT_EQ(editors.size(), 1);
    TBitFrame *frame = editors.front()->TBitFrame1;
    ASSERT_EQ(QApplication::focusWidget(), frame->GridBits);
    press(Qt::Key_End); // the row of bit 0
    press(Qt::Key_Up);
    press(Qt::Key_Space);
    EXPECT_EQ(frame->GridBits->Columns[1]->Footer().Caption(), u"0000A003");

    press(Qt::Key_F10, Qt::ShiftModifier); // the context menu
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    press(Qt::Key_I); // "Save &Init", the first of the two items on I
    press(Qt::Key_Return);
    EXPECT_EQ(shownText(), u"[ACCESS]\nName=x\nFlags=$0000A003,bf;Read and write\n\n");

    // Back to the main window, as the window manager's Alt+Tab brings it.
    form.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), document()->MemoIni);
    press(Qt::Key_F, Qt::AltModifier); // "&File"
    press(Qt::Key_S); // "&Save"
    EXPECT_EQ(folder.read(QStringLiteral("myapp_v2.ini")),
              "[ACCESS]\r\nName=x\r\nFlags=$0000A003,bf;Read and write\r\n\r\n");
    press(Qt::Key_F, Qt::AltModifier); // "&File"
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    press(Qt::Key_C); // "&Close"
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(documentCount(), 0);
    EXPECT_TRUE(desktop.messageTexts().isEmpty()) << desktop.messageTexts().join(u'|').toStdString();
}

} // namespace
