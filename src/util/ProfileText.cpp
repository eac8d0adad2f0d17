#include "util/ProfileText.h"

#include "util/StringHelpers.h"

#include <algorithm>

namespace {

const QString newLine = QStringLiteral("\r\n");

// A hash of the name folded as Qt's case-insensitive comparison folds each
// character, so that names it finds equal hash alike; made without a copy
// of the name, as a file may hold hundreds of thousands of sections.
std::size_t foldedHash(QStringView name)
{
    std::size_t hash = 14695981039346656037u;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t code = name[i].unicode();
        if (QChar::isHighSurrogate(code) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(name[i], name[i + 1]);
            ++i;
        }
        hash = (hash ^ QChar::toCaseFolded(code)) * 1099511628211u;
    }
    return hash;
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The position of the first CR or LF in `text` from `from` on, or its size.
qsizetype lineEndFrom(QStringView text, qsizetype from)
{
    for (qsizetype pos = from; pos < text.size(); ++pos) {
        if (text[pos] == u'\r' || text[pos] == u'\n')
            return pos;
    }
    return text.size();
}

// Where the next line starts after a line ending at `end`.
qsizetype nextLineStart(QStringView text, qsizetype end)
{
    if (end >= text.size())
        return end;
    return end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
}

// The trimmed part of text[start, end) as positions.
std::pair<qsizetype, qsizetype> trimmedPart(QStringView text, qsizetype start, qsizetype end)
{
    const QStringView trimmed = TrimBlanksView(text.sliced(start, end - start));
    const qsizetype from = trimmed.isEmpty() ? start : trimmed.data() - text.data();
    return {from, from + trimmed.size()};
}

QString withoutLineBreaks(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

TProfileText::TProfileText(const QString &text)
    : m_text(text)
{
    index();
}

void TProfileText::index()
{
    m_sections.clear();
    m_firstSectionByHash.clear();
    const QStringView text(m_text);
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = lineEndFrom(text, start);
        const auto [from, to] = trimmedPart(text, start, end);
        const qsizetype next = nextLineStart(text, end);
        // A header's name runs from "[" to the first "]" or the line's end.
        if (from < to && text[from] == u'[') {
            if (!m_sections.empty())
                m_sections.back().bodyEnd = start;
            const qsizetype bracket = text.sliced(from + 1, to - from - 1).indexOf(u']');
            const auto [nameStart, nameEnd] = trimmedPart(text, from + 1, bracket < 0 ? to : from + 1 + bracket);
            m_sections.push_back({nameStart, nameEnd, next, text.size(), std::nullopt});
            const std::size_t hash = foldedHash(nameOf(m_sections.back()));
            if (!m_firstSectionByHash.contains(hash))
                m_firstSectionByHash.insert(hash, m_sections.size() - 1);
        }
        start = next;
    }
}

std::optional<QString> TProfileText::value(const QString &section, const QString &key) const
{
    const Section *found = findSection(section);
    if (!found)
        return std::nullopt;
    const KeyLine *line = findKey(*found, key);
    if (!line)
        return std::nullopt;
    return m_text.sliced(line->equals + 1, line->end - line->equals - 1);
}

void TProfileText::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString cleanSection = TrimBlanks(withoutLineBreaks(section));
    const QString cleanKey = TrimBlanks(withoutLineBreaks(key));
    const QString cleanValue = withoutLineBreaks(value);
    const QString keyLine = cleanKey + u'=' + cleanValue + newLine;

    const Section *header = findSection(cleanSection);
    if (!header)
        insertLines(m_text.size(), u'[' + cleanSection + u']' + newLine + keyLine);
    else if (const KeyLine *line = findKey(*header, cleanKey))
        m_text.replace(line->equals + 1, line->end - line->equals - 1, cleanValue);
    else
        insertLines(insertionPoint(*header), keyLine);
    index();
}

QStringList TProfileText::keys(const QString &section) const
{
    QStringList names;
    if (const Section *found = findSection(section)) {
        for (const KeyLine &line : keysOf(*found))
            names << m_text.sliced(line.nameStart, line.nameEnd - line.nameStart);
    }
    return names;
}

QStringList TProfileText::sections() const
{
    QStringList names;
    for (const Section &section : m_sections)
        names << nameOf(section).toString();
    return names;
}

void TProfileText::removeSection(const QString &section)
{
    const QStringView wanted = TrimBlanksView(section);
    // From the last, so the positions of the earlier ones still hold.
    for (auto it = m_sections.rbegin(); it != m_sections.rend(); ++it) {
        if (!sameName(nameOf(*it), wanted))
            continue;
        const qsizetype headerStart = QStringView(m_text).first(it->nameStart).lastIndexOf(u'[');
        const qsizetype lineStart = std::max(m_text.lastIndexOf(u'\n', headerStart), m_text.lastIndexOf(u'\r', headerStart)) + 1;
        m_text.remove(lineStart, it->bodyEnd - lineStart);
    }
    index();
}

QStringView TProfileText::nameOf(const Section &section) const
{
    return QStringView(m_text).sliced(section.nameStart, section.nameEnd - section.nameStart);
}

const TProfileText::Section *TProfileText::findSection(const QString &name) const
{
    const QStringView wanted = TrimBlanksView(name);
    const auto found = m_firstSectionByHash.constFind(foldedHash(wanted));
    if (found == m_firstSectionByHash.cend())
        return nullptr;
    if (sameName(nameOf(m_sections[*found]), wanted))
        return &m_sections[*found];
    // Another name with the same hash came first: look at every section.
    const auto named = std::find_if(m_sections.begin(), m_sections.end(),
                                    [&](const Section &section) { return sameName(nameOf(section), wanted); });
    return named == m_sections.end() ? nullptr : &*named;
}

const std::vector<TProfileText::KeyLine> &TProfileText::keysOf(const Section &section) const
{
    if (section.keys)
        return *section.keys;
    std::vector<KeyLine> &keys = section.keys.emplace();
    const QStringView text(m_text);
    for (qsizetype start = section.bodyStart; start < section.bodyEnd;) {
        const qsizetype end = lineEndFrom(text, start);
        const qsizetype equals = text.sliced(start, end - start).indexOf(u'=');
        if (equals >= 0) {
            const auto [nameStart, nameEnd] = trimmedPart(text, start, start + equals);
            keys.push_back({nameStart, nameEnd, start + equals, end});
        }
        start = nextLineStart(text, end);
    }
    return keys;
}

const TProfileText::KeyLine *TProfileText::findKey(const Section &section, const QString &key) const
{
    const QStringView wanted = TrimBlanksView(key);
    for (const KeyLine &line : keysOf(section)) {
        // Names equal regardless of case are of equal length.
        if (line.nameEnd - line.nameStart == wanted.size() && sameName(QStringView(m_text).sliced(line.nameStart, wanted.size()), wanted))
            return &line;
    }
    return nullptr;
}

qsizetype TProfileText::insertionPoint(const Section &section) const
{
    const std::vector<KeyLine> &keys = keysOf(section);
    return keys.empty() ? section.bodyStart : nextLineStart(m_text, keys.back().end);
}

void TProfileText::insertLines(qsizetype at, const QString &lines)
{
    // The line before may be the text's last line without a line end.
    const bool endsLine = at > 0 && at == m_text.size() && m_text.back() != u'\r' && m_text.back() != u'\n';
    m_text.insert(at, endsLine ? newLine + lines : lines);
}
