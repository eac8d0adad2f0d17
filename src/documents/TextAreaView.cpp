#include "documents/TextAreaView.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <vector>

namespace {

// The characters QTextDocument takes for block breaks wherever they are
// inserted: the paragraph separator and its two frame marks.
constexpr std::array<char16_t, 3> blockBreakers = {0x2029, 0xFDD0, 0xFDD1};

// The stand-ins of the shown text, in the order of blockBreakers, live
// with the document they were chosen for.
constexpr char standInsProperty[] = "blockBreakerStandIns";

constexpr char16_t firstPrivateUse = 0xE000;
constexpr char16_t lastPrivateUse = 0xF8FF;

// Three private-use characters the text does not contain; none when the
// text holds no block breaker (or, in theory, every private-use character).
QString standInsFor(const QString &text)
{
    const bool needed = std::any_of(blockBreakers.begin(), blockBreakers.end(),
                                    [&text](char16_t breaker) { return text.contains(QChar(breaker)); });
    if (!needed)
        return {};
    std::vector<bool> used(lastPrivateUse - firstPrivateUse + 1, false);
    for (QChar ch : text) {
        if (ch.unicode() >= firstPrivateUse && ch.unicode() <= lastPrivateUse)
            used[ch.unicode() - firstPrivateUse] = true;
    }
    QString standIns;
    for (std::size_t i = 0; i < used.size() && standIns.size() < qsizetype(blockBreakers.size()); ++i) {
        if (!used[i])
            standIns.append(QChar(char16_t(firstPrivateUse + i)));
    }
    return standIns.size() == qsizetype(blockBreakers.size()) ? standIns : QString();
}

QString standInsOf(const QTextDocument *document)
{
    return document->property(standInsProperty).toString();
}

// Swaps every breaker for its stand-in (`toStandIns`) or back.
QString exchanged(QString text, const QString &standIns, bool toStandIns)
{
    for (qsizetype i = 0; i < standIns.size(); ++i) {
        const QChar breaker(blockBreakers[std::size_t(i)]);
        if (toStandIns)
            text.replace(breaker, standIns[i]);
        else
            text.replace(standIns[i], breaker);
    }
    return text;
}

} // namespace

void SetTextAreaText(QPlainTextEdit *edit, const QString &text)
{
    const QString standIns = standInsFor(text);
    edit->document()->setProperty(standInsProperty, standIns);
    edit->setPlainText(exchanged(text, standIns, true));
}

QString TextAreaText(const QPlainTextEdit *edit)
{
    // toPlainText() would turn no-break spaces into blanks and so change
    // characters the user never touched. A line separator (U+2028) read
    // from the file stays one; typed line breaks are always new lines.
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return exchanged(text, standInsOf(edit->document()), false);
}

QString TextAreaLine(const QPlainTextEdit *edit, int line)
{
    return exchanged(edit->document()->findBlockByNumber(line).text(), standInsOf(edit->document()), false);
}

int TextAreaLineAt(const QPlainTextEdit *edit, const QPoint &viewportPos)
{
    return edit->cursorForPosition(viewportPos).blockNumber();
}

void ReplaceTextKeepingView(QPlainTextEdit *edit, const QString &text)
{
    const int vertical = edit->verticalScrollBar()->value();
    const int horizontal = edit->horizontalScrollBar()->value();
    const QTextCursor caret = edit->textCursor();
    const int line = caret.blockNumber();
    const int column = caret.positionInBlock();

    SetTextAreaText(edit, text);

    const QTextBlock block = edit->document()->findBlockByNumber(line);
    if (block.isValid()) {
        QTextCursor restored(block);
        // length() counts the block separator, so length() - 1 is the line's end.
        restored.setPosition(block.position() + qMin(column, block.length() - 1));
        edit->setTextCursor(restored);
    }
    edit->verticalScrollBar()->setValue(vertical);
    edit->horizontalScrollBar()->setValue(horizontal);
}
