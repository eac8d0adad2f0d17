#include "app/CaretStatus.h"

#include "documents/CHILDWINIni.h"
#include "documents/TextAreaFlagWords.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextBoundaryFinder>

namespace {

QLabel *addLabel(QStatusBar *bar, const QString &objectName)
{
    auto *label = new QLabel(bar);
    label->setObjectName(objectName);
    bar->addWidget(label);
    return label;
}

// The characters left of the caret as the user sees them: a character
// outside the Basic Multilingual Plane is one, and a combining mark is
// part of the character it follows.
int shownCharactersBefore(const QTextCursor &caret)
{
    const QString before = caret.block().text().left(caret.positionInBlock());
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, before);
    int count = 0;
    while (characters.toNextBoundary() > 0)
        ++count;
    return count;
}

// Lines and columns count from 1, as users count them.
QString caretPositionText(const QTextCursor &caret)
{
    return QStringLiteral("Zeile %1, Spalte %2").arg(caret.blockNumber() + 1).arg(shownCharactersBefore(caret) + 1);
}

} // namespace

TCaretStatus::TCaretStatus(QStatusBar *bar)
    : QObject(bar)
    , m_position(addLabel(bar, QStringLiteral("LBL_CaretPosition")))
    , m_flagLineHint(addLabel(bar, QStringLiteral("LBL_FlagLineHint")))
{
    // A label reads as its text ("Zeile 2, Spalte 5"); the description says what it is.
    m_position->setAccessibleDescription(QStringLiteral("Position der Schreibmarke"));
    m_flagLineHint->setAccessibleDescription(QStringLiteral("Was die Zeile der Schreibmarke bietet"));
}

void TCaretStatus::follow(TMDIChild *document)
{
    QPlainTextEdit *text = document ? document->MemoIni : nullptr;
    if (text != m_text) {
        disconnect(m_caretMoved);
        disconnect(m_textChanged);
        m_text = text;
        // Typing elsewhere can make the caret's line a flag line or no longer one.
        if (text) {
            m_caretMoved = connect(text, &QPlainTextEdit::cursorPositionChanged, this, &TCaretStatus::update);
            m_textChanged = connect(text, &QPlainTextEdit::textChanged, this, &TCaretStatus::update);
        }
    }
    update();
}

void TCaretStatus::update()
{
    if (!m_text) {
        m_position->clear();
        m_flagLineHint->clear();
        return;
    }
    const QTextCursor caret = m_text->textCursor();
    m_position->setText(caretPositionText(caret));
    m_flagLineHint->setText(FlagWordOnLine(m_text, caret.blockNumber()) ? FlagLineHint() : QString());
}
