#pragma once

#include "flags/BitField.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QUndoCommand>
#include <array>

// What undo keeps of the flag editor: the rows, the fields' named values, the flag word, the order,
// the bit definition files in use and the chosen items of the combo boxes.
struct TBitRowState
{
    bool ticked = false;
    QString mask;
    QString name;
    QString usedFor;
    bool operator==(const TBitRowState &) const = default;
};

struct TComboState
{
    int index = -1;
    QString text;
    bool operator==(const TComboState &) const = default;
};

struct TBitTableState
{
    QList<TBitRowState> rows;
    TFieldValueNames fieldNames;
    quint32 hexValue = 0;
    bool bottomUp = false;
    QString flagFileBase;
    QString caption; // of GB_BitFrame, which names the files in use
    std::array<TComboState, 3> choices; // section, label, prefix
    bool operator==(const TBitTableState &) const = default;
};

// The parts of the state that one step restores.
struct TBitTableParts
{
    bool table = false;   // rows, named values and flag word
    bool order = false;
    bool files = false;
    bool choices = false;
};

// What the steps act on: a flag editor whose state can be read and, in
// the chosen parts, brought back.
class TBitTableStates
{
public:
    virtual TBitTableState captureState() const = 0;
    virtual void restoreState(const TBitTableState &state, TBitTableParts parts) = 0;

protected:
    ~TBitTableStates() = default;
};

// One user action on the flag editor. Undo brings back the state before
// it, redo the state after it, each only in the parts the action changed.
// The files in use and the chosen items also change outside undo (Save,
// choosing from a list): those parts are left alone once they no longer
// show what the action left.
class TBitTableCommand : public QUndoCommand
{
public:
    // Pushed once the action has run: the first redo does nothing.
    TBitTableCommand(TBitTableStates &frame, TBitTableState before, TBitTableState after);
    void undo() override;
    void redo() override;

private:
    void restore(const TBitTableState &target, const TBitTableState &leaving);

    TBitTableStates &m_frame;
    TBitTableState m_before;
    TBitTableState m_after;
    bool m_applied = true;
};

// Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y.
QList<QKeySequence> UndoKeys();
QList<QKeySequence> RedoKeys();

// Lets the Undo and Redo keys through to the window's commands when the
// line edit it watches (or the editable combo box's) has no typing of its
// own to undo or redo.
class TUndoKeyPassage : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
