#include "documents/LayoutText.h"

#include "documents/TextLines.h"

#include <cstring>

namespace {

// The line end the text uses first; `fallback` for a text of one line.
QString firstLineEnd(QStringView text, QStringView fallback)
{
    const qsizetype pos = NextLineEnd(text, 0);
    if (pos == text.size())
        return fallback.toString();
    if (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n')
        return QStringLiteral("\r\n");
    return QString(text[pos]);
}

} // namespace

TLayoutText::TLayoutText(QString text, QStringView lineEnd)
    : m_text(std::move(text))
    , m_lineEnd(firstLineEnd(m_text, lineEnd))
{
    ForEachLine(m_text, [this](QStringView line) { m_starts.append(line.data() - m_text.constData()); });
}

QString TLayoutText::shownText() const
{
    if (!m_text.contains(u'\r'))
        return m_text;
    // Line by line into a buffer of the right size: replacing the line ends
    // in a copy of a large text takes ten times as long.
    QString shown(m_text.size(), Qt::Uninitialized);
    QChar *const out = shown.data();
    qsizetype size = 0;
    for (qsizetype number = 0; number < lineCount(); ++number) {
        const QStringView text = line(number);
        std::memcpy(out + size, text.data(), std::size_t(text.size()) * sizeof(QChar));
        size += text.size();
        if (number + 1 < lineCount())
            out[size++] = u'\n';
    }
    shown.truncate(size);
    return shown;
}

QStringView TLayoutText::line(qsizetype line) const
{
    return QStringView(m_text).sliced(m_starts[line], contentEnd(line) - m_starts[line]);
}

// Where the line's own characters end, before its line end.
qsizetype TLayoutText::contentEnd(qsizetype line) const
{
    if (line + 1 == lineCount())
        return m_text.size();
    const qsizetype next = m_starts[line + 1];
    const bool crLf = next - 2 >= m_starts[line] && m_text[next - 2] == u'\r' && m_text[next - 1] == u'\n';
    return next - (crLf ? 2 : 1);
}

bool TLayoutText::endsWithLineEnd() const
{
    return lineCount() > 1 && line(lineCount() - 1).isEmpty();
}

void TLayoutText::replaceLine(qsizetype line, const QString &text)
{
    splice(m_starts[line], contentEnd(line), text, line + 1);
    m_edits.push_back({line, 1, {text}});
}

// Every line keeps its own line end; the new one gets the file's.
void TLayoutText::insertLineAfter(qsizetype line, const QString &text)
{
    if (line + 1 < lineCount()) {
        const qsizetype start = m_starts[line + 1];
        splice(start, start, text + m_lineEnd, line + 1);
        m_starts.insert(line + 1, start);
        m_edits.push_back({line + 1, 0, {text}});
        return;
    }
    // After the last line, which has no line end yet: it is shown again with the new one.
    m_edits.push_back({line, 1, {this->line(line).toString(), text}});
    const qsizetype end = m_text.size();
    splice(end, end, m_lineEnd + text, lineCount());
    m_starts.append(end + m_lineEnd.size());
}

void TLayoutText::appendAfterEmptyLine(const QStringList &lines)
{
    // The last line is written again with what follows it: after a closing
    // line end it is the empty line, otherwise the empty line follows it.
    const qsizetype last = lineCount() - 1;
    QStringList shown;
    if (m_text.isEmpty())
        shown = lines + QStringList{QString()};
    else if (endsWithLineEnd())
        shown = QStringList{QString()} + lines + QStringList{QString()};
    else
        shown = QStringList{line(last).toString(), QString()} + lines;
    qsizetype start = m_starts[last];
    splice(start, m_text.size(), shown.join(m_lineEnd), lineCount());
    m_starts.resize(last);
    for (const QString &added : std::as_const(shown)) {
        m_starts.append(start);
        start += added.size() + m_lineEnd.size();
    }
    m_edits.push_back({last, 1, shown});
}

void TLayoutText::splice(qsizetype from, qsizetype to, const QString &text, qsizetype firstMovedLine)
{
    m_text.replace(from, to - from, text);
    const qsizetype moved = text.size() - (to - from);
    for (qsizetype line = firstMovedLine; line < m_starts.size(); ++line)
        m_starts[line] += moved;
}
