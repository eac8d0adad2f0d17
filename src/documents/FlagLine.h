#pragma once

#include <QString>
#include <functional>
#include <optional>

// A flag line of an INI document's text, as shown: key "=" hex text,
// optionally "," and prefix, optionally ";" and note, for example
// "Flags=$0000A001,bf;Read and write".
struct TFlagLine
{
    QString key; // the text before the first "=", blanks included
    QString valuePart; // after the "=", up to the first ";"
    QString note; // after that ";" (may hold ";" and ","); empty without one
};

// The parts of a line that holds "=$"; nothing for any other line.
std::optional<TFlagLine> SplitFlagLine(const QString &line);

// The hex text and the prefix of a value part: before and after its
// first ","; the prefix is empty without one.
std::pair<QString, QString> SplitValuePart(const QString &valuePart);

// A flag word found in a document's text: its line's parts and the name of
// the section above it.
struct TFlagWordLocation
{
    TFlagLine line;
    QString section;
};

// The flag word of line `lineNumber`. The section header is the nearest
// line at or above it whose first character is "[" and which does not
// begin with the key; its name runs from the second character to the
// first "]". Nothing when the line holds no "=$", or the section name or
// the key is empty, or the value part has 8 characters or fewer.
std::optional<TFlagWordLocation> FindFlagWord(const std::function<QString(int)> &lineAt, int lineNumber);
