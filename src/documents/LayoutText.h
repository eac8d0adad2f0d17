#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// Lines [line, line + removed) of the shown text replaced by `lines`.
struct TLineEdit
{
    qsizetype line;
    qsizetype removed;
    QStringList lines;

    bool operator==(const TLineEdit &) const = default;
};

// A file's text as it is, with its own line ends (CR LF, LF or CR), as the
// keep-layout mode shows and writes it. Lines count from 0 as a text area
// shows them: the text after the last line end is the last line, empty
// when the text ends with a line end. Changes touch only their own lines
// and are remembered as line edits for the view.
class TLayoutText
{
public:
    // `text` as read; `lineEnd` is used for new lines when the text has none.
    explicit TLayoutText(QString text = {}, QStringView lineEnd = u"\r\n");

    // As written back: every byte the user did not change is kept.
    const QString &text() const { return m_text; }
    // Lines separated by "\n", as the text area takes them.
    QString shownText() const;
    const QString &lineEnd() const { return m_lineEnd; }
    qsizetype lineCount() const { return m_starts.size(); }
    QStringView line(qsizetype line) const;

    void replaceLine(qsizetype line, const QString &text);
    void insertLineAfter(qsizetype line, const QString &text);
    // One empty line after the text, then `lines`; an empty text gets only
    // `lines`. A text that ended with a line end still does.
    void appendAfterEmptyLine(const QStringList &lines);

    // The line edits since they were last taken, in order.
    std::vector<TLineEdit> takeEdits() { return std::exchange(m_edits, {}); }

private:
    qsizetype contentEnd(qsizetype line) const;
    bool endsWithLineEnd() const;
    // text[from, to) replaced by `text`; the line starts after it move.
    void splice(qsizetype from, qsizetype to, const QString &text, qsizetype firstMovedLine);

    QString m_text;
    QList<qsizetype> m_starts; // where each line begins in m_text
    QString m_lineEnd;
    std::vector<TLineEdit> m_edits;
};
