#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>
#include <optional>

// A field: a row whose mask is a run of two or more adjacent bits. Its
// value is the word's bits under the mask, shifted down, 0 to 2^width - 1;
// some of its values can carry a name and a description.

struct TFieldValue
{
    quint32 number = 0;
    QString name;
    QString description;
    bool operator==(const TFieldValue &) const = default;
};

// The named values of the table's fields, by the field's mask.
using TFieldValueNames = QMap<quint32, QList<TFieldValue>>;

// Where a field lies: its lowest bit and its number of bits.
struct TFieldRun
{
    int lowestBit = 0;
    int width = 0;
    bool operator==(const TFieldRun &) const = default;
};

// The run of a mask of two or more adjacent bits; nothing for any other mask.
std::optional<TFieldRun> FieldRunOf(quint32 mask);
// The same for a mask text of the table; nothing for a text that is no number.
std::optional<TFieldRun> FieldRunOfText(const QString &maskText);
// The mask of bits lowestBit .. lowestBit + width - 1 (within 32 bits).
quint32 FieldMask(TFieldRun run);

// The largest value the field holds: 2^width - 1.
quint32 FieldMaximum(TFieldRun run);
// The word's bits under the field, shifted down.
quint32 FieldValueOf(quint32 word, TFieldRun run);
// The value shifted into place: what the word holds under the field.
quint32 FieldBits(quint32 value, TFieldRun run);

// Why a number is refused for the field: "4 does not fit in 2 bits: the
// values are 0 to 3".
QString ValueBeyondFieldText(quint64 value, TFieldRun run);

// The values in number order.
void SortFieldValues(QList<TFieldValue> &values);

// The named value of that number, if there is one.
const TFieldValue *NamedFieldValue(const QList<TFieldValue> &values, quint32 number);
// What the field row shows and prints: "2 Warnings", or "2" without a name.
QString FieldValueText(quint32 number, const QList<TFieldValue> &values);

// The settings file's section of a field: "Field 00000030".
QString FieldSectionName(quint32 mask);
// Whether a section's name is such a name: "Field " and anything.
bool IsFieldSectionName(const QString &section);
// A named value's key and text in that section: "2", "Warnings;Warnings and errors".
QString FieldValueKey(const TFieldValue &value);
QString FieldValueEntry(const TFieldValue &value);
// A key and its text read back; nothing when the key is no decimal number.
std::optional<TFieldValue> ReadFieldValue(const QString &key, const QString &entry);
