#include "flags/BitFrames.h"

#include "flags/BinaryWordStrip.h"
#include "flags/FlagValueField.h"
#include "flags/FlagWord.h"
#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/GridPalette.h"
#include "grid/TextColumn.h"
#include "util/StringHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

// How far the two row shades are lightened towards the window colour, so
// the texts on them stay readable.
constexpr float shadeLightening = 0.4f;

QColor lightened(const QColor &color)
{
    const QColor window = GridPalette::window();
    const auto mix = [](float from, float to) { return from + (to - from) * shadeLightening; };
    return QColor::fromRgbF(mix(color.redF(), window.redF()), mix(color.greenF(), window.greenF()),
                            mix(color.blueF(), window.blueF()));
}

// The platform's colours for an active window border and for selected
// items: two clearly different backgrounds.
QColor rowShade(bool borderShade)
{
    return lightened(borderShade ? GridPalette::activeBorder() : GridPalette::highlight());
}

// The identity setters' rule: an empty text is ignored; any other is
// stored and shown in its combo box with no item selected.
void setIdentity(QString &field, QComboBox *combo, const QString &text)
{
    if (text.isEmpty())
        return;
    field = ShortText(text);
    combo->setCurrentIndex(-1);
    combo->setEditText(field);
}

} // namespace

TBitFrame::RecalculationBatch::RecalculationBatch(TBitFrame &frame)
    : m_frame(frame)
{
    ++m_frame.m_batchDepth;
}

TBitFrame::RecalculationBatch::~RecalculationBatch()
{
    if (--m_frame.m_batchDepth == 0 && m_frame.m_recalculationDue)
        m_frame.GridBitsChange();
}

TBitFrame::TBitFrame(QWidget *parent)
    : QFrame(parent)
    , GB_BitFrame(new QGroupBox(QStringLiteral("Flag Bit Configuration"), this))
    , Panel1(new QWidget(GB_BitFrame))
    , GridBits(new TCellGrid(GB_BitFrame))
    , PopupBits(new QMenu(this))
    , m_undoStack(new QUndoStack(this))
{
    setObjectName(QStringLiteral("BitFrame"));
    createTopStrip();
    createBitTable();
    createValueControls();
    createPopupMenu();
    createFieldCommands();
    createUndoCommands();
    createGridPrint();
    connectCommands();

    auto *inner = new QVBoxLayout(GB_BitFrame);
    inner->addWidget(Panel1);
    inner->addWidget(GridBits, 1);
    inner->addWidget(BinaryWord);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(GB_BitFrame);
    setFocusProxy(GridBits);

    FillMasks(false);
    ShadeRowGroups();
    ColHex->Footer().SetFormulaKind(fkNone);
}

TBitFrame::~TBitFrame() = default;

void TBitFrame::SetBottomUp(bool Value)
{
    UndoStep step(*this);
    m_bottomUp = Value;
    CHB_Bottom->setChecked(Value);
    RecalculationBatch batch(*this);
    if (!hasFieldRow()) {
        // Every row gets the mirror of its old mask, so re-applying the
        // mirrored word ticks exactly the rows that were ticked.
        const QString mirrored = ReversedHexText(m_flagHexA);
        FillMasks(Value);
        SetFlagHexA(mirrored);
    } else {
        mirrorRows();
    }
    ShadeRowGroups();
}

void TBitFrame::SetFlagHexA(const QString &Value)
{
    const std::optional<QString> text = HexTextToStore(Value);
    if (!text)
        return;
    UndoStep step(*this);
    m_flagHexA = *text;
    const quint32 word = ReadStoredHexNumber(Value);
    m_hexValue = word;
    showWordControls();
    RecalculationBatch batch(*this);
    quint32 held = 0;
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        const quint32 mask = ReadHexNumber(u'$' + maskText(row));
        held |= mask;
        if (FieldRunOf(mask)) {
            // A field takes the word's bits under its mask, or adds them.
            m_fieldBits = (m_oredFlag ? m_fieldBits : m_fieldBits & ~mask) | (word & mask);
            GridBits->Cell(ColBit->Index(), row).SetAsBoolean((m_fieldBits & mask) != 0);
        } else if (const std::optional<bool> tick = TickForFlagWord(word, mask, m_oredFlag)) {
            GridBits->Cell(ColBit->Index(), row).SetAsBoolean(*tick);
        }
    }
    // No tick can hold them, so the recalculated word, and Save Init, drop them.
    EDT_Value->ShowUnheldBits(word & ~held);
}

