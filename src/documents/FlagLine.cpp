#include "documents/FlagLine.h"

#include "util/StringHelpers.h"

namespace {

// "$" and 8 digits make 9 characters; "$A001" alone opens nothing.
constexpr qsizetype shortestValuePart = 9;

QString sectionNameOf(const QString &header)
{
    const qsizetype close = header.indexOf(u']');
    return close < 1 ? QString() : header.sliced(1, close - 1);
}

} // namespace

std::optional<TFlagLine> SplitFlagLine(const QString &line)
{
    if (!line.contains(QStringLiteral("=$")))
        return std::nullopt;
    TFlagLine parts;
    QString rest = line;
    parts.key = SplitOffAtAny(QStringLiteral("="), rest);
    parts.valuePart = SplitOffAtAny(QStringLiteral(";"), rest);
    parts.note = rest;
    return parts;
}

std::pair<QString, QString> SplitValuePart(const QString &valuePart)
{
    QString prefix = valuePart;
    const QString hexText = SplitOffAtAny(QStringLiteral(","), prefix);
    return {hexText, prefix};
}

std::optional<TFlagWordLocation> FindFlagWord(const std::function<QString(int)> &lineAt, int lineNumber)
{
    const std::optional<TFlagLine> line = SplitFlagLine(lineAt(lineNumber));
    if (!line)
        return std::nullopt;
    QString header;
    for (int number = lineNumber; number >= 0; --number) {
        const QString text = lineAt(number);
        if (!text.startsWith(line->key) && text.startsWith(u'[')) {
            header = text;
            break;
        }
    }
    TFlagWordLocation found{*line, sectionNameOf(header)};
    if (found.section.isEmpty() || line->key.isEmpty() || line->valuePart.size() < shortestValuePart)
        return std::nullopt;
    return found;
}
