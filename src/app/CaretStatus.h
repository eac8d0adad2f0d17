#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QLabel;
class QPlainTextEdit;
class QStatusBar;
class TMDIChild;

// The caret's place in the active document, shown in the main window's
// status bar ("Zeile 12, Spalte 5"), and beside it what a double click
// does when the caret stands on a flag line.
class TCaretStatus : public QObject
{
    Q_OBJECT

public:
    explicit TCaretStatus(QStatusBar *bar);

    // Shows the caret of `document`'s text from now on; nothing without one.
    void follow(TMDIChild *document);

private:
    void update();

    QLabel *const m_position;
    QLabel *const m_flagLineHint;
    QPointer<QPlainTextEdit> m_text;
    QMetaObject::Connection m_caretMoved;
    QMetaObject::Connection m_textChanged;
};
