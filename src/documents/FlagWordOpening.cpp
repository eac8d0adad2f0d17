#include "documents/FlagWordOpening.h"

#include "documents/FlagLine.h"
#include "flags/BitDefinitionFiles.h"
#include "flags/BitFrames.h"
#include "flags/FlagWordMeaning.h"
#include "platform/Errors.h"
#include "util/PathHelpers.h"
#include "util/StringHelpers.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString baseNameOf(const QString &documentTitle)
{
    return CapitalizeFirst(BaseNameWithoutSuffix(documentTitle));
}

QString pairNameOf(const QString &documentTitle, const TFlagWordLocation &flagWord)
{
    return FlagFilesName(baseNameOf(documentTitle), CapitalizeFirst(flagWord.section), CapitalizeFirst(flagWord.line.key));
}

} // namespace

QString FlagWordTitle(const QString &documentTitle, const TFlagWordLocation &flagWord)
{
    return baseNameOf(documentTitle) + u' ' + CapitalizeFirst(flagWord.section) + u' ' +
           CapitalizeFirst(flagWord.line.key);
}

void OpenFlagWordInFrame(TBitFrame &frame, const QString &documentTitle, const TFlagWordLocation &flagWord,
                         const QString &pairFolder)
{
    const QString base = baseNameOf(documentTitle);
    const QString section = CapitalizeFirst(flagWord.section);
    const QString key = CapitalizeFirst(flagWord.line.key);
    frame.SetSection(section);
    frame.SetFlagLabel(key);
    frame.SetIniBaseName(base);
    frame.SetFlagNote(flagWord.line.note);
    const auto [hexText, prefix] = SplitValuePart(flagWord.line.valuePart);
    const QString pairName = pairNameOf(documentTitle, flagWord);
    frame.LoadFlagFiles(pairFolder.isEmpty() ? pairName : QDir(pairFolder).filePath(pairName));
    frame.SetFlagPrefix(prefix);
    frame.SetFlagHexA(hexText);
}

QString FlagWordMeaningOf(const QString &documentTitle, const TFlagWordLocation &flagWord)
{
    if (!QFileInfo(TableFileName(FullPath(pairNameOf(documentTitle, flagWord)))).isFile())
        return QString();
    // A frame as the double click opens it, never shown.
    TBitFrame frame;
    try {
        OpenFlagWordInFrame(frame, documentTitle, flagWord);
    } catch (const TarvexError &) {
        return QString();
    }
    return FlagWordMeaning(frame.IncludeSource());
}
