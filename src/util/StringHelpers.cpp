#include "util/StringHelpers.h"

#include <algorithm>

namespace {

bool isAsciiUpper(QChar ch)
{
    return ch >= u'A' && ch <= u'Z';
}

bool isAsciiLower(QChar ch)
{
    return ch >= u'a' && ch <= u'z';
}

// Distance between an ASCII capital and its small letter.
constexpr char16_t caseOffset = u'a' - u'A';

} // namespace

QString TrimBlanks(const QString &text)
{
    const QStringView trimmed = TrimBlanksView(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QString CapitalizeFirst(const QString &text)
{
    QString result = text;
    for (QChar &ch : result) {
        if (isAsciiUpper(ch))
            ch = QChar(char16_t(ch.unicode() + caseOffset));
    }
    if (!result.isEmpty() && isAsciiLower(result[0]))
        result[0] = QChar(char16_t(result[0].unicode() - caseOffset));
    return result;
}

QString SplitOffAtAny(const QString &separators, QString &source)
{
    if (separators.isEmpty())
        return QString();
    for (QChar separator : separators) {
        const qsizetype cut = source.indexOf(separator);
        if (cut < 0)
            continue;
        QString head = source.first(cut);
        source = source.sliced(cut + 1);
        return head;
    }
    QString head = source;
    source.clear();
    return head;
}

QString TextBeforeAny(const QString &separators, const QString &text)
{
    QString copy = text;
    return SplitOffAtAny(separators, copy);
}

QString ReverseText(const QString &text)
{
    QString result = text;
    std::reverse(result.begin(), result.end());
    return result;
}

QString HexDigitsOnly(const QString &text)
{
    QString result;
    for (QChar ch : text) {
        if (HexDigitValue(ch))
            result.append(ch);
    }
    return result;
}

QString TextBeforeFirstDot(const QString &text)
{
    const qsizetype dot = text.indexOf(u'.');
    return dot < 0 ? text : text.first(dot);
}

QString ShortText(const QString &text)
{
    return text.first(qMin(text.size(), ShortTextLength));
}

std::optional<int> HexDigitValue(QChar ch)
{
    if (ch >= u'0' && ch <= u'9')
        return ch.unicode() - u'0';
    if (ch >= u'A' && ch <= u'F')
        return ch.unicode() - u'A' + 10;
    if (ch >= u'a' && ch <= u'f')
        return ch.unicode() - u'a' + 10;
    return std::nullopt;
}
