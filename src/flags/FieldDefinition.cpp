#include "flags/FieldDefinition.h"

#include "util/StringHelpers.h"

std::variant<TFieldDefinition, QString> ReadFieldDefinition(TFieldRun run, const QString &name,
                                                            const QList<TFieldValueTexts> &rows)
{
    if (run.width < 2 || run.lowestBit < 0 || run.lowestBit + run.width > 32)
        return QStringLiteral("A field of %1 bits from bit %2 does not fit in bits 0 to 31").arg(run.width).arg(run.lowestBit);
    TFieldDefinition definition{run, TrimBlanks(name), {}};
    for (const TFieldValueTexts &row : rows) {
        const QString number = TrimBlanks(row.number);
        const QString valueName = TrimBlanks(row.name);
        if (number.isEmpty() && valueName.isEmpty() && TrimBlanks(row.description).isEmpty())
            continue;
        bool isNumber = false;
        const quint32 value = number.toUInt(&isNumber, 10);
        if (!isNumber || number.startsWith(u'+'))
            return QStringLiteral("\"%1\" is not a decimal number").arg(number);
        if (value > FieldMaximum(run))
            return ValueBeyondFieldText(value, run);
        if (valueName.isEmpty())
            return QStringLiteral("Value %1 has no name").arg(value);
        // The settings file ends a name at ";" and a line at its break.
        if (valueName.contains(u';') || valueName.contains(u'\n') || valueName.contains(u'\r'))
            return QStringLiteral("The name of value %1 cannot hold \";\" or a line break").arg(value);
        if (NamedFieldValue(definition.values, value))
            return QStringLiteral("Value %1 is named twice").arg(value);
        definition.values << TFieldValue{value, valueName, TrimBlanks(row.description)};
    }
    SortFieldValues(definition.values);
    return definition;
}
