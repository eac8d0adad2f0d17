#include "flags/BitTableUndo.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

TBitTableCommand::TBitTableCommand(TBitTableStates &frame, TBitTableState before, TBitTableState after)
    : m_frame(frame)
    , m_before(std::move(before))
    , m_after(std::move(after))
{
}

void TBitTableCommand::undo()
{
    restore(m_before, m_after);
}

void TBitTableCommand::redo()
{
    if (std::exchange(m_applied, false))
        return;
    restore(m_after, m_before);
}

void TBitTableCommand::restore(const TBitTableState &target, const TBitTableState &leaving)
{
    const TBitTableState current = m_frame.captureState();
    TBitTableParts parts;
    parts.table = target.rows != leaving.rows || target.fieldNames != leaving.fieldNames ||
                  target.hexValue != leaving.hexValue;
    parts.order = target.bottomUp != leaving.bottomUp;
    parts.files = (target.flagFileBase != leaving.flagFileBase || target.caption != leaving.caption) &&
                  current.flagFileBase == leaving.flagFileBase && current.caption == leaving.caption;
    parts.choices = target.choices != leaving.choices && current.choices == leaving.choices;
    m_frame.restoreState(target, parts);
}

QList<QKeySequence> UndoKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
}

QList<QKeySequence> RedoKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
}

bool TUndoKeyPassage::eventFilter(QObject *watched, QEvent *event)
{
    const auto *box = qobject_cast<QComboBox *>(watched);
    const QLineEdit *edit = box ? box->lineEdit() : qobject_cast<QLineEdit *>(watched);
    if (!edit || event->type() != QEvent::ShortcutOverride)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
    // Filtered out, the override stays unaccepted and the window's
    // shortcut runs.
    return (UndoKeys().contains(pressed) && !edit->isUndoAvailable()) ||
           (RedoKeys().contains(pressed) && !edit->isRedoAvailable());
}
