// The flag-line split against a plain reference: key before the first
// "=", value part up to the next ";", the note after it.
#include "FuzzSupport.h"

#include "documents/FlagLine.h"
#include "platform/TextCodec.h"

#include <QStringList>

namespace {

std::optional<TFlagLine> referenceSplit(const QString &line)
{
    if (!line.contains(QStringLiteral("=$")))
        return std::nullopt;
    const qsizetype equals = line.indexOf(u'=');
    const QString rest = line.mid(equals + 1);
    const qsizetype semicolon = rest.indexOf(u';');
    return TFlagLine{line.left(equals), semicolon < 0 ? rest : rest.left(semicolon),
                     semicolon < 0 ? QString() : rest.mid(semicolon + 1)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = decodeText(fuzzInput(data, size)).text.split(u'\n');
    const std::optional<TFlagLine> split = SplitFlagLine(lines.last());
    const std::optional<TFlagLine> expected = referenceSplit(lines.last());
    require(split.has_value() == expected.has_value(), "a flag line is one that holds =$");
    if (split) {
        require(split->key == expected->key && split->valuePart == expected->valuePart &&
                    split->note == expected->note,
                "the split agrees with the reference");
    }
    const auto found = FindFlagWord([&lines](int line) { return lines.value(line); }, int(lines.size()) - 1);
    if (found) {
        require(!found->section.isEmpty() && !found->line.key.isEmpty() && found->line.valuePart.size() > 8,
                "an opened flag word has a section, a key and a hex text");
    }
    return 0;
}
