#include "flags/FlagWordMeaning.h"

#include "flags/FlagWord.h"
#include "platform/Errors.h"

#include <QStringList>

QString FlagWordMeaning(const TIncludeSource &source)
{
    quint32 word = 0;
    try {
        word = ReadHexNumber(u'$' + source.flagWordHex);
    } catch (const ConversionError &) {
        return QString();
    }
    QStringList parts;
    for (const TNamedIncludeRow &row : NamedIncludeRows(source)) {
        if (const std::optional<TFieldRun> run = FieldRunOfText(row.cells->hexValue)) {
            const quint32 value = FieldValueOf(word, *run);
            const TFieldValue *named = NamedFieldValue(row.cells->fieldValues, value);
            parts << row.name + QStringLiteral(" = ") +
                         (named && !named->name.isEmpty() ? named->name : QString::number(value));
            continue;
        }
        try {
            if (word & ReadHexNumber(u'$' + row.cells->hexValue))
                parts << row.name;
        } catch (const ConversionError &) {
            // a mask that is no number names no bit
        }
    }
    return parts.join(QStringLiteral(" | "));
}
