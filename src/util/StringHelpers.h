#pragma once

#include <QString>
#include <optional>

// Small text functions with the tie-breaks the rest of the system relies on.
// Blanks are the characters with codes 0 to 32; case changes touch only A-Z/a-z.
// None of them fails: every input, the empty text included, has a result.

// Removes blanks at both ends and nothing inside.
QString TrimBlanks(const QString &text);
// The same without a copy: the part of `text` between its end blanks.
// Inline, as loading a large INI file calls it a few times per line.
inline QStringView TrimBlanksView(QStringView text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first].unicode() <= 32)
        ++first;
    while (end > first && text[end - 1].unicode() <= 32)
        --end;
    return text.sliced(first, end - first);
}

// "hELLO wORLD" -> "Hello world": ASCII lower case, then the first a-z upper.
// "ÄBC" -> "Äbc": accented letters are never changed.
QString CapitalizeFirst(const QString &text);

// Cuts `source` at the first occurrence of the first separator of the set
// that occurs at all (the set's order decides, not the position). Returns
// the head; `source` keeps the text after the separator. No separator:
// the head is all of `source`, which becomes empty. Empty set: "" and
// `source` unchanged.
QString SplitOffAtAny(const QString &separators, QString &source);

// The head SplitOffAtAny would give, leaving `text` alone.
QString TextBeforeAny(const QString &separators, const QString &text);

QString ReverseText(const QString &text);

// Only 0-9, A-F, a-f, in order and case as given.
QString HexDigitsOnly(const QString &text);
// The value of a hexadecimal digit of either case; nothing for any other character.
std::optional<int> HexDigitValue(QChar ch);

// The text before its first "."; all of it when it has none.
QString TextBeforeFirstDot(const QString &text);

// Short texts hold at most 255 characters: longer ones are cut, not refused.
inline constexpr qsizetype ShortTextLength = 255;
QString ShortText(const QString &text);
