#include "util/PathHelpers.h"

#include "util/StringHelpers.h"

namespace {

constexpr QChar backslash = u'\\';
constexpr QChar slash = u'/';

bool isSeparator(QChar ch)
{
    return ch == backslash || ch == slash;
}

bool endsWithSeparator(const QString &text)
{
    return !text.isEmpty() && isSeparator(text.back());
}

// The separator the text uses last; "\" when it uses none.
QChar separatorStyleOf(const QString &text)
{
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (isSeparator(text[i]))
            return text[i];
    }
    return backslash;
}

// Every run of separators becomes its first character.
QString collapseSeparators(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (QChar ch : text) {
        if (!(isSeparator(ch) && endsWithSeparator(result)))
            result.append(ch);
    }
    return result;
}

// Index of the last "\", "/" or ":", or -1.
qsizetype lastFolderDelimiter(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path[i]) || path[i] == u':')
            return i;
    }
    return -1;
}

} // namespace

QString NormalizeDirectory(const QString &text)
{
    QString path = collapseSeparators(TrimBlanks(text));
    if (path.isEmpty())
        return path;
    // A dot marks the last component as a file name, even in a folder name.
    if (path.contains(u'.'))
        path = FolderPart(path);
    return WithTrailingBackslash(CleanPathText(path));
}

QString WithTrailingBackslash(const QString &text)
{
    return WithoutTrailingBackslashes(text) + separatorStyleOf(text);
}

QString WithoutTrailingBackslashes(const QString &text)
{
    QString path = TrimBlanks(text);
    while (endsWithSeparator(path))
        path.chop(1);
    return path;
}

QString CleanPathText(const QString &text)
{
    QString path = collapseSeparators(TrimBlanks(text));
    if (path.startsWith(backslash))
        path.remove(0, 1);
    // The leading "/" of an absolute path is no trailing separator, even alone.
    const qsizetype keep = path.startsWith(slash) ? 1 : 0;
    while (path.size() > keep && endsWithSeparator(path))
        path.chop(1);
    return path;
}

QString FolderPart(const QString &path)
{
    return path.first(lastFolderDelimiter(path) + 1);
}

QString FileNamePart(const QString &path)
{
    return path.sliced(lastFolderDelimiter(path) + 1);
}

QString BaseNameWithoutExtension(const QString &path)
{
    return TextBeforeFirstDot(FileNamePart(path));
}

QString BaseNameWithoutSuffix(const QString &path)
{
    // Reversed, the set "_-" finds the last underscore, and only without
    // one the last hyphen.
    QString reversed = ReverseText(BaseNameWithoutExtension(path));
    const QString suffix = SplitOffAtAny(QStringLiteral("_-"), reversed);
    if (reversed.isEmpty())
        reversed = ShortText(suffix);
    return ReverseText(reversed);
}
