#include "documents/TextAreaView.h"

#include "documents/BreakerStandIns.h"
#include "documents/LineDiff.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Block breaks read out of the document become "\n". toPlainText() would
// turn no-break spaces into blanks and so change characters the user never
// touched; a line separator (U+2028) read from the file stays one.
QString withNewLines(QString raw)
{
    raw.replace(QChar::ParagraphSeparator, u'\n');
    return raw;
}

// The text a document was last given, and the part of it that the
// document may hold otherwise since (typing, undo, a new format), so that
// reading a large text back out of it reads only that part. The document
// tells of a change at the end of its edit block, and the text area's text
// is only read outside one.
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
        given->m_length = text.size();
        given->m_changed.reset();
    }

    // The document's text; none when it was given none or cannot tell.
    static std::optional<QString> of(QTextDocument *document)
    {
        const auto *given = document->findChild<GivenText *>(QString(), Qt::FindDirectChildrenOnly);
        if (!given || !given->m_text)
            return std::nullopt;
        if (!given->m_changed)
            return given->m_text;
        const QString &text = *given->m_text;
        const auto [start, givenEnd] = *given->m_changed;
        const qsizetype length = document->characterCount() - 1; // without the last block's end
        const qsizetype end = givenEnd + (length - text.size()); // where the document's own part ends
        if (length != given->m_length || end < start)
            return std::nullopt;
        QTextCursor part(document);
        part.setPosition(int(start));
        part.setPosition(int(end), QTextCursor::KeepAnchor);
        return text.first(start) + WithBreakersBack(document, int(start), withNewLines(part.selectedText())) +
               text.sliced(givenEnd);
    }

private:
    explicit GivenText(QTextDocument *document)
        : QObject(document)
    {
        connect(document, &QTextDocument::contentsChange, this, &GivenText::changed);
    }

    // Widens the part that may differ by the change, in the text's positions.
    void changed(int position, int removed, int added)
    {
        if (!m_text)
            return;
        const qsizetype lengthBefore = m_length;
        m_length += added - removed;
        qsizetype start = position;
        qsizetype end = position + removed;
        if (m_changed) {
            const auto [changedStart, givenEnd] = *m_changed;
            const qsizetype documentEnd = givenEnd + (lengthBefore - m_text->size());
            start = std::min(changedStart, start);
            end = std::max(givenEnd, end > documentEnd ? end - documentEnd + givenEnd : givenEnd);
        }
        start = std::clamp<qsizetype>(start, 0, m_text->size());
        m_changed = std::pair(start, std::clamp<qsizetype>(end, start, m_text->size()));
    }

    std::optional<QString> m_text;
    qsizetype m_length = 0; // the document's length, as its changes tell
    std::optional<std::pair<qsizetype, qsizetype>> m_changed; // [start, end) of m_text
};

// The text as the area takes it: a carriage return, alone or before a line
// feed, is one line break there.
QString withLineFeeds(QString text)
{
    if (!text.contains(u'\r'))
        return text; // the usual case, found in one vectorised search of a large text
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
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

void ApplyLineEdits(QPlainTextEdit *edit, const std::vector<TLineEdit> &edits)
{
    if (edits.empty())
        return;
    QTextDocument *document = edit->document();
    QTextCursor change(document);
    for (const TLineEdit &lineEdit : edits) {
        const QTextBlock first = document->findBlockByNumber(int(lineEdit.line));
        change.setPosition(first.position());
        QString text = lineEdit.lines.join(u'\n');
        if (lineEdit.removed > 0) {
            const QTextBlock last = document->findBlockByNumber(int(lineEdit.line + lineEdit.removed - 1));
            change.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
            change.removeSelectedText();
        } else {
            text += u'\n';
        }
        InsertShowingBreakers(change, text);
    }
    forgetUndoAndChanges(document);
}

#include "TextAreaView.moc"
