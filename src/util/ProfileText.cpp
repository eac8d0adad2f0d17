#include "util/ProfileText.h"

#include "util/StringHelpers.h"

namespace {

const QString newLine = QStringLiteral("\r\n");

// Names are compared trimmed, as they are read from the lines.
bool sameName(const QString &a, const QString &b)
{
    return TrimBlanks(a).compare(TrimBlanks(b), Qt::CaseInsensitive) == 0;
}

// The name of the section a line opens: the text between "[" and the first
// "]" (or the line's end), trimmed.
std::optional<QString> sectionNameOf(const QString &line)
{
    const QString trimmed = TrimBlanks(line);
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    return TrimBlanks(trimmed.sliced(1).section(u']', 0, 0));
}

bool isKeyLine(const QString &line)
{
    return line.contains(u'=') && !sectionNameOf(line);
}

bool hasKey(const QString &line, const QString &key)
{
    return isKeyLine(line) && sameName(line.section(u'=', 0, 0), key);
}

QString withoutLineBreaks(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

TProfileText::TProfileText(const QString &text)
{
    qsizetype start = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QChar ch = text[pos];
        if (ch != u'\r' && ch != u'\n') {
            ++pos;
            continue;
        }
        const qsizetype endingSize = (ch == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n') ? 2 : 1;
        m_lines.push_back({text.sliced(start, pos - start), text.sliced(pos, endingSize)});
        pos += endingSize;
        start = pos;
    }
    if (start < text.size())
        m_lines.push_back({text.sliced(start), QString()});
}

std::optional<QString> TProfileText::value(const QString &section, const QString &key) const
{
    const std::optional<std::size_t> header = findSection(section);
    if (!header)
        return std::nullopt;
    const std::optional<std::size_t> line = findKey(*header, key);
    if (!line)
        return std::nullopt;
    return m_lines[*line].content.section(u'=', 1);
}

void TProfileText::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString cleanSection = TrimBlanks(withoutLineBreaks(section));
    const QString cleanKey = TrimBlanks(withoutLineBreaks(key));
    const QString cleanValue = withoutLineBreaks(value);
    const QString keyLine = cleanKey + u'=' + cleanValue;

    const std::optional<std::size_t> header = findSection(cleanSection);
    if (!header) {
        insertLine(m_lines.size(), u'[' + cleanSection + u']');
        insertLine(m_lines.size(), keyLine);
        return;
    }
    if (const std::optional<std::size_t> line = findKey(*header, cleanKey)) {
        QString &content = m_lines[*line].content;
        content = content.first(content.indexOf(u'=') + 1) + cleanValue;
        return;
    }
    insertLine(insertionPoint(*header), keyLine);
}

QString TProfileText::text() const
{
    QString result;
    for (const Line &line : m_lines)
        result += line.content + line.ending;
    return result;
}

std::optional<std::size_t> TProfileText::findSection(const QString &section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::optional<QString> name = sectionNameOf(m_lines[i].content);
        if (name && sameName(*name, section))
            return i;
    }
    return std::nullopt;
}

std::size_t TProfileText::sectionEnd(std::size_t header) const
{
    std::size_t end = header + 1;
    while (end < m_lines.size() && !sectionNameOf(m_lines[end].content))
        ++end;
    return end;
}

std::optional<std::size_t> TProfileText::findKey(std::size_t header, const QString &key) const
{
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (hasKey(m_lines[i].content, key))
            return i;
    }
    return std::nullopt;
}

std::size_t TProfileText::insertionPoint(std::size_t header) const
{
    std::size_t after = header;
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (isKeyLine(m_lines[i].content))
            after = i;
    }
    return after + 1;
}

void TProfileText::insertLine(std::size_t at, const QString &content)
{
    // The line before may be the file's last line without a line end.
    if (at > 0 && m_lines[at - 1].ending.isEmpty())
        m_lines[at - 1].ending = newLine;
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(at), {content, newLine});
}
