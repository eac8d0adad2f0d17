#pragma once

#include <QStringView>

// Lines of a text ended by CR LF, CR or LF, as INI files are read.

// The position of the first CR or LF in `text` from `from` on, or its size.
qsizetype NextLineEnd(QStringView text, qsizetype from);

// Calls `take` with every line of `text` (ended by CR LF, CR or LF), as
// views into it; a text ending in a line end has an empty last line. A
// line's end is read before the line is taken, so `take` may write over both.
template<typename TakeLine>
void ForEachLine(QStringView text, TakeLine take)
{
    qsizetype start = 0;
    for (qsizetype pos = NextLineEnd(text, 0); pos < text.size(); pos = NextLineEnd(text, start)) {
        const bool crLf = text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n';
        take(text.sliced(start, pos - start));
        start = pos + (crLf ? 2 : 1);
    }
    take(text.sliced(start));
}
