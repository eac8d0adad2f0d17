#include "documents/ShownIniFile.h"

#include "platform/FileIo.h"

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
    const TIniKeyPlace place = m_model.placeOfKey(section, key);
    if (!place.line)
        return std::nullopt;
    // Each section shows as its header, its lines and one empty line.
    int header = 0;
    for (qsizetype i = 0; i < *place.section; ++i)
        header += int(m_model.sections()[i].lines.size()) + 2;
    return header + 1 + int(*place.line);
}

bool TShownIniFile::hasSection(const QString &section) const
{
    return m_model.placeOfKey(section, QString()).section.has_value();
}
