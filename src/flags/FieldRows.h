#pragma once

#include "flags/BitField.h"
#include "flags/BitTableUndo.h"

#include <QList>
#include <optional>

// Making and splitting fields on the rows of a bit table, apart from any
// window. A row's tick follows the word: set when the word holds a bit of
// its mask.

// The rows with the rows of the run's bits made one field row, placed where
// the first of them stood, with the first of their names and descriptions
// (or `name` and `description` when they are not empty). Every row whose
// mask lies inside the run joins it; nothing when a row holds bits both
// inside and outside the run, or when the rows inside do not hold every bit
// of it.
std::optional<QList<TBitRowState>> RowsWithField(const QList<TBitRowState> &rows, TFieldRun run,
                                                 const QString &name, const QString &description, quint32 word);

// The rows with the field row replaced by one row per bit, in the table's
// order (the most significant bit first unless bottomUp); the first keeps
// the field's name and description.
QList<TBitRowState> RowsWithFieldSplit(const QList<TBitRowState> &rows, int row, bool bottomUp, quint32 word);
