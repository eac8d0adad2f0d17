#include "documents/IniModel.h"

#include "documents/TextLines.h"
#include "platform/FileIo.h"
#include "util/StringHelpers.h"

#include <QFileInfo>
#include <QLocale>
#include <QtAlgorithms>
#include <algorithm>
#include <cstring>
#include <utility>

namespace {

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

LineRole appendLine(QList<TIniSection> &sections, QStringView trimmedLine, LinesInPlace &buffer)
{
    const LineRole role = roleOf(trimmedLine, !sections.isEmpty());
    switch (role) {
    case LineRole::Dropped:
        break;
    case LineRole::Header:
        sections.append({buffer.line(TrimBlanksView(trimmedLine.sliced(1, trimmedLine.size() - 2))), {}, -1, {}});
        break;
    case LineRole::Entry:
        sections.last().lines.append(normalizedEntry(trimmedLine, buffer));
        break;
    }
    return role;
}

// Whether `fileText` and `shown` (lines separated by "\n") hold the same lines.
bool sameButForLineEnds(QStringView fileText, QStringView shown)
{
    qsizetype pos = 0;
    bool same = true;
    ForEachLine(fileText, [&](QStringView line) {
        if (!same || pos > shown.size()) {
            same = false;
            return;
        }
        const qsizetype newLine = shown.indexOf(u'\n', pos);
        const qsizetype end = newLine < 0 ? shown.size() : newLine;
        same = shown.sliced(pos, end - pos) == line;
        pos = end + 1;
    });
    return same && pos == shown.size() + 1;
}

// Where the value of an entry line begins: after its first "=" and the blanks that follow it.
qsizetype valueStart(QStringView line)
{
    qsizetype start = line.indexOf(u'=') + 1;
    while (start < line.size() && line[start].unicode() <= 32)
        ++start;
    return start;
}

} // namespace

TIniModel::TIniModel(const QString &fileName)
    : m_fileName(QFileInfo(fileName).absoluteFilePath())
{
}

void TIniModel::loadFromFile()
{
    const QDateTime readFrom = TFileStamp::ModifiedTime(m_fileName);
    const QByteArray bytes = readWholeFile(m_fileName);
    DecodedText decoded = decodeText(bytes);
    m_layout.reset(); // the file's own line end, not the one read before
    if (m_keepLayout) {
        loadText(std::move(decoded.text));
    } else {
        const QString fileText = decoded.text;
        loadText(std::move(decoded.text));
        m_readInNormalForm = sameButForLineEnds(fileText, rebuiltText(u"\n"));
    }
    m_stamp = TFileStamp(m_fileName, bytes, readFrom);
    m_encoding = decoded.encoding;
    m_modified = false;
}

void TIniModel::loadText(QString text)
{
    m_modified = true;
    m_sections.clear();
    m_upperSectionNames.clear();
    m_upperKeys.clear();
    if (m_keepLayout) {
        loadKeepingLayout(std::move(text));
        return;
    }
    m_layout.reset();
    LinesInPlace buffer(std::move(text));
    ForEachLine(buffer.text(), [this, &buffer](QStringView line) { appendLine(m_sections, TrimBlanksView(line), buffer); });
}

// The model by the same rules, each line knowing its shown line.
void TIniModel::loadKeepingLayout(QString text)
{
    const QString lineEnd = m_layout ? m_layout->lineEnd() : QStringLiteral("\r\n");
    if (m_layout && lineEnd != u"\n") // the text area's lines, back to the file's line end
        text.replace(u'\n', lineEnd);
    m_layout.emplace(text, lineEnd);
    LinesInPlace buffer(std::move(text));
    qsizetype number = 0;
    ForEachLine(buffer.text(), [this, &buffer, &number](QStringView line) {
        switch (appendLine(m_sections, TrimBlanksView(line), buffer)) {
        case LineRole::Dropped:
            break;
        case LineRole::Header:
            m_sections.last().headerLine = number;
            break;
        case LineRole::Entry:
            m_sections.last().shownLines.append(number);
            break;
        }
        ++number;
    });
}

QString TIniModel::shownText() const
{
    return m_layout ? m_layout->shownText() : rebuiltText(u"\n");
}

std::vector<TLineEdit> TIniModel::takeLineEdits()
{
    return m_layout ? m_layout->takeEdits() : std::vector<TLineEdit>();
}

QString NormalizedLine(QStringView line)
{
    const QStringView trimmed = TrimBlanksView(line);
    if (isSectionHeader(trimmed))
        return u'[' + TrimBlanksView(trimmed.sliced(1, trimmed.size() - 2)) + u']';
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals < 0)
        return trimmed.toString();
    return TrimBlanksView(trimmed.first(equals)) + u'=' + TrimBlanksView(trimmed.sliced(equals + 1));
}

