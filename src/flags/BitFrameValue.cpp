#include "flags/BitFrames.h"

#include "flags/BinaryWordStrip.h"
#include "flags/FlagValueField.h"
#include "flags/FlagWord.h"
#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/TextColumn.h"
#include "platform/CommandGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>

namespace {

// Room for "$" and 8 digits in the field's font.
constexpr int shownCharacters = 10;

} // namespace

// The value field closes the top strip; the binary strip goes below the
// table, which is wider than it.
void TBitFrame::createValueControls()
{
    GB_Value = new QGroupBox(QStringLiteral("Value"), Panel1);
    GB_Value->setObjectName(QStringLiteral("GB_Value"));
    EDT_Value = new TFlagValueField(GB_Value);
    EDT_Value->setObjectName(QStringLiteral("EDT_Value"));
    EDT_Value->setAccessibleName(GB_Value->title());
    EDT_Value->setFont(ColHex->Font());
    EDT_Value->setMinimumWidth(EDT_Value->fontMetrics().horizontalAdvance(u'0') * shownCharacters);
    auto *layout = new QHBoxLayout(GB_Value);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(EDT_Value);
    static_cast<QHBoxLayout *>(Panel1->layout())->addWidget(GB_Value, 2);
    EDT_Value->OnEnter = [this](quint32 word) { runCommand(this, [this, word] { EDT_ValueEnter(word); }); };

    BinaryWord = new TBinaryWordStrip(GB_BitFrame);
    BinaryWord->setObjectName(QStringLiteral("BinaryWord"));
    BinaryWord->setAccessibleName(QStringLiteral("Binary"));
    BinaryWord->setFont(ColHex->Font());
    BinaryWord->setToolTip(QStringLiteral("The flag word in binary: click a bit to tick or untick its row"));
    BinaryWord->OnBitClick = [this](int bit) { runCommand(this, [this, bit] { BinaryWordClick(bit); }); };

    setTabOrder(CBX_Section, CBX_Label);
    setTabOrder(CBX_Label, CBX_Prefix);
    setTabOrder(CBX_Prefix, CHB_Bottom);
    setTabOrder(CHB_Bottom, EDT_Value);
    setTabOrder(EDT_Value, GridBits);
}

// As writing FlagHexA: ticks, footers and OredFlag apply alike.
void TBitFrame::EDT_ValueEnter(quint32 word)
{
    SetFlagHexA(u'$' + HexDigits8(word));
}

// A bit of a field changes the field's value by that bit. Otherwise a "1"
// becomes "0": every ticked row whose mask holds that bit is unticked; a
// "0" becomes "1" as a click on the tick of the first row whose mask is
// that bit alone.
void TBitFrame::BinaryWordClick(int bit)
{
    GridBits->ApplyEditing();
    const quint32 single = quint32(1) << bit;
    const bool clearing = (m_hexValue & single) != 0;
    const int tick = ColBit->Index();
    UndoStep step(*this);
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        // A field's bit changes the field's value by that bit.
        if (const std::optional<TFieldRun> run = FieldRunOfRow(row); run && (FieldMask(*run) & single)) {
            GridBits->SetSelectedCell(tick, row);
            SetFieldValue(row, FieldValueOf(m_hexValue ^ single, *run));
            return;
        }
    }
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        // A mask that is no number names no bit.
        const quint32 mask = MaskOfText(maskText(row)).value_or(0);
        if (clearing ? !(mask & single) || !GridBits->Cell(tick, row).AsBoolean() : mask != single)
            continue;
        GridBits->SetSelectedCell(tick, row);
        if (GridBits->AcceptBeforeEdit(tick, row))
            GridBits->ToggleCheckBox(tick, row);
        if (!clearing)
            break;
    }
    GridBits->Update();
}
