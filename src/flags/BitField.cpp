#include "flags/BitField.h"

#include "flags/FlagWord.h"

#include <algorithm>
#include <bit>

std::optional<TFieldRun> FieldRunOf(quint32 mask)
{
    if (mask == 0)
        return std::nullopt;
    const int lowest = std::countr_zero(mask);
    const int width = std::popcount(mask);
    // Adjacent bits: shifted down, the mask is all ones.
    if (width < 2 || (mask >> lowest) != FieldMaximum({0, width}))
        return std::nullopt;
    return TFieldRun{lowest, width};
}

std::optional<TFieldRun> FieldRunOfText(const QString &maskText)
{
    const std::optional<quint32> mask = MaskOfText(maskText);
    return mask ? FieldRunOf(*mask) : std::nullopt;
}

quint32 FieldMaximum(TFieldRun run)
{
    return run.width >= 32 ? 0xFFFFFFFFu : (quint32(1) << run.width) - 1;
}

quint32 FieldMask(TFieldRun run)
{
    return FieldMaximum(run) << run.lowestBit;
}

quint32 FieldValueOf(quint32 word, TFieldRun run)
{
    return (word >> run.lowestBit) & FieldMaximum(run);
}

quint32 FieldBits(quint32 value, TFieldRun run)
{
    return (value & FieldMaximum(run)) << run.lowestBit;
}

QString ValueBeyondFieldText(quint64 value, TFieldRun run)
{
    return QStringLiteral("%1 does not fit in %2 bits: the values are 0 to %3")
        .arg(value)
        .arg(run.width)
        .arg(FieldMaximum(run));
}

void SortFieldValues(QList<TFieldValue> &values)
{
    std::sort(values.begin(), values.end(), [](const TFieldValue &a, const TFieldValue &b) { return a.number < b.number; });
}

const TFieldValue *NamedFieldValue(const QList<TFieldValue> &values, quint32 number)
{
    for (const TFieldValue &value : values) {
        if (value.number == number)
            return &value;
    }
    return nullptr;
}

QString FieldValueText(quint32 number, const QList<TFieldValue> &values)
{
    const TFieldValue *named = NamedFieldValue(values, number);
    return named && !named->name.isEmpty() ? QString::number(number) + u' ' + named->name : QString::number(number);
}

QString FieldSectionName(quint32 mask)
{
    return QStringLiteral("Field ") + HexDigits8(mask);
}

bool IsFieldSectionName(const QString &section)
{
    return section.startsWith(QStringLiteral("Field "), Qt::CaseInsensitive);
}

QString FieldValueKey(const TFieldValue &value)
{
    return QString::number(value.number);
}

QString FieldValueEntry(const TFieldValue &value)
{
    return value.description.isEmpty() ? value.name : value.name + u';' + value.description;
}

std::optional<TFieldValue> ReadFieldValue(const QString &key, const QString &entry)
{
    bool isNumber = false;
    const quint32 number = key.toUInt(&isNumber, 10);
    if (!isNumber || key.startsWith(u'+'))
        return std::nullopt;
    const qsizetype semicolon = entry.indexOf(u';');
    if (semicolon < 0)
        return TFieldValue{number, entry, QString()};
    return TFieldValue{number, entry.first(semicolon), entry.sliced(semicolon + 1)};
}
