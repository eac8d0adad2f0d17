#include "documents/IniModel.h"

#include "platform/FileIo.h"
#include "util/StringHelpers.h"

#include <QFileInfo>
#include <QLocale>
#include <QtAlgorithms>
#include <algorithm>
#include <cstring>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The position of the first CR or LF in `text` from `from` on, or its size.
qsizetype nextLineEnd(QStringView text, qsizetype from)
{
    const char16_t *const chars = text.utf16();
    const qsizetype size = text.size();
    qsizetype pos = from;
#if defined(__SSE2__)
    // Eight characters at a time are passed over while none is at or below
    // CR; in the first eight that hold one (a tab, say), the characters from
    // there on are looked at singly.
    const __m128i cr = _mm_set1_epi16(u'\r');
    while (pos + 8 <= size) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + pos));
        const int low = _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(block, cr), _mm_setzero_si128()));
        if (low == 0) {
            pos += 8;
            continue;
        }
        const qsizetype end = pos + 8;
        for (pos += qCountTrailingZeroBits(unsigned(low)) / 2; pos < end; ++pos) {
            if (chars[pos] == u'\r' || chars[pos] == u'\n')
                return pos;
        }
    }
#endif
    for (; pos < size; ++pos) {
        if (chars[pos] == u'\r' || chars[pos] == u'\n')
            return pos;
    }
    return size;
}

// Calls `take` with every line of `text` (ended by CR LF, CR or LF), as
// views into it; a text ending in a line end has an empty last line. A
// line's end is read before the line is taken, so `take` may write over both.
template<typename TakeLine>
void forEachLine(QStringView text, TakeLine take)
{
    qsizetype start = 0;
    for (qsizetype pos = nextLineEnd(text, 0); pos < text.size(); pos = nextLineEnd(text, start)) {
        const bool crLf = text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n';
        take(text.sliced(start, pos - start));
        start = pos + (crLf ? 2 : 1);
    }
    take(text.sliced(start));
}

bool isSectionHeader(QStringView trimmedLine)
{
    return trimmedLine.startsWith(u'[') && trimmedLine.endsWith(u']');
}

// The text being loaded, whose kept lines are handed out as QStrings that
// share the text's buffer: a large text is then neither copied again nor
// split into one allocation per line. Every QString is followed by a NUL,
// so a kept line gets one in place of its next character; a kept line is
// never longer than its line, so that character is at most the line's end
// (the text's closing NUL after the last line), which is read before the
// line is taken. The buffer lives as long as any of its lines.
class LinesInPlace
{
public:
    explicit LinesInPlace(QString text)
        : m_text(std::move(text))
        , m_chars(m_text.data()) // the text's own copy from here on
    {
    }

    QStringView text() const { return m_text; }

    // `line`, a part of text() not yet read past, as it stands.
    QString line(QStringView line) { return sharedLine(writable(line), line.size()); }

    // "key=value" in place of the part from `key` to `value`, both parts of
    // text() not yet read past, `key` first.
    QString entry(QStringView key, QStringView value)
    {
        QChar *const start = writable(key);
        QChar *const equals = start + key.size();
        *equals = u'=';
        std::memmove(equals + 1, value.data(), std::size_t(value.size()) * sizeof(QChar));
        return sharedLine(start, key.size() + 1 + value.size());
    }

private:
    QChar *writable(QStringView part) const { return m_chars + (part.data() - m_text.constData()); }

    QString sharedLine(QChar *start, qsizetype size)
    {
        start[size] = u'\0';
        QString::DataPointer shared = m_text.data_ptr(); // one more owner of the buffer
        shared.ptr = reinterpret_cast<char16_t *>(start);
        shared.size = size;
        return QString(std::move(shared));
    }

    QString m_text;
    QChar *m_chars; // taken before the buffer is shared, so writing never detaches it
};

// "key = value" becomes "key=value"; a line without "=" stays as it is.
QString normalizedEntry(QStringView trimmedLine, LinesInPlace &buffer)
{
    // A plain search: for lines this short, calling out costs more than looking.
    const auto equals = std::find(trimmedLine.begin(), trimmedLine.end(), u'=');
    if (equals == trimmedLine.end())
        return buffer.line(trimmedLine);
    return buffer.entry(TrimBlanksView({trimmedLine.begin(), equals}), TrimBlanksView({equals + 1, trimmedLine.end()}));
}

// A line's name is its text before the first "=", upper-cased as write()
// compares names; a line without "=" has none.
std::optional<QString> upperKeyOf(const QString &line, const QLocale &locale)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return locale.toUpper(line.first(equals));
}

enum class LineRole { Dropped, Header, Entry };

// What the loading rules make of one trimmed line of a text.
LineRole roleOf(QStringView trimmedLine, bool inSection)
{
    if (trimmedLine.isEmpty() || trimmedLine.startsWith(u';'))
        return LineRole::Dropped;
    if (isSectionHeader(trimmedLine))
        return LineRole::Header;
    // Text before the first section has no place in the model.
    return inSection ? LineRole::Entry : LineRole::Dropped;
}

