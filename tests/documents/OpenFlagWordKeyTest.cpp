#include "BitEditorFixture.h"

#include "flags/BitFrames.h"
#include "support/QStringPrinting.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct OpeningWay
{
    const char *name;
    std::function<void(TMDIChild *document, int line)> open;
};

void putCaretOnLine(TMDIChild *document, int line)
{
    QPlainTextEdit *memo = document->MemoIni;
    memo->setTextCursor(QTextCursor(memo->document()->findBlockByNumber(line)));
    memo->setFocus();
}

// The keys and the menu item open what a double click on the caret's line
// opens, and nothing on a line that is no flag line.
TEST_F(BitEditor, TheKeyboardOpensTheCaretsFlagLineAsADoubleClickDoes)
{
    const OpeningWay ways[] = {
        {"Ctrl+Return", [](TMDIChild *document, int line) {
             putCaretOnLine(document, line);
             QTest::keyClick(document->MemoIni, Qt::Key_Return, Qt::ControlModifier);
         }},
        {"Ctrl+Enter on the keypad", [](TMDIChild *document, int line) {
             putCaretOnLine(document, line);
             QTest::keyClick(document->MemoIni, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
         }},
        {"the Edit menu's item", [](TMDIChild *document, int line) {
             putCaretOnLine(document, line);
             document->findChild<QAction *>(u"OpenBitEditor1"_s)->trigger();
         }},
    };
    TMDIChild *document = openIni("[ACCESS]\r\nFLAGS=$0000A001,bf;Read and write\r\nName=x\r\n");
    host.activate();
    const QString shown = document->MemoIni->toPlainText();
    for (const OpeningWay &way : ways) {
        for (const int line : {0, 2}) {
            way.open(document, line);
            EXPECT_TRUE(editors().isEmpty()) << way.name << ", line " << line;
        }
        way.open(document, 1);
        ASSERT_EQ(editors().size(), 1) << way.name;
        EXPECT_EQ(editors().front()->windowTitle(), u"Myapp Access Flags") << way.name;
        EXPECT_EQ(editors().front()->TBitFrame1->FlagHexA(), u"$0000A001") << way.name;
        EXPECT_EQ(document->MemoIni->toPlainText(), shown) << way.name << ": the key typed nothing";
        delete editors().front();
    }
}

} // namespace
