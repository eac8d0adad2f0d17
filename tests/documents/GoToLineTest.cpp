#include "DocumentWindowFixture.h"

#include "support/QStringPrinting.h"

#include <QTextBlock>

namespace {

// The example shows 7 lines, the last one empty; the caret starts on the third.
TEST_F(DocumentWindow, GoToLineMovesTheCaretToTheLinesStartOrRefuses)
{
    const struct
    {
        std::optional<int> answer; // nothing: cancelled
        int caretLine; // from 0
        const char16_t *refusal;
    } cases[] = {
        {1, 0, u""},
        {7, 6, u""},
        {std::nullopt, 2, u""},
        {0, 2, u"Zeile 0 gibt es nicht: der Text hat 7 Zeilen."},
        {8, 2, u"Zeile 8 gibt es nicht: der Text hat 7 Zeilen."},
    };
    QPlainTextEdit *memo = openExample()->MemoIni;
    for (const auto &row : cases) {
        SCOPED_TRACE(row.answer.value_or(-1));
        memo->setTextCursor(QTextCursor(memo->document()->findBlockByNumber(2)));
        desktop.clear();
        desktop.numberAnswers = {row.answer};
        host.choose(QStringLiteral("Gotoline1"));
        EXPECT_EQ(desktop.numberQuestions.back().label, u"Zeile (1 bis 7):");
        EXPECT_EQ(memo->textCursor().blockNumber(), row.caretLine);
        EXPECT_EQ(memo->textCursor().positionInBlock(), 0);
        EXPECT_EQ(desktop.messageTexts().join(u'|'), QString::fromUtf16(row.refusal));
    }
}

} // namespace
