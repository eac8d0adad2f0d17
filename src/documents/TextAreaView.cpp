#include "documents/TextAreaView.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
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

bool holdsBlockBreaker(const QString &text)
{
    return std::any_of(blockBreakers.begin(), blockBreakers.end(),
                       [&text](char16_t breaker) { return text.contains(QChar(breaker)); });
}

// Three private-use characters the text does not contain; none when the
// text holds no block breaker (or, in theory, every private-use character).
QString standInsFor(const QString &text)
{
    if (!holdsBlockBreaker(text))
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
        // A carriage return, or a block breaker left without a stand-in,
        // becomes a block break: the document does not hold such a text as given.
        const bool heldAsGiven = !text.contains(u'\r') && !holdsBlockBreaker(text);
        given->m_text = heldAsGiven ? std::optional<QString>(text) : std::nullopt;
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

// The text as the area holds it, stand-ins included, lines separated by "\n".
// toPlainText() would turn no-break spaces into blanks and so change
// characters the user never touched. A line separator (U+2028) read from
// the file stays one; typed line breaks are always new lines.
QString shownText(const QPlainTextEdit *edit)
{
    if (std::optional<QString> given = GivenText::of(edit->document()))
        return *given;
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
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
    const QString shown = exchanged(text, standIns, true);
    edit->setPlainText(shown);
    GivenText::remember(edit->document(), shown);
}

QString TextAreaText(const QPlainTextEdit *edit)
{
    return exchanged(shownText(edit), standInsOf(edit->document()), false);
}

QString TextAreaLine(const QPlainTextEdit *edit, int line)
{
    return exchanged(edit->document()->findBlockByNumber(line).text(), standInsOf(edit->document()), false);
}

int TextAreaLineAt(const QPlainTextEdit *edit, const QPoint &viewportPos)
{
    return edit->cursorForPosition(viewportPos).blockNumber();
}

namespace {

// The text the area would show for `text`, with its present stand-ins; none
// when they cannot show it (it needs stand-ins the area has not, or holds
// one of them).
std::optional<QString> shownWithPresentStandIns(const QPlainTextEdit *edit, const QString &text)
{
    const QString standIns = standInsOf(edit->document());
    for (QChar standIn : standIns) {
        if (text.contains(standIn))
            return std::nullopt;
    }
    if (standIns.isEmpty() && !standInsFor(text).isEmpty())
        return std::nullopt;
    return exchanged(text, standIns, true);
}

// Texts are compared in blocks first: a large text usually differs in one line.
constexpr qsizetype comparedBlock = 1024;

bool sameChars(const QChar *a, const QChar *b, qsizetype count)
{
    return std::memcmp(a, b, std::size_t(count) * sizeof(QChar)) == 0;
}

// The length of the longest beginning `a` and `b` have in common.
qsizetype commonBeginning(QStringView a, QStringView b)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype same = 0;
    while (same + comparedBlock <= shorter && sameChars(a.data() + same, b.data() + same, comparedBlock))
        same += comparedBlock;
    while (same < shorter && a[same] == b[same])
        ++same;
    return same;
}

// The length of the longest end `a` and `b` have in common.
qsizetype commonEnd(QStringView a, QStringView b)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype same = 0;
    while (same + comparedBlock <= shorter &&
           sameChars(a.data() + a.size() - same - comparedBlock, b.data() + b.size() - same - comparedBlock, comparedBlock))
        same += comparedBlock;
    while (same < shorter && a[a.size() - 1 - same] == b[b.size() - 1 - same])
        ++same;
    return same;
}

// Replaces only the part between the longest common beginning and end of
// the shown text and `text`; false when the stand-ins do not allow it.
bool replaceDifferingPart(QPlainTextEdit *edit, const QString &text)
{
    const std::optional<QString> wanted = shownWithPresentStandIns(edit, text);
    if (!wanted)
        return false;
    const QString shown = shownText(edit);
    const QStringView from(shown);
    const QStringView to(*wanted);
    const qsizetype head = commonBeginning(from, to);
    if (head == from.size() && head == to.size())
        return true; // nothing differs
    const qsizetype tail = commonEnd(from.sliced(head), to.sliced(head));
    QTextCursor change(edit->document());
    change.setPosition(int(head));
    change.setPosition(int(from.size() - tail), QTextCursor::KeepAnchor);
    change.insertText(to.sliced(head, to.size() - tail - head).toString());
    // As after a full replacement: undo must not bring back the old text.
    edit->document()->clearUndoRedoStacks();
    edit->document()->setModified(false);
    GivenText::remember(edit->document(), *wanted);
    return true;
}

} // namespace

void ReplaceTextKeepingView(QPlainTextEdit *edit, const QString &text)
{
    const int vertical = edit->verticalScrollBar()->value();
    const int horizontal = edit->horizontalScrollBar()->value();
    const QTextCursor caret = edit->textCursor();
    const int line = caret.blockNumber();
    const int column = caret.positionInBlock();

    // One changed line of a large text must not cost a whole new layout.
    if (!replaceDifferingPart(edit, text))
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

#include "TextAreaView.moc"
