#include "DocumentWindowFixture.h"

#include "documents/CHILDWINBit.h"
#include "flags/BitFrames.h"
#include "flags/FlagValueField.h"
#include "grid/CellGrid.h"
#include "support/QStringPrinting.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

class BitEditorUndo : public DocumentWindow
{
protected:
    BitEditorUndo() { QDir::setCurrent(path(QString())); }

    // The bit editor of the line FLAGS=$0000A001 as a double click opens it,
    // active so that its keys reach it.
    TMDIChildBit *openEditor()
    {
        folder.write(u"myapp_v2.ini"_s, "[ACCESS]\r\nFLAGS=$0000A001,bf;Read and write\r\n");
        host.open(path(u"myapp_v2.ini"_s));
        QPlainTextEdit *memo = host.document()->MemoIni;
        const QRect caret = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(1)));
        QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, caret.center() + QPoint(4, 0));
        auto *editor = host.document()->findChild<TMDIChildBit *>();
        if (editor)
            QApplication::setActiveWindow(editor);
        return editor;
    }

    void saveInit(TMDIChildBit *editor) { editor->findChild<QAction *>(u"SaveInit1"_s)->trigger(); }
};

TEST_F(BitEditorUndo, KeysUndoFromTableAndValueFieldDownToTheLinesValue)
{
    TMDIChildBit *editor = openEditor();
    ASSERT_NE(editor, nullptr);
    TBitFrame *frame = editor->TBitFrame1;
    EXPECT_FALSE(frame->MI_BF_Undo->isEnabled()); // the line's value is where the history starts

    frame->GridBits->setFocus();
    frame->GridBits->ToggleCheckBox(0, 30);
    QTest::keyClick(frame->GridBits, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(frame->FlagHexA(), u"$0000A001"_s);
    QTest::keyClick(frame->GridBits, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(frame->FlagHexA(), u"$0000A003"_s);

    frame->EDT_Value->setFocus();
    frame->EDT_Value->selectAll();
    QTest::keyClicks(frame->EDT_Value, u"0b1"_s);
    QTest::keyClick(frame->EDT_Value, Qt::Key_Return);
    EXPECT_EQ(frame->FlagHexA(), u"$00000001"_s);
    QTest::keyClick(frame->EDT_Value, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(frame->FlagHexA(), u"$0000A003"_s);
    EXPECT_EQ(frame->EDT_Value->text(), u"$0000A003"_s);
    QTest::keyClick(frame->EDT_Value, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(frame->FlagHexA(), u"$00000001"_s);

    frame->GridBits->ToggleCheckBox(0, 30);
    for (QComboBox *box : {frame->CBX_Section, frame->CBX_Label}) { // nothing typed there to undo
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(frame->FlagHexA(), u"$00000001"_s) << box->objectName().toStdString();
        QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(frame->FlagHexA(), u"$00000003"_s) << box->objectName().toStdString();
    }
    for (QComboBox *box : {frame->CBX_Section, frame->CBX_Label}) { // typing there is undone there
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        const QString chosen = box->currentText();
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, u"2"_s);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box->currentText(), chosen) << box->objectName().toStdString();
        EXPECT_EQ(frame->FlagHexA(), u"$00000003"_s) << box->objectName().toStdString();
    }
    QTest::keyClick(frame->CBX_Label, Qt::Key_Z, Qt::ControlModifier);

    for (int step = 0; step < 3; ++step)
        QTest::keyClick(frame->EDT_Value, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(frame->FlagHexA(), u"$0000A001"_s);
    EXPECT_FALSE(frame->MI_BF_Undo->isEnabled());
    EXPECT_TRUE(desktop.messageTexts().isEmpty());
}

TEST_F(BitEditorUndo, SaveInitWritesTheWordShownAfterUndoing)
{
    TMDIChildBit *editor = openEditor();
    ASSERT_NE(editor, nullptr);
    TBitFrame *frame = editor->TBitFrame1;
    frame->GridBits->ToggleCheckBox(0, 30);
    saveInit(editor);
    frame->findChild<QAction *>(u"MI_BF_Undo"_s)->trigger();
    EXPECT_EQ(shownText(), u"[ACCESS]\nFlags=$0000A003,bf;Read and write\n\n"_s); // undo writes nothing
    saveInit(editor);
    EXPECT_EQ(shownText(), u"[ACCESS]\nFlags=$0000A001,bf;Read and write\n\n"_s);
    EXPECT_FALSE(QFileInfo::exists(path(u"MyappAccessFlags.bfx"_s)));
}

} // namespace
