#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QMdiArea;
class QPlainTextEdit;
struct TMainActions;

// The text edit control that has the keyboard focus, or nullptr.
QPlainTextEdit *FocusedTextEdit();

// Keeps the main window's actions enabled exactly when they can act. It is
// told of every change that matters (focus, selection, clipboard, document
// windows), so no action is ever polled.
class TActionStates : public QObject
{
    Q_OBJECT

public:
    TActionStates(const TMainActions &actions, QMdiArea *area, QObject *parent);

    void update();

private:
    void followFocus();

    const TMainActions &m_actions;
    QMdiArea *m_area;
    QPointer<QPlainTextEdit> m_followedEdit;
    QMetaObject::Connection m_selectionConnection;
};
