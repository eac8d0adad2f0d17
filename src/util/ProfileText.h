#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The lines of an INI file as the profile-file store reads and changes
// them: a line "[name]" opens a section, a line "key=value" belongs to the
// section above it. Section and key names match regardless of letter case;
// the first section and the first key of a name count. Every line keeps
// its own content and line end unless setValue changes it, so text()
// gives back the parsed text byte for byte.
//
// Parsing costs one pass over the text and keeps only where the sections
// are; the keys of a section are indexed when it is first looked into. So
// a settings file of millions of blank lines or sections reads in linear
// time, without one allocation per line.
class TProfileText
{
public:
    explicit TProfileText(const QString &text);

    // The raw text after the "=" of the key's line; nothing when the
    // section or the key is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // Replaces the value of an existing key in place; otherwise appends the
    // key after the last key line of its section, or the section with the
    // key at the end of the text. New lines end in CR LF. Line breaks in
    // the names or the value become blanks, so they cannot add lines.
    void setValue(const QString &section, const QString &key, const QString &value);

    // The names of the keys of the section, in file order, trimmed; none
    // when it is missing.
    QStringList keys(const QString &section) const;
    // The names of the sections, in file order, trimmed.
    QStringList sections() const;
    // Every section of the name, its header and lines, goes.
    void removeSection(const QString &section);

    const QString &text() const { return m_text; }

private:
    // Positions in m_text of one "key=value" line's parts.
    struct KeyLine
    {
        qsizetype nameStart;
        qsizetype nameEnd; // the name without blanks at its ends
        qsizetype equals;
        qsizetype end; // where the line's end (or the text) begins
    };

    struct Section
    {
        qsizetype nameStart;
        qsizetype nameEnd;
        qsizetype bodyStart; // after the header's line end
        qsizetype bodyEnd;   // the next header's line, or the text's end
        mutable std::optional<std::vector<KeyLine>> keys; // made by keysOf
    };

    void index();
    QStringView nameOf(const Section &section) const;
    const Section *findSection(const QString &name) const;
    const std::vector<KeyLine> &keysOf(const Section &section) const;
    const KeyLine *findKey(const Section &section, const QString &key) const;
    // Where a new key of the section goes: after its last key line.
    qsizetype insertionPoint(const Section &section) const;
    void insertLines(qsizetype at, const QString &lines);

    QString m_text;
    std::vector<Section> m_sections;
    // The hash of a case-folded name → the first section whose name has it.
    QHash<std::size_t, std::size_t> m_firstSectionByHash;
};