void TBitFrame::SetSection(const QString &Value)
{
    setIdentity(m_section, CBX_Section, Value);
}

void TBitFrame::SetFlagLabel(const QString &Value)
{
    setIdentity(m_flagLabel, CBX_Label, Value);
}

void TBitFrame::SetFlagPrefix(const QString &Value)
{
    setIdentity(m_flagPrefix, CBX_Prefix, Value);
}

void TBitFrame::SetFlagNote(const QString &Value)
{
    m_flagNote = ShortText(Value);
    ColLabel->Footer().SetCaption(m_flagNote);
}

void TBitFrame::SetIniBaseName(const QString &Value)
{
    m_iniBaseName = ShortText(Value);
}

void TBitFrame::GridBitsChange()
{
    if (m_batchDepth > 0) {
        m_recalculationDue = true;
        return;
    }
    m_recalculationDue = false;
    TFlagWordSum sum;
    quint32 fieldWord = 0;
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        if (const std::optional<TFieldRun> run = FieldRunOfRow(row))
            fieldWord |= m_fieldBits & FieldMask(*run);
        else
            sum.add(GridBits->Cell(ColBit->Index(), row).AsBoolean(), maskText(row));
    }
    showFlagWord(sum.value() | fieldWord);
}

void TBitFrame::showFlagWord(quint32 word)
{
    m_hexValue = word;
    m_flagHexA = u'$' + HexDigits8(m_hexValue);
    ColHex->Footer().SetCaption(HexDigits8(m_hexValue));
    ColMask->Footer().SetCaption(DecimalFooter(m_hexValue));
    showWordControls();
    showFieldValues();
    markDefinitionFindings();
}

void TBitFrame::showWordControls()
{
    EDT_Value->ShowWord(m_hexValue);
    BinaryWord->SetWord(m_hexValue);
}

void TBitFrame::FillMasks(bool bottomUp)
{
    RecalculationBatch batch(*this);
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        GridBits->Cell(ColBit->Index(), row).SetAsBoolean(false);
        GridBits->Cell(ColHex->Index(), row).SetAsString(StandardMask(row, bottomUp));
    }
}

void TBitFrame::ShadeRowGroups()
{
    RecalculationBatch batch(*this);
    bool borderShade = m_bottomUp;
    // A field row stands for several bits, so the rows no longer count
    // four to a digit: each row takes the shade of its lowest bit's digit.
    const bool byDigit = hasFieldRow();
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        if (row % 4 == 0)
            borderShade = !borderShade;
        const std::optional<int> lowestBit = byDigit ? lowestBitOfRow(row) : std::nullopt;
        const QColor shade = rowShade(lowestBit ? *lowestBit / 4 % 2 == 1 : borderShade);
        GridBits->Cell(ColBit->Index(), row).SetColor(shade);
        GridBits->Cell(ColHex->Index(), row).SetColor(shade);
    }
}

void TBitFrame::ClearTable()
{
    UndoStep step(*this);
    RecalculationBatch batch(*this);
    const int rows = GridBits->StartRowCount();
    GridBits->ClearRows();
    GridBits->AddRow(rows);
    m_flagFileBase.clear();
    m_fieldNames.clear();
    m_fieldBits = 0;
    GB_BitFrame->setTitle(QString());
    FillMasks(m_bottomUp);
    ShadeRowGroups();
    ColHex->Footer().SetFormulaKind(fkNone);
}

QString TBitFrame::maskText(int row) const
{
    return GridBits->Cells(ColHex->Index(), row);
}
