#include "documents/TextSearch.h"

std::optional<TTextMatch> FindText(QStringView text, QStringView needle, qsizetype selectionStart,
                                   qsizetype selectionEnd, SearchDirection direction, Qt::CaseSensitivity matchCase)
{
    if (needle.isEmpty())
        return std::nullopt;
    if (direction == SearchDirection::Forward) {
        // indexOf skips through the text (Boyer-Moore for longer needles),
        // so a match near the end of a large text is still found at once.
        if (const qsizetype found = text.indexOf(needle, selectionEnd, matchCase); found >= 0)
            return TTextMatch{found, false};
        if (const qsizetype found = text.indexOf(needle, 0, matchCase); found >= 0)
            return TTextMatch{found, true};
        return std::nullopt;
    }
    // lastIndexOf reads a negative start as counted from the end: before
    // the text's first character there is nothing to find.
    if (selectionStart > 0) {
        if (const qsizetype found = text.lastIndexOf(needle, selectionStart - 1, matchCase); found >= 0)
            return TTextMatch{found, false};
    }
    if (const qsizetype found = text.lastIndexOf(needle, text.size(), matchCase); found >= 0)
        return TTextMatch{found, true};
    return std::nullopt;
}
