#include "flags/BitFrames.h"

#include "flags/BinaryWordStrip.h"
#include "flags/FieldRows.h"
#include "flags/FlagWord.h"
#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/TextColumn.h"
#include "util/ProfileFile.h"

#include <QFontMetrics>
#include <algorithm>
#include <bit>

namespace {

// Room beside a value's text in the tick column, pixels.
constexpr int captionMargin = 8;

// The key of the field's value in its section: no number, so it names no
// value, and copies that know no such key pass over it.
const QString valueKey = QStringLiteral("Value");

} // namespace

std::optional<TFieldRun> TBitFrame::FieldRunOfRow(int row) const
{
    return FieldRunOfText(maskText(row));
}

std::optional<int> TBitFrame::lowestBitOfRow(int row) const
{
    const quint32 mask = MaskOfText(maskText(row)).value_or(0);
    return mask == 0 ? std::nullopt : std::optional<int>(std::countr_zero(mask));
}

bool TBitFrame::hasFieldRow() const
{
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        if (isFieldRow(row))
            return true;
    }
    return false;
}

void TBitFrame::SetFieldValue(int row, quint32 value)
{
    const std::optional<TFieldRun> run = FieldRunOfRow(row);
    if (!run)
        return;
    UndoStep step(*this);
    m_fieldBits = (m_fieldBits & ~FieldMask(*run)) | FieldBits(value, *run);
    {
        RecalculationBatch batch(*this);
        GridBits->Cell(ColBit->Index(), row).SetAsBoolean(FieldBits(value, *run) != 0);
    }
    GridBitsChange();
    GridBits->Update();
}

bool TBitFrame::MakeField(TFieldRun run, const QString &name, const QList<TFieldValue> &values,
                          std::optional<int> edited)
{
    QList<TBitRowState> before = captureState().rows;
    QString description;
    quint32 replaced = FieldMask(run);
    if (const std::optional<TFieldRun> old = edited ? FieldRunOfRow(*edited) : std::nullopt) {
        // The field edited may narrow or move: its bits become rows of their
        // own first, its name and description going to the new field.
        description = before[*edited].usedFor;
        before = RowsWithFieldSplit(before, *edited, m_bottomUp, m_hexValue);
        before[*edited].name.clear();
        before[*edited].usedFor.clear();
        replaced |= FieldMask(*old);
    }
    const std::optional<QList<TBitRowState>> rows = RowsWithField(before, run, name, description, m_hexValue);
    if (!rows)
        return false;
    UndoStep step(*this);
    const quint32 mask = FieldMask(run);
    // The named values of fields that joined this one, or that it was, go.
    for (auto it = m_fieldNames.begin(); it != m_fieldNames.end();)
        it = (it.key() & replaced) ? m_fieldNames.erase(it) : std::next(it);
    if (!values.isEmpty())
        m_fieldNames.insert(mask, values);
    m_fieldBits = m_hexValue;
    {
        RecalculationBatch batch(*this);
        writeRows(*rows);
        ShadeRowGroups();
    }
    GridBitsChange();
    GridBits->Update();
    return true;
}

void TBitFrame::SplitField(int row)
{
    const std::optional<TFieldRun> run = FieldRunOfRow(row);
    if (!run)
        return;
    UndoStep step(*this);
    m_fieldNames.remove(FieldMask(*run));
    {
        RecalculationBatch batch(*this);
        writeRows(RowsWithFieldSplit(captureState().rows, row, m_bottomUp, m_hexValue));
        ShadeRowGroups();
    }
    GridBitsChange();
    GridBits->Update();
}

void TBitFrame::mirrorRows()
{
    QList<TBitRowState> rows = captureState().rows;
    TFieldValueNames names;
    quint32 word = 0;
    for (TBitRowState &row : rows) {
        const std::optional<quint32> read = MaskOfText(row.mask);
        if (!read)
            continue; // a mask that is no number names no bit, in either order
        const quint32 mask = *read;
        const quint32 mirrored = ReverseBits32(mask);
        if (const std::optional<TFieldRun> run = FieldRunOf(mask)) {
            // A field keeps its value, not the mirror of its bits.
            const quint32 bits = FieldBits(FieldValueOf(m_hexValue, *run), *FieldRunOf(mirrored));
            word |= bits;
            row.ticked = bits != 0;
            if (m_fieldNames.contains(mask))
                names.insert(mirrored, m_fieldNames.value(mask));
        } else if (row.ticked) {
            word |= mirrored;
        }
        row.mask = HexDigits8(mirrored);
    }
    m_fieldNames = names;
    m_fieldBits = word;
    writeRows(rows);
}

