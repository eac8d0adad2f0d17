#include "app/ActionStates.h"

#include "app/MainActions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>

namespace {

bool clipboardHoldsText()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

} // namespace

QPlainTextEdit *FocusedTextEdit()
{
    return qobject_cast<QPlainTextEdit *>(QApplication::focusWidget());
}

TActionStates::TActionStates(const TMainActions &actions, QMdiArea *area, QObject *parent)
    : QObject(parent)
    , m_actions(actions)
    , m_area(area)
{
    connect(qApp, &QApplication::focusChanged, this, [this] {
        followFocus();
        update();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TActionStates::update);
    connect(area, &QMdiArea::subWindowActivated, this, &TActionStates::update);
    // Commands without a handler that no window takes over are never available.
    m_actions.FileSave1->setEnabled(false);
    m_actions.FileSaveAs1->setEnabled(false);
    update();
}

void TActionStates::followFocus()
{
    QPlainTextEdit *edit = FocusedTextEdit();
    if (edit == m_followedEdit)
        return;
    disconnect(m_selectionConnection);
    m_followedEdit = edit;
    if (edit)
        m_selectionConnection = connect(edit, &QPlainTextEdit::selectionChanged, this, &TActionStates::update);
}

void TActionStates::update()
{
    const bool anyDocument = !m_area->subWindowList().isEmpty();
    for (QAction *action : m_actions.windowActions())
        action->setEnabled(anyDocument);
    m_actions.FileClose1->setEnabled(m_area->currentSubWindow() != nullptr);

    const QPlainTextEdit *edit = FocusedTextEdit();
    const bool selection = edit && edit->textCursor().hasSelection();
    m_actions.EditCut1->setEnabled(selection);
    m_actions.EditCopy1->setEnabled(selection);
    m_actions.EditPaste1->setEnabled(edit && clipboardHoldsText());
}
