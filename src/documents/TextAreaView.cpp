#include "documents/TextAreaView.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

QString TextAreaText(const QPlainTextEdit *edit)
{
    // toPlainText() would turn no-break spaces into blanks and so change
    // characters the user never touched. A line separator (U+2028) read
    // from the file stays one; typed line breaks are always new lines.
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

QString TextAreaLine(const QPlainTextEdit *edit, int line)
{
    return edit->document()->findBlockByNumber(line).text();
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

    edit->setPlainText(text);

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
