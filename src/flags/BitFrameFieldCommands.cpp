#include "flags/BitFrames.h"

#include "flags/FieldDialog.h"
#include "flags/FlagWord.h"
#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/TextColumn.h"
#include "platform/CommandGuard.h"
#include "platform/Desktop.h"

#include <QKeyEvent>
#include <QMenu>
#include <algorithm>
#include <bit>
#include <climits>

void TBitFrame::createFieldCommands()
{
    MI_BF_Field = addMenuItem(PopupBits, QStringLiteral("MI_BF_Field"), QStringLiteral("&Field..."));
    MI_BF_SplitField = addMenuItem(PopupBits, QStringLiteral("MI_BF_SplitField"), QStringLiteral("Split fi&eld"));
    connect(PopupBits, &QMenu::aboutToShow, this,
            [this] { MI_BF_SplitField->setEnabled(isFieldRow(GridBits->SelectedRow())); });

    // A field row's tick cell shows its value: a click chooses another
    // instead of ticking, and so do Space and the toggle action of
    // assistive technology anywhere on the row.
    GridBits->OnBeforeEdit = [this](TCustomCellGrid *, int ACol, int ARow, bool &Accept) {
        if (ACol == ColBit->Index() && isFieldRow(ARow))
            Accept = false;
    };
    GridBits->OnToggleRequest = [this](TCustomCellGrid *, int, int ARow, bool &Handled) {
        Handled = isFieldRow(ARow);
        if (Handled)
            chooseFieldValue(ARow);
    };
    GridBits->OnCellClick = [this](TCustomCellGrid *, int ACol, int ARow) {
        if (ACol == ColBit->Index() && isFieldRow(ARow))
            runCommand(this, [this, ARow] { chooseFieldValue(ARow); });
    };
}

bool TBitFrame::fieldRowKey(const QKeyEvent &key)
{
    const int row = GridBits->SelectedRow();
    if (!isFieldRow(row) || GridBits->inplaceEditor())
        return false;
    const bool onValue = GridBits->SelectedColumn() == ColBit->Index() || GridBits->SelectedColumn() == ColHex->Index();
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (key.modifiers() & ~Qt::KeypadModifier)
        return false;
    if (enter && onValue) {
        runCommand(this, [this, row] { chooseFieldValue(row); });
        return true;
    }
    if (onValue && key.text().size() == 1 && key.text().front().isDigit()) {
        const int typed = key.text().front().digitValue();
        runCommand(this, [this, row, typed] { askFieldValue(row, typed); });
        return true;
    }
    return false;
}

void TBitFrame::chooseFieldValue(int row)
{
    const std::optional<TFieldRun> run = FieldRunOfRow(row);
    if (!run)
        return;
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupFieldValue"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const quint32 current = FieldValueOf(m_hexValue, *run);
    const QList<TFieldValue> values = m_fieldNames.value(FieldMask(*run));
    for (const TFieldValue &value : values) {
        QAction *choice = menu->addAction(FieldValueText(value.number, values));
        choice->setCheckable(true);
        choice->setChecked(value.number == current);
        const quint32 number = value.number;
        connect(choice, &QAction::triggered, this,
                [this, row, number] { runCommand(this, [this, row, number] { SetFieldValue(row, number); }); });
    }
    if (!values.isEmpty())
        menu->addSeparator();
    QAction *typed = menu->addAction(QStringLiteral("&Number..."));
    connect(typed, &QAction::triggered, this,
            [this, row, current] { runCommand(this, [this, row, current] { askFieldValue(row, int(current)); }); });
    const QRect cell = GridBits->gridGeometry().cellRect(ColBit->Index(), row);
    menu->popup(GridBits->viewport()->mapToGlobal(cell.isValid() ? cell.bottomLeft() : QPoint()));
}

void TBitFrame::askFieldValue(int row, int offered)
{
    const std::optional<TFieldRun> run = FieldRunOfRow(row);
    if (!run)
        return;
    // A number dialog counts in int: a field of 32 bits offers up to INT_MAX.
    const int maximum = int(std::min<quint32>(FieldMaximum(*run), INT_MAX));
    const QString name = GridBits->Cells(ColMask->Index(), row);
    const NumberRequest request{QStringLiteral("Field value"),
                                QStringLiteral("%1 (0 to %2):").arg(name.isEmpty() ? QStringLiteral("Value") : name).arg(maximum),
                                0, maximum, std::clamp(offered, 0, maximum)};
    const std::optional<int> chosen = desktop().askNumber(this, request);
    if (!chosen)
        return;
    if (*chosen < 0 || *chosen > maximum) {
        desktop().message(this, {MessageKind::Warning, ValueBeyondFieldText(quint64(*chosen), *run), {MessageButton::Ok}, {}});
        return;
    }
    SetFieldValue(row, quint32(*chosen));
}

void TBitFrame::MI_BF_FieldClick()
{
    GridBits->ApplyEditing();
    const int row = GridBits->SelectedRow();
    TFieldDefinition initial{{0, 2}, QString(), {}};
    std::optional<int> edited;
    if (row >= 0 && row < GridBits->RowCount()) {
        initial.name = GridBits->Cells(ColMask->Index(), row);
        if (const std::optional<TFieldRun> run = FieldRunOfRow(row)) {
            initial.run = *run;
            initial.values = m_fieldNames.value(FieldMask(*run));
            edited = row;
        } else {
            // A mask that is no number offers the lowest bits.
            const quint32 mask = MaskOfText(maskText(row)).value_or(0);
            if (std::has_single_bit(mask))
                initial.run.lowestBit = std::min(std::countr_zero(mask), 30);
        }
    }
    TFieldDialog dialog(this, initial);
    if (!desktop().runDialog(dialog))
        return;
    const TFieldDefinition &field = dialog.Definition();
    if (!MakeField(field.run, field.name, field.values, edited)) {
        const int highest = field.run.lowestBit + field.run.width - 1;
        desktop().message(this, {MessageKind::Warning,
                                 QStringLiteral("Bits %1 to %2 cannot become one field: a row holds bits inside and "
                                                "outside them, or one of them has no row")
                                     .arg(field.run.lowestBit)
                                     .arg(highest),
                                 {MessageButton::Ok},
                                 {}});
    }
}

void TBitFrame::MI_BF_SplitFieldClick()
{
    GridBits->ApplyEditing();
    SplitField(GridBits->SelectedRow());
}
