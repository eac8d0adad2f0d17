#include "flags/FlagWordMeaning.h"

#include "flags/FlagWord.h"

#include <QStringList>

QString FlagWordMeaning(const TIncludeSource &source)
{
    const std::optional<quint32> read = MaskOfText(source.flagWordHex);
    if (!read)
        return QString();
    const quint32 word = *read;
    QStringList parts;
    for (const TNamedIncludeRow &row : NamedIncludeRows(source)) {
        if (const std::optional<TFieldRun> run = FieldRunOfText(row.cells->hexValue)) {
            const quint32 value = FieldValueOf(word, *run);
            const TFieldValue *named = NamedFieldValue(row.cells->fieldValues, value);
            parts << row.name + QStringLiteral(" = ") +
                         (named && !named->name.isEmpty() ? named->name : QString::number(value));
            continue;
        }
        if (word & MaskOfText(row.cells->hexValue).value_or(0))
            parts << row.name;
    }
    return parts.join(QStringLiteral(" | "));
}
