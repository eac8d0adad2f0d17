#pragma once

#include <QString>
#include <optional>

enum class SearchDirection { Forward, Backward };

// Where a search found its text; `wrapped` when it went on from the other
// end of the text to get there.
struct TTextMatch
{
    qsizetype position = 0;
    bool wrapped = false;
};

// Finds `needle` in `text` after the selection [selectionStart,
// selectionEnd) going forward, or starting before it going backward, and
// goes on from the other end when that part of the text holds none. An
// empty needle finds nothing.
std::optional<TTextMatch> FindText(QStringView text, QStringView needle, qsizetype selectionStart,
                                   qsizetype selectionEnd, SearchDirection direction, Qt::CaseSensitivity matchCase);
