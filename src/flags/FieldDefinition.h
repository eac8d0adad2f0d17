#pragma once

#include "flags/BitField.h"

#include <QList>
#include <QString>
#include <variant>

// What the field dialog defines: where the field lies, its name and its
// named values (in number order).
struct TFieldDefinition
{
    TFieldRun run;
    QString name;
    QList<TFieldValue> values;
};

// One row of the dialog's table of values, as typed.
struct TFieldValueTexts
{
    QString number;
    QString name;
    QString description;
};

// The definition, or why it is refused: a field beyond bit 31, a number
// that is no decimal number or beyond the field's width, a value without
// a name or with ";" or a line break in it, a number named twice. Rows
// left empty are skipped.
std::variant<TFieldDefinition, QString> ReadFieldDefinition(TFieldRun run, const QString &name,
                                                            const QList<TFieldValueTexts> &rows);
