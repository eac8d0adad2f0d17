#include "flags/BitFrames.h"

#include "flags/BitTableUndo.h"
#include "flags/FlagValueField.h"
#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/TextColumn.h"
#include "platform/CommandGuard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QUndoStack>
#include <utility>

TBitFrame::UndoStep::UndoStep(TBitFrame &frame)
    : m_frame(frame)
{
    if (m_frame.m_undoDepth++ == 0)
        m_frame.m_stepBefore = m_frame.captureState();
}

TBitFrame::UndoStep::~UndoStep()
{
    if (--m_frame.m_undoDepth == 0 && m_frame.m_stepBefore)
        m_frame.recordUndoStep(*std::exchange(m_frame.m_stepBefore, std::nullopt));
}

void TBitFrame::createUndoCommands()
{
    PopupBits->addSeparator();
    const auto item = [this](const QString &name, const QString &caption, const QList<QKeySequence> &keys) {
        QAction *action = addMenuItem(PopupBits, name, caption);
        action->setShortcuts(keys);
        // The keys work wherever the focus is inside the frame.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setEnabled(false);
        addAction(action);
        return action;
    };
    MI_BF_Undo = item(QStringLiteral("MI_BF_Undo"), QStringLiteral("&Undo"), UndoKeys());
    MI_BF_Redo = item(QStringLiteral("MI_BF_Redo"), QStringLiteral("&Redo"), RedoKeys());
    connect(m_undoStack, &QUndoStack::canUndoChanged, MI_BF_Undo, &QAction::setEnabled);
    connect(m_undoStack, &QUndoStack::canRedoChanged, MI_BF_Redo, &QAction::setEnabled);
    connect(MI_BF_Undo, &QAction::triggered, this, [this] { runCommand(this, [this] { MI_BF_UndoClick(); }); });
    connect(MI_BF_Redo, &QAction::triggered, this, [this] { runCommand(this, [this] { MI_BF_RedoClick(); }); });

    // A line edit undoes its own typing first; with none, the keys undo
    // the table. An editable combo box keeps the focus and hands keys to
    // its line edit past any filter, so the filter watches the box.
    auto *passage = new TUndoKeyPassage(this);
    for (QWidget *edit : {static_cast<QWidget *>(EDT_Value), static_cast<QWidget *>(CBX_Section),
                          static_cast<QWidget *>(CBX_Label)})
        edit->installEventFilter(passage);

    // A tick or an edited cell is one step: the grid asks before it stores
    // the user's edit and reports after it.
    GridBits->OnEditAccept = [this](TCustomCellGrid *, int, int, const QString &, bool &) {
        m_gridEditBefore = captureState();
    };
    GridBits->OnAfterEdit = [this](TCustomCellGrid *, int, int, const QString &) {
        if (m_gridEditBefore)
            recordUndoStep(*std::exchange(m_gridEditBefore, std::nullopt));
    };
}

// A name still being typed is stored first, as a step of its own.
void TBitFrame::MI_BF_UndoClick()
{
    GridBits->ApplyEditing();
    m_undoStack->undo();
}

void TBitFrame::MI_BF_RedoClick()
{
    GridBits->ApplyEditing();
    m_undoStack->redo();
}

void TBitFrame::recordUndoStep(const TBitTableState &before)
{
    if (m_undoDepth > 0)
        return; // part of the step around it
    TBitTableState after = captureState();
    if (after != before)
        m_undoStack->push(new TBitTableCommand(*this, before, std::move(after)));
}

TBitTableState TBitFrame::captureState() const
{
    TBitTableState state;
    state.rows.reserve(GridBits->RowCount());
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        state.rows.append({GridBits->Cell(ColBit->Index(), row).AsBoolean(), maskText(row),
                           GridBits->Cells(ColMask->Index(), row), GridBits->Cells(ColLabel->Index(), row)});
    }
    state.fieldNames = m_fieldNames;
    state.hexValue = m_hexValue;
    state.bottomUp = m_bottomUp;
    state.flagFileBase = m_flagFileBase;
    state.caption = GB_BitFrame->title();
    const QComboBox *combos[] = {CBX_Section, CBX_Label, CBX_Prefix};
    for (std::size_t i = 0; i < state.choices.size(); ++i)
        state.choices[i] = {combos[i]->currentIndex(), combos[i]->currentText()};
    return state;
}

void TBitFrame::restoreState(const TBitTableState &state, TBitTableParts parts)
{
    {
        RecalculationBatch batch(*this);
        if (parts.table) {
            m_fieldNames = state.fieldNames;
            m_fieldBits = state.hexValue;
            writeRows(state.rows);
        }
        if (parts.order) {
            m_bottomUp = state.bottomUp;
            CHB_Bottom->setChecked(state.bottomUp);
        }
        if (parts.table || parts.order)
            ShadeRowGroups();
    }
    if (parts.files) {
        m_flagFileBase = state.flagFileBase;
        GB_BitFrame->setTitle(state.caption);
    }
    if (parts.choices) {
        QComboBox *combos[] = {CBX_Section, CBX_Label, CBX_Prefix};
        for (std::size_t i = 0; i < state.choices.size(); ++i) {
            combos[i]->setCurrentIndex(state.choices[i].index);
            combos[i]->setEditText(state.choices[i].text);
        }
    }
    // The word as it was, also in a table without rows.
    showFlagWord(state.hexValue);
    GridBits->Update();
}

void TBitFrame::writeRows(const QList<TBitRowState> &rows)
{
    RecalculationBatch batch(*this);
    GridBits->SetRowCount(int(rows.size()));
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        const TBitRowState &cells = rows[row];
        GridBits->Cell(ColBit->Index(), row).SetAsBoolean(cells.ticked);
        GridBits->SetCells(ColHex->Index(), row, cells.mask);
        GridBits->SetCells(ColMask->Index(), row, cells.name);
        GridBits->SetCells(ColLabel->Index(), row, cells.usedFor);
    }
}
