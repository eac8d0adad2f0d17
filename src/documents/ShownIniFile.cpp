#include "documents/ShownIniFile.h"

#include "platform/FileIo.h"

#include <QLocale>

namespace {

// As TIniModel::write compares section and key names.
bool sameName(const QString &a, const QString &b)
{
    const QLocale locale;
    return locale.toUpper(a) == locale.toUpper(b);
}

} // namespace

TShownIniFile::TShownIniFile(const QString &fileName)
    : m_model(fileName)
{
    const DecodedText decoded = decodeText(readWholeFile(m_model.fileName()));
    m_fileLines = RebuiltLineSources(decoded.text);
    m_model.loadText(decoded.text);
    m_lines = m_model.rebuiltText(u"\n").split(u'\n');
    m_lines.removeLast(); // after the last line end
}

std::vector<int> TShownIniFile::flagWordLines() const
{
    std::vector<int> found;
    for (int shown = 0; shown < lineCount(); ++shown) {
        if (flagWordAt(shown))
            found.push_back(shown);
    }
    return found;
}

std::optional<TFlagWordLocation> TShownIniFile::flagWordAt(int shownLine) const
{
    return FindFlagWord([this](int shown) { return line(shown); }, shownLine);
}

std::optional<int> TShownIniFile::lineOfKey(const QString &section, const QString &key) const
{
    // Each section shows as its header, its lines and one empty line.
    std::optional<int> found;
    int header = 0;
    for (const TIniSection &shown : m_model.sections()) {
        if (sameName(shown.name, section)) {
            found.reset();
            for (int entry = 0; entry < shown.lines.size(); ++entry) {
                const QString &text = shown.lines[entry];
                const qsizetype equals = text.indexOf(u'=');
                if (equals >= 0 && sameName(text.first(equals), key))
                    found = header + 1 + entry;
            }
        }
        header += int(shown.lines.size()) + 2;
    }
    return found;
}

bool TShownIniFile::hasSection(const QString &section) const
{
    for (const TIniSection &shown : m_model.sections()) {
        if (sameName(shown.name, section))
            return true;
    }
    return false;
}
