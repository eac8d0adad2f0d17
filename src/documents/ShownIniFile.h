#pragma once

#include "documents/FlagLine.h"
#include "documents/IniModel.h"

#include <QList>
#include <QStringList>
#include <optional>
#include <vector>

// An INI file read by the document's rules, as its document window would
// show it, with the line of the file each shown line comes from; for
// finding flag words without a window.
class TShownIniFile
{
public:
    // Raises FileOpenError with the path and the reason.
    explicit TShownIniFile(const QString &fileName);

    const QString &fileName() const { return m_model.fileName(); }
    int lineCount() const { return int(m_lines.size()); }
    QString line(int shownLine) const { return m_lines.value(shownLine); }
    // From 1; 0 for the empty line that ends a section.
    int fileLine(int shownLine) const { return m_fileLines.value(shownLine); }

    // The shown lines a double click would open, in file order.
    std::vector<int> flagWordLines() const;
    // The flag word a double click on the shown line opens, if any.
    std::optional<TFlagWordLocation> flagWordAt(int shownLine) const;
    // The shown line of `key` in `section`, found as the bit editor's
    // write-back finds it: the last section of that name and in it the last
    // line of that key, names compared ignoring case.
    std::optional<int> lineOfKey(const QString &section, const QString &key) const;
    bool hasSection(const QString &section) const;

private:
    TIniModel m_model;
    QStringList m_lines;
    QList<int> m_fileLines;
};