QString LineAsLoaded(QStringView line)
{
    const QStringView trimmed = TrimBlanksView(line);
    return roleOf(trimmed, true) == LineRole::Dropped ? QString() : NormalizedLine(trimmed);
}

QList<int> RebuiltLineSources(QStringView text)
{
    QList<int> sources;
    bool inSection = false;
    int number = 0;
    ForEachLine(text, [&](QStringView line) {
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
    const QByteArray bytes = encodeText(m_layout ? m_layout->text() : rebuiltText(u"\r\n"), encoding);
    writeFileAtomically(m_fileName, bytes);
    noteFileWritten(bytes);
    m_encoding = encoding; // text the old encoding could not hold is now UTF-8 on disk
    m_modified = false;
}

void TIniModel::noteFileWritten(const QByteArray &bytes)
{
    m_stamp = TFileStamp(m_fileName, bytes, TFileStamp::ModifiedTime(m_fileName));
}

void TIniModel::write(const QString &section, const QString &key, const QString &value)
{
    m_modified = true;
    if (m_layout) {
        writeKeepingLayout(section, key, value);
        return;
    }
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

// Found as write() finds it; only the text after the "=" of the key's
// line changes, or a line or a section is added.
void TIniModel::writeKeepingLayout(const QString &section, const QString &key, const QString &value)
{
    const QLocale locale;
    const std::optional<qsizetype> index = lastSectionNamed(section, locale);
    if (!index) {
        appendSectionKeepingLayout(section, key + u'=' + value, locale);
        return;
    }
    TIniSection &found = m_sections[*index];
    UpperKeys &upperKeys = upperKeysOf(*index, locale);
    const std::optional<QString> upperKey = locale.toUpper(key);
    const auto last = std::find(upperKeys.crbegin(), upperKeys.crend(), upperKey);
    if (last != upperKeys.crend()) {
        const qsizetype i = upperKeys.crend() - last - 1;
        const QStringView old = m_layout->line(found.shownLines[i]);
        const QString line = old.first(valueStart(old)) + value;
        m_layout->replaceLine(found.shownLines[i], line);
        found.lines[i] = NormalizedLine(line); // its name stays the same
        return;
    }
    const qsizetype after = found.shownLines.isEmpty() ? found.headerLine : found.shownLines.constLast();
    const QString line = key + u'=' + value;
    m_layout->insertLineAfter(after, line);
    moveShownLinesAfter(after);
    found.lines.append(NormalizedLine(line));
    found.shownLines.append(after + 1);
    upperKeys.append(upperKeyOf(found.lines.constLast(), locale));
}

void TIniModel::appendSectionKeepingLayout(const QString &section, const QString &entry, const QLocale &locale)
{
    m_layout->appendAfterEmptyLine({u'[' + section + u']', entry});
    // After the entry line comes the empty last line of a text that ends with a line end.
    const qsizetype lastLine = m_layout->lineCount() - 1;
    const qsizetype entryLine = m_layout->line(lastLine).isEmpty() ? lastLine - 1 : lastLine;
    const QString header = NormalizedLine(m_layout->line(entryLine - 1));
    m_sections.append({header.sliced(1, header.size() - 2), {NormalizedLine(entry)}, entryLine - 1, {entryLine}});
    m_upperSectionNames.append(locale.toUpper(m_sections.constLast().name));
}

// A line was inserted after shown line `line`: every later line moves down one.
void TIniModel::moveShownLinesAfter(qsizetype line)
{
    for (TIniSection &section : m_sections) {
        if (section.headerLine > line)
            ++section.headerLine;
        for (qsizetype &shown : section.shownLines) {
            if (shown > line)
                ++shown;
        }
    }
}

std::optional<qsizetype> TIniModel::lastSectionNamed(const QString &section, const QLocale &locale)
{
    if (m_upperSectionNames.size() != m_sections.size()) { // not made since the last load
        m_upperSectionNames.clear();
        for (const TIniSection &existing : std::as_const(m_sections))
            m_upperSectionNames.append(locale.toUpper(existing.name));
    }
    const qsizetype found = m_upperSectionNames.lastIndexOf(locale.toUpper(section));
    return found >= 0 ? std::optional<qsizetype>(found) : std::nullopt;
}

qsizetype TIniModel::sectionIndexForWriting(const QString &section, const QLocale &locale)
{
    if (const std::optional<qsizetype> found = lastSectionNamed(section, locale))
        return *found;
    m_sections.append({section, {}, -1, {}});
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