void appendLine(QList<TIniSection> &sections, QStringView trimmedLine, LinesInPlace &buffer)
{
    switch (roleOf(trimmedLine, !sections.isEmpty())) {
    case LineRole::Dropped:
        return;
    case LineRole::Header:
        sections.append({buffer.line(TrimBlanksView(trimmedLine.sliced(1, trimmedLine.size() - 2))), {}});
        return;
    case LineRole::Entry:
        sections.last().lines.append(normalizedEntry(trimmedLine, buffer));
        return;
    }
}

} // namespace

TIniModel::TIniModel(const QString &fileName)
    : m_fileName(QFileInfo(fileName).absoluteFilePath())
{
}

void TIniModel::loadFromFile()
{
    DecodedText decoded = decodeText(readWholeFile(m_fileName));
    loadText(std::move(decoded.text));
    m_encoding = decoded.encoding;
    m_modified = false;
}

void TIniModel::loadText(QString text)
{
    m_modified = true;
    m_sections.clear();
    m_upperSectionNames.clear();
    m_upperKeys.clear();
    LinesInPlace buffer(std::move(text));
    forEachLine(buffer.text(), [this, &buffer](QStringView line) { appendLine(m_sections, TrimBlanksView(line), buffer); });
}

QList<int> RebuiltLineSources(QStringView text)
{
    QList<int> sources;
    bool inSection = false;
    int number = 0;
    forEachLine(text, [&](QStringView line) {
        ++number;
        switch (roleOf(TrimBlanksView(line), inSection)) {
        case LineRole::Dropped:
            return;
        case LineRole::Header:
            if (inSection)
                sources.append(0); // the empty line after the section before
            inSection = true;
            break;
        case LineRole::Entry:
            break;
        }
        sources.append(number);
    });
    if (inSection)
        sources.append(0);
    return sources;
}

QString TIniModel::rebuiltText(QStringView lineEnd) const
{
    // Sized once: a large text would otherwise be copied at every growth.
    qsizetype size = 0;
    for (const TIniSection &section : m_sections) {
        size += section.name.size() + 2 + 2 * lineEnd.size();
        for (const QString &line : section.lines)
            size += line.size() + lineEnd.size();
    }
    QString text;
    text.reserve(size);
    for (const TIniSection &section : m_sections) {
        text += u'[' + section.name + u']' + lineEnd;
        for (const QString &line : section.lines)
            text += line + lineEnd;
        text += lineEnd;
    }
    return text;
}

void TIniModel::writeFile()
{
    TextEncoding encoding = m_encoding;
    writeFileAtomically(m_fileName, encodeText(rebuiltText(u"\r\n"), encoding));
    m_encoding = encoding; // text the old encoding could not hold is now UTF-8 on disk
    m_modified = false;
}

void TIniModel::write(const QString &section, const QString &key, const QString &value)
{
    m_modified = true;
    const QLocale locale;
    const qsizetype index = sectionIndexForWriting(section, locale);
    QStringList &lines = m_sections[index].lines;
    UpperKeys &upperKeys = upperKeysOf(index, locale);
    const QString upperKey = locale.toUpper(key);
    const QString newLine = key + u'=' + value;
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (upperKeys[i] == upperKey) {
            lines[i] = newLine; // its upper-cased name stays the same
            return;
        }
    }
    lines.append(newLine);
    // Its name, as for any line: a key holding "=" is named by its text before it.
    upperKeys.append(upperKeyOf(newLine, locale));
}

TIniKeyPlace TIniModel::placeOfKey(const QString &section, const QString &key) const
{
    const QLocale locale;
    const QString upperSection = locale.toUpper(section);
    const QString upperKey = locale.toUpper(key);
    TIniKeyPlace place;
    for (qsizetype i = m_sections.size() - 1; i >= 0 && !place.section; --i) {
        if (locale.toUpper(m_sections[i].name) == upperSection)
            place.section = i;
    }
    if (!place.section)
        return place;
    const QStringList &lines = m_sections[*place.section].lines;
    for (qsizetype i = lines.size() - 1; i >= 0 && !place.line; --i) {
        if (upperKeyOf(lines[i], locale) == upperKey)
            place.line = i;
    }
    return place;
}

qsizetype TIniModel::sectionIndexForWriting(const QString &section, const QLocale &locale)
{
    if (m_upperSectionNames.size() != m_sections.size()) { // not made since the last load
        m_upperSectionNames.clear();
        for (const TIniSection &existing : std::as_const(m_sections))
            m_upperSectionNames.append(locale.toUpper(existing.name));
    }
    const qsizetype found = m_upperSectionNames.lastIndexOf(locale.toUpper(section));
    if (found >= 0)
        return found;
    m_sections.append({section, {}});
    m_upperSectionNames.append(locale.toUpper(section));
    return m_sections.size() - 1;
}

TIniModel::UpperKeys &TIniModel::upperKeysOf(qsizetype sectionIndex, const QLocale &locale)
{
    auto found = m_upperKeys.find(sectionIndex);
    if (found == m_upperKeys.end()) {
        UpperKeys keys;
        for (const QString &line : std::as_const(m_sections[sectionIndex].lines))
            keys.append(upperKeyOf(line, locale));
        found = m_upperKeys.insert(sectionIndex, keys);
    }
    return *found;
}
