#include "flags/FieldRows.h"

#include "flags/FlagWord.h"

std::optional<QList<TBitRowState>> RowsWithField(const QList<TBitRowState> &rows, TFieldRun run,
                                                 const QString &name, const QString &description, quint32 word)
{
    const quint32 fieldMask = FieldMask(run);
    QList<TBitRowState> result;
    qsizetype fieldAt = -1;
    quint32 joined = 0;
    TBitRowState field{(word & fieldMask) != 0, HexDigits8(fieldMask), name, description};
    for (const TBitRowState &row : rows) {
        const std::optional<quint32> mask = MaskOfText(row.mask);
        if (!mask || *mask == 0 || (*mask & fieldMask) == 0) {
            result << row;
            continue;
        }
        if ((*mask & ~fieldMask) != 0)
            return std::nullopt;
        joined |= *mask;
        if (field.name.isEmpty())
            field.name = row.name;
        if (field.usedFor.isEmpty())
            field.usedFor = row.usedFor;
        if (fieldAt < 0) {
            fieldAt = result.size();
            result << row; // replaced below
        }
    }
    if (joined != fieldMask)
        return std::nullopt;
    result[fieldAt] = field;
    return result;
}

QList<TBitRowState> RowsWithFieldSplit(const QList<TBitRowState> &rows, int row, bool bottomUp, quint32 word)
{
    const std::optional<TFieldRun> run = FieldRunOfText(rows[row].mask);
    if (!run)
        return rows;
    QList<TBitRowState> result = rows.first(row);
    for (int i = 0; i < run->width; ++i) {
        const int bit = bottomUp ? run->lowestBit + i : run->lowestBit + run->width - 1 - i;
        const quint32 mask = quint32(1) << bit;
        result << TBitRowState{(word & mask) != 0, HexDigits8(mask), i == 0 ? rows[row].name : QString(),
                               i == 0 ? rows[row].usedFor : QString()};
    }
    result << rows.sliced(row + 1);
    return result;
}
