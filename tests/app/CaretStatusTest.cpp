#include "MainWindowFixture.h"

#include "documents/CHILDWINIni.h"
#include "support/QStringPrinting.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>

namespace {

struct CaretCase
{
    int line; // from 0
    int column;
    const char16_t *position;
    const char16_t *hint;
};

TEST_F(MainWindow, StatusBarShowsTheCaretsPlaceAndWhatADoubleClickOpens)
{
    // Line 4 holds a clef outside the Basic Multilingual Plane and an "e" with a combining acute.
    folder.write(QStringLiteral("a.ini"),
                 "[ACCESS]\r\nFLAGS=$0000A001,bf;Read\r\nName=x\r\nNote=\xF0\x9D\x84\x9E"
                 "e\xCC\x81!\r\n");
    desktop.fileAnswers = {folder.path(QStringLiteral("a.ini"))};
    run("FileOpen1");
    const auto *position = form.statusBar()->findChild<QLabel *>(QStringLiteral("LBL_CaretPosition"));
    const auto *hint = form.statusBar()->findChild<QLabel *>(QStringLiteral("LBL_FlagLineHint"));

    const CaretCase cases[] = {
        {1, 4, u"Zeile 2, Spalte 5", u"Doppelklick oder Strg+Eingabe öffnet den Bit-Editor"},
        {2, 6, u"Zeile 3, Spalte 7", u""},
        {0, 8, u"Zeile 1, Spalte 9", u""},
        {3, 7, u"Zeile 4, Spalte 8", u""},
    };
    QPlainTextEdit *memo = document()->MemoIni;
    for (const CaretCase &row : cases) {
        QTextCursor caret(memo->document()->findBlockByNumber(row.line));
        caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, row.column);
        memo->setTextCursor(caret);
        EXPECT_EQ(position->text(), QString::fromUtf16(row.position));
        EXPECT_EQ(hint->text(), QString::fromUtf16(row.hint));
    }

    // Typing that turns the caret's line into a flag line shows the hint at once.
    memo->textCursor().insertText(QStringLiteral("\nMORE=$0000A001"));
    EXPECT_EQ(hint->text(), u"Doppelklick oder Strg+Eingabe öffnet den Bit-Editor");
    closeDocument();
    EXPECT_TRUE(position->text().isEmpty());
    EXPECT_TRUE(hint->text().isEmpty());
}

} // namespace
