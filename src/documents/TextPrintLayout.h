#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The font on the printer and the printable area, in device units.
struct TTextPrintMetrics
{
    int PageWidth = 0;
    int PageHeight = 0;
    int CharHeight = 0; // the font's character height
    int AverageCharWidth = 0;
    std::function<int(const QString &)> TextWidth;
};

// A piece of text and the top-left corner it is drawn from, with the
// origin at the top-left corner of the printable area.
struct TPrintedText
{
    QPoint Position;
    QString Text;
};

using TTextPrintPage = std::vector<TPrintedText>;

namespace TextPrintLayout {

// Places the lines as a plain text printer does: top-down from y = 0, a
// line too wide for the page broken between characters and continued on
// the next line at x = 0, tab stops every 8 average characters, and a new
// page when the next line would come too close to the bottom or when text
// would reach below it. A line with text is the text's height plus 2 high,
// a line without text the character height. Every page holds text.
std::vector<TTextPrintPage> compute(const QStringList &lines, const TTextPrintMetrics &metrics);

} // namespace TextPrintLayout
