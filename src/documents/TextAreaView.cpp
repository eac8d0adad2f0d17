#include "documents/TextAreaView.h"

#include "documents/BreakerStandIns.h"
#include "documents/LineDiff.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <optional>

namespace {

// The text a document was last given, kept until the document changes in
// any way (typing, undo, a new format), so that reading a large text back
// out of it is spared. While kept, it is what the document holds: the
// document tells of a change at the end of its edit block, and the text
// area's text is only read outside one.
class GivenText : public QObject
{
    Q_OBJECT

public:
    static void remember(QTextDocument *document, const QString &text)
    {
        auto *given = document->findChild<GivenText *>(QString(), Qt::FindDirectChildrenOnly);
        if (!given)
            given = new GivenText(document);
        given->m_text = text;
    }

    static std::optional<QString> of(const QTextDocument *document)
    {
        const auto *given = document->findChild<GivenText *>(QString(), Qt::FindDirectChildrenOnly);
        return given ? given->m_text : std::nullopt;
    }

private:
    explicit GivenText(QTextDocument *document)
        : QObject(document)
    {
        connect(document, &QTextDocument::contentsChange, this, [this] { m_text.reset(); });
    }

    std::optional<QString> m_text;
};

// The text as the area takes it: a carriage return, alone or before a line
// feed, is one line break there.
QString withLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// Block breaks read out of the document become "\n". toPlainText() would
// turn no-break spaces into blanks and so change characters the user never
// touched; a line separator (U+2028) read from the file stays one.
QString withNewLines(QString raw)
{
    raw.replace(QChar::ParagraphSeparator, u'\n');
    return raw;
}

void forgetUndoAndChanges(QTextDocument *document)
{
    // As after a full replacement: undo must not bring back the old text.
    document->clearUndoRedoStacks();
    document->setModified(false);
}

} // namespace

void SetTextAreaText(QPlainTextEdit *edit, const QString &text)
{
    const QString lines = withLineFeeds(text);
    if (!HoldsBlockBreaker(lines)) {
        edit->setPlainText(lines);
    } else {
        edit->setPlainText(QString());
        QTextCursor cursor(edit->document());
        cursor.beginEditBlock();
        InsertShowingBreakers(cursor, lines);
        cursor.endEditBlock();
        forgetUndoAndChanges(edit->document());
        edit->moveCursor(QTextCursor::Start);
    }
    GivenText::remember(edit->document(), lines);
}

QString TextAreaText(const QPlainTextEdit *edit)
{
    if (std::optional<QString> given = GivenText::of(edit->document()))
        return *given;
    return WithBreakersBack(edit->document(), 0, withNewLines(edit->document()->toRawText()));
}

QString TextAreaLine(const QPlainTextEdit *edit, int line)
{
    const QTextBlock block = edit->document()->findBlockByNumber(line);
    return WithBreakersBack(edit->document(), block.position(), block.text());
}

int TextAreaLineAt(const QPlainTextEdit *edit, const QPoint &viewportPos)
{
    return edit->cursorForPosition(viewportPos).blockNumber();
}

QString TextAreaSelection(const QPlainTextEdit *edit)
{
    const QTextCursor selection = edit->textCursor();
    return WithBreakersBack(edit->document(), selection.selectionStart(), withNewLines(selection.selectedText()));
}

void InsertIntoTextArea(QPlainTextEdit *edit, const QString &text)
{
    QTextCursor cursor = edit->textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    InsertShowingBreakers(cursor, withLineFeeds(text));
    cursor.endEditBlock();
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
}

void ReplaceTextKeepingView(QPlainTextEdit *edit, const QString &text)
{
    const int vertical = edit->verticalScrollBar()->value();
    const int horizontal = edit->horizontalScrollBar()->value();
    const QTextCursor caret = edit->textCursor();
    const int line = caret.blockNumber();
    const int column = caret.positionInBlock();

    // Changed lines of a large text must not cost a whole new layout, nor
    // the lines between them.
    const QString wanted = withLineFeeds(text);
    const std::vector<TextChange> changes = ChangedLines(TextAreaText(edit), wanted);
    if (!changes.empty()) {
        // Each change on its own, not in one edit block: the document would
        // lay out everything from the first to the last as one change.
        QTextCursor change(edit->document());
        // From the last to the first, so the positions of the others hold.
        for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
            change.setPosition(int(it->fromStart));
            change.setPosition(int(it->fromEnd), QTextCursor::KeepAnchor);
            change.removeSelectedText();
            InsertShowingBreakers(change, QStringView(wanted).sliced(it->toStart, it->toEnd - it->toStart));
        }
        forgetUndoAndChanges(edit->document());
        GivenText::remember(edit->document(), wanted);
    }

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

#include "TextAreaView.moc"