void TBitFrame::showFieldValues()
{
    RecalculationBatch batch(*this);
    // Measured bold: the selected row's text is drawn so.
    QFont font = ColBit->Font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    int widest = 0;
    QList<quint32> fieldMasks;
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        const std::optional<TFieldRun> run = FieldRunOfRow(row);
        if (run)
            fieldMasks << FieldMask(*run);
        const QString caption =
            run ? FieldValueText(FieldValueOf(m_hexValue, *run), m_fieldNames.value(FieldMask(*run))) : QString();
        TCell &cell = GridBits->Cell(ColBit->Index(), row);
        if (cell.Caption() != caption)
            cell.SetCaption(caption);
        widest = std::max(widest, metrics.horizontalAdvance(caption));
    }
    BinaryWord->SetFieldMasks(fieldMasks);
    if (fieldMasks.isEmpty()) {
        restoreBitColumnWidth();
    } else if (widest + captionMargin > ColBit->Width()) {
        if (!m_bitColumnWidth)
            m_bitColumnWidth = ColBit->Width();
        ColBit->SetWidth(widest + captionMargin);
    }
}

void TBitFrame::restoreBitColumnWidth()
{
    if (m_bitColumnWidth)
        ColBit->SetWidth(*m_bitColumnWidth);
    m_bitColumnWidth.reset();
}

void TBitFrame::loadFieldValueNames(const QString &settingsFile)
{
    const TProfileSnapshot settings{TProfileFile(settingsFile)};
    m_fieldNames.clear();
    m_fieldBits = 0;
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        const std::optional<TFieldRun> run = FieldRunOfRow(row);
        if (!run)
            continue;
        const quint32 mask = FieldMask(*run);
        const QString section = FieldSectionName(mask);
        // The table file keeps only a tick per row; the settings file the
        // value, when it agrees with the tick. Without it a ticked field
        // holds all its bits.
        const bool ticked = GridBits->Cell(ColBit->Index(), row).AsBoolean();
        bool isNumber = false;
        const quint32 stored = settings.ReadString(section, valueKey, QString()).toUInt(&isNumber, 10);
        if (isNumber && (FieldBits(stored, *run) != 0) == ticked)
            m_fieldBits |= FieldBits(stored, *run);
        else if (ticked)
            m_fieldBits |= mask;
        QList<TFieldValue> values;
        for (const QString &key : settings.Keys(section)) {
            const std::optional<TFieldValue> value = ReadFieldValue(key, settings.ReadString(section, key, QString()));
            if (value && !NamedFieldValue(values, value->number))
                values << *value;
        }
        SortFieldValues(values);
        if (!values.isEmpty())
            m_fieldNames.insert(mask, values);
    }
}

void TBitFrame::storeFieldValueNames(const QString &settingsFile) const
{
    // Every field's section is written anew; those of fields split or moved
    // go. A table that never had a field leaves the file untouched.
    TProfileFile(settingsFile).Edit([this](TProfileText &text) {
        for (const QString &section : text.sections()) {
            if (IsFieldSectionName(section))
                text.removeSection(section);
        }
        for (int row = 0; row < GridBits->RowCount(); ++row) {
            const std::optional<TFieldRun> run = FieldRunOfRow(row);
            if (!run)
                continue;
            const QString section = FieldSectionName(FieldMask(*run));
            for (const TFieldValue &value : m_fieldNames.value(FieldMask(*run)))
                text.setValue(section, FieldValueKey(value), FieldValueEntry(value));
            text.setValue(section, valueKey, QString::number(FieldValueOf(m_hexValue, *run)));
        }
    });
}
