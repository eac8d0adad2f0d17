#pragma once

#include "documents/LayoutText.h"
#include "platform/FileStamp.h"
#include "platform/TextCodec.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

class QLocale;

// One section of an in-memory INI file: its name and its entry lines in order.
struct TIniSection
{
    QString name;
    QStringList lines;
    // Keeping the layout: the shown line (from 0) of the header and of each
    // entry line; otherwise none.
    qsizetype headerLine = -1;
    QList<qsizetype> shownLines;

    bool operator==(const TIniSection &) const = default;
};

// Where write() puts a key's line: the last section of the name and in it
// the last line of the key, names compared ignoring case; a part is absent
// where write() would append one.
struct TIniKeyPlace
{
    std::optional<qsizetype> section;
    std::optional<qsizetype> line;
};

// For each line of the text a model loaded from `text` rebuilds, the number
// (from 1) of the line of `text` it stands for; 0 for the empty line that
// ends each section.
QList<int> RebuiltLineSources(QStringView text);

// A line as the model keeps it: trimmed, a section header's name trimmed
// inside its brackets, blanks around an entry's first "=" dropped.
QString NormalizedLine(QStringView line);
// A shown line as loading reads it: a comment as an empty line, which is
// no flag line, any other line normalized.
QString LineAsLoaded(QStringView line);

// The in-memory INI file of a document: ordered sections of entry lines,
// bound to one file. Comments, blank lines and text before the first
// section are not kept, so the rebuilt text is the file's normal form.
// Keeping the layout, the model also holds the file's own text, shows and
// writes that, and write() changes only the line of its key there.
class TIniModel
{
public:
    // Bound to the absolute path of `fileName`, so a later change of the
    // current directory never redirects Save to another file.
    explicit TIniModel(const QString &fileName);

    const QString &fileName() const { return m_fileName; }
    const QList<TIniSection> &sections() const { return m_sections; }
    // The encoding the file was read in and is written back in.
    const TextEncoding &encoding() const { return m_encoding; }

    // Whether the text shown and written is the file's own (from the next
    // load on) or the rebuilt one.
    bool keepsLayout() const { return m_keepLayout; }
    void setKeepLayout(bool keep) { m_keepLayout = keep; }
    // Whether the rebuilt text of the file last read in the default way
    // differed from the file's own text only in line ends.
    bool readInNormalForm() const { return m_readInNormalForm; }

    // Whether the content changed since the file was read or last written.
    bool isModified() const { return m_modified; }
    // Whether another program changed the file since it was read or last written.
    bool changedOnDisk() const { return m_stamp.changedOnDisk(); }
    // `bytes` were just written to this model's file, by writeFile or by
    // Save As onto it: no other program's change.
    void noteFileWritten(const QByteArray &bytes);

    // Reads the bound file; raises FileOpenError with the path and the reason.
    void loadFromFile();
    // Replaces the content by the lines of `text` (ended by CR LF, CR or LF).
    // Keeping the layout, `text` becomes the file's text with the line end
    // the file used.
    void loadText(QString text);

    // The text a document shows: the file's own keeping the layout, else
    // the rebuilt text; lines separated by "\n".
    QString shownText() const;
    // The lines of the shown text changed by write() since last taken.
    std::vector<TLineEdit> takeLineEdits();

    // "[name]", the section's lines, one empty line; each line followed by `lineEnd`.
    QString rebuiltText(QStringView lineEnd) const;
    // Replaces the bound file by the rebuilt text with CR LF line ends (or,
    // keeping the layout, by its own text), in the file's encoding; raises
    // FileCreateError.
    void writeFile();

    // Sets key=value in the last section named `section` (ignoring case),
    // replacing the last line of that key or appending one; a missing
    // section is appended. The file on disk is not touched.
    void write(const QString &section, const QString &key, const QString &value);
    // Where write(section, key, ...) would put its line now.
    TIniKeyPlace placeOfKey(const QString &section, const QString &key) const;

private:
    using UpperKeys = QList<std::optional<QString>>; // one per line, none for a line without "="

    void loadKeepingLayout(QString text);
    void writeKeepingLayout(const QString &section, const QString &key, const QString &value);
    void appendSectionKeepingLayout(const QString &section, const QString &entry, const QLocale &locale);
    void moveShownLinesAfter(qsizetype line);
    std::optional<qsizetype> lastSectionNamed(const QString &section, const QLocale &locale);
    qsizetype sectionIndexForWriting(const QString &section, const QLocale &locale);
    UpperKeys &upperKeysOf(qsizetype sectionIndex, const QLocale &locale);

    QString m_fileName;
    QList<TIniSection> m_sections;
    TextEncoding m_encoding; // UTF-8 for a file not read yet
    bool m_modified = false;
    bool m_keepLayout = false;
    bool m_readInNormalForm = true;
    std::optional<TLayoutText> m_layout; // the file's own text, while keeping the layout
    TFileStamp m_stamp; // of the bytes last read or written
    // The names write() compares, upper-cased by the user's locale once:
    // made when write() first needs them and kept in step with the
    // sections; the keys only of the sections written into.
    QStringList m_upperSectionNames;
    QHash<qsizetype, UpperKeys> m_upperKeys;
};
