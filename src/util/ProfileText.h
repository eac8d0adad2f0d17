#pragma once

#include <QString>
#include <optional>
#include <vector>

// The lines of an INI file as the profile-file store reads and changes
// them: a line "[name]" opens a section, a line "key=value" belongs to the
// section above it. Section and key names match regardless of letter case;
// the first section and the first key of a name count. Every line keeps
// its own content and line end unless setValue changes it, so text()
// gives back the parsed text byte for byte.
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

    QString text() const;

private:
    struct Line
    {
        QString content;
        QString ending; // "\r\n", "\n", "\r", or "" for a last line without one
    };

    std::optional<std::size_t> findSection(const QString &section) const;
    // One past the section's last line: the next section's header or the end.
    std::size_t sectionEnd(std::size_t header) const;
    std::optional<std::size_t> findKey(std::size_t header, const QString &key) const;
    // Where a new key of the section goes: after its last key line.
    std::size_t insertionPoint(std::size_t header) const;
    void insertLine(std::size_t at, const QString &content);

    std::vector<Line> m_lines;
};
