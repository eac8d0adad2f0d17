#include "documents/IniModel.h"

#include "platform/FileIo.h"
#include "util/StringHelpers.h"

#include <QFileInfo>
#include <algorithm>
#include <QLocale>

namespace {

// Calls `take` with every line of `text` (ended by CR LF, CR or LF), as
// views into it; a text ending in a line end has an empty last line.
template<typename TakeLine>
void forEachLine(QStringView text, TakeLine take)
{
    qsizetype start = 0;
    for (qsizetype pos = 0; pos < text.size(); ++pos) {
        const QChar ch = text[pos];
        if (ch != u'\r' && ch != u'\n')
            continue;
        take(text.sliced(start, pos - start));
        if (ch == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n')
            ++pos;
        start = pos + 1;
    }
    take(text.sliced(start));
}

bool isSectionHeader(QStringView trimmedLine)
{
    return trimmedLine.startsWith(u'[') && trimmedLine.endsWith(u']');
}

// "key = value" becomes "key=value"; a line without "=" stays as it is.
QString normalizedEntry(QStringView trimmedLine)
{
    const qsizetype equals = trimmedLine.indexOf(u'=');
    if (equals < 0)
        return trimmedLine.toString();
    const QStringView key = TrimBlanksView(trimmedLine.first(equals));
    const QStringView value = TrimBlanksView(trimmedLine.sliced(equals + 1));
    // Built in place: one allocation per entry.
    QString entry(key.size() + 1 + value.size(), Qt::Uninitialized);
    QChar *out = std::copy(key.begin(), key.end(), entry.data());
    *out++ = u'=';
    std::copy(value.begin(), value.end(), out);
    return entry;
}

bool sameName(const QString &left, const QString &right)
{
    const QLocale locale;
    return locale.toUpper(left) == locale.toUpper(right);
}

// A line's name is its text before the first "="; a line without "=" has none.
bool lineHasKey(const QString &line, const QString &key)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals >= 0 && sameName(line.first(equals), key);
}

} // namespace

TIniModel::TIniModel(const QString &fileName)
    : m_fileName(QFileInfo(fileName).absoluteFilePath())
{
}

void TIniModel::loadFromFile()
{
    DecodedText decoded = decodeText(readWholeFile(m_fileName));
    loadText(decoded.text);
    m_encoding = decoded.encoding;
}

void TIniModel::loadText(const QString &text)
{
    m_sections.clear();
    forEachLine(text, [this](QStringView line) { appendLine(TrimBlanksView(line)); });
}

void TIniModel::appendLine(QStringView trimmedLine)
{
    if (trimmedLine.isEmpty() || trimmedLine.startsWith(u';'))
        return;
    if (isSectionHeader(trimmedLine)) {
        m_sections.append({TrimBlanksView(trimmedLine.sliced(1, trimmedLine.size() - 2)).toString(), {}});
        return;
    }
    if (m_sections.isEmpty())
        return; // text before the first section has no place in the model
    m_sections.last().lines.append(normalizedEntry(trimmedLine));
}

QString TIniModel::rebuiltText(QStringView lineEnd) const
{
    QString text;
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
}

void TIniModel::write(const QString &section, const QString &key, const QString &value)
{
    QStringList &lines = sectionForWriting(section).lines;
    const QString newLine = key + u'=' + value;
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lineHasKey(lines[i], key)) {
            lines[i] = newLine;
            return;
        }
    }
    lines.append(newLine);
}

TIniSection &TIniModel::sectionForWriting(const QString &section)
{
    for (qsizetype i = m_sections.size() - 1; i >= 0; --i) {
        if (sameName(m_sections[i].name, section))
            return m_sections[i];
    }
    m_sections.append({section, {}});
    return m_sections.last();
}
