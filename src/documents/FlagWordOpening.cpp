#include "documents/FlagWordOpening.h"

#include "documents/FlagLine.h"
#include "flags/BitDefinitionFiles.h"
#include "flags/BitFrames.h"
#include "util/PathHelpers.h"
#include "util/StringHelpers.h"

#include <QDir>

namespace {

QString baseNameOf(const QString &documentTitle)
{
    return CapitalizeFirst(BaseNameWithoutSuffix(documentTitle));
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
    const QString pairName = FlagFilesName(base, section, key);
    frame.LoadFlagFiles(pairFolder.isEmpty() ? pairName : QDir(pairFolder).filePath(pairName));
    frame.SetFlagPrefix(prefix);
    frame.SetFlagHexA(hexText);
}
