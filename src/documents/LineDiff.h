#pragma once

#include <QStringView>
#include <vector>

// A part of one text to be replaced by a part of another, as positions.
struct TextChange
{
    qsizetype fromStart;
    qsizetype fromEnd;
    qsizetype toStart;
    qsizetype toEnd;

    bool operator==(const TextChange &) const = default;
};

// Where `to` differs from `from`, in whole lines ("\n" ends a line), in
// order: replacing each part of `from` by its part of `to` gives `to`.
// Several changed places are found apart, so that the lines between them
// are kept; when the texts differ in very many places, one change from the
// first differing line to the last stands for them all.
std::vector<TextChange> ChangedLines(QStringView from, QStringView to);
