#include "documents/FindBar.h"

#include "documents/TextAreaView.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

namespace {

QToolButton *addButton(QBoxLayout *row, const QString &objectName, const QString &toolTip)
{
    auto *button = new QToolButton(row->parentWidget());
    button->setObjectName(objectName);
    button->setToolTip(toolTip);
    button->setAutoRaise(true);
    row->addWidget(button);
    return button;
}

} // namespace

// Two rows, so that all of it reads whole in a document window as narrow
// as it opens: the text to find with the case box and the buttons, then
// the note, whose row is there also while it is empty, so no control
// moves when a note appears.
FindBar::FindBar(QPlainTextEdit *text, QWidget *window)
    : QWidget(window)
    , EDT_Find(new QLineEdit(this))
    , CHB_MatchCase(new QCheckBox(QStringLiteral("Aa"), this))
    , m_text(text)
    , m_note(new QLabel(this))
{
    setObjectName(QStringLiteral("FindBar"));
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->setSpacing(0);
    auto *findRow = new QHBoxLayout;
    rows->addLayout(findRow);
    auto *caption = new QLabel(QStringLiteral("Suchen:"), this);
    caption->setBuddy(EDT_Find);
    findRow->addWidget(caption);
    EDT_Find->setObjectName(QStringLiteral("EDT_Find"));
    EDT_Find->setAccessibleName(QStringLiteral("Suchen"));
    EDT_Find->installEventFilter(this);
    findRow->addWidget(EDT_Find, 1);
    CHB_MatchCase->setObjectName(QStringLiteral("CHB_MatchCase"));
    CHB_MatchCase->setToolTip(QStringLiteral("Groß-/Kleinschreibung beachten"));
    // The box reads "Aa", which says nothing to a screen reader.
    CHB_MatchCase->setAccessibleName(CHB_MatchCase->toolTip());
    findRow->addWidget(CHB_MatchCase);
    QToolButton *previous = addButton(findRow, QStringLiteral("BTN_FindPrevious"),
                                      QStringLiteral("Rückwärts suchen (Umschalt+F3)"));
    previous->setArrowType(Qt::UpArrow);
    QToolButton *next = addButton(findRow, QStringLiteral("BTN_FindNext"), QStringLiteral("Weitersuchen (F3)"));
    next->setArrowType(Qt::DownArrow);
    QToolButton *close = addButton(findRow, QStringLiteral("BTN_FindClose"), QStringLiteral("Schließen (Esc)"));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));

    m_note->setObjectName(QStringLiteral("LBL_FindNote"));
    m_note->setAccessibleDescription(QStringLiteral("Ergebnis der Suche"));
    m_note->setMinimumHeight(m_note->fontMetrics().height());
    rows->addWidget(m_note);

    connect(previous, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(close, &QToolButton::clicked, this, &FindBar::closeBar);
    // A note speaks of the text it was found for.
    connect(EDT_Find, &QLineEdit::textChanged, this, [this] { showNote(QString()); });
    addSearchAgainKeys(window);
    hide();
}

void FindBar::addSearchAgainKeys(QWidget *window)
{
    const auto addKey = [this, window](const QString &objectName, const QKeySequence &key, void (FindBar::*step)()) {
        auto *again = new QAction(this);
        again->setObjectName(objectName);
        again->setShortcut(key);
        again->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(again, &QAction::triggered, this, step);
        window->addAction(again);
    };
    addKey(QStringLiteral("FindNext"), Qt::Key_F3, &FindBar::findNext);
    addKey(QStringLiteral("FindPrevious"), Qt::SHIFT | Qt::Key_F3, &FindBar::findPrevious);
}

void FindBar::open()
{
    const QString selected = TextAreaSelection(m_text);
    if (!selected.isEmpty() && !selected.contains(u'\n'))
        EDT_Find->setText(selected);
    show();
    EDT_Find->selectAll();
    EDT_Find->setFocus();
}

void FindBar::closeBar()
{
    hide();
    m_text->setFocus();
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == EDT_Find && event->type() == QEvent::KeyPress) {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            find(key.modifiers().testFlag(Qt::ShiftModifier) ? SearchDirection::Backward : SearchDirection::Forward);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        closeBar();
    else
        QWidget::keyPressEvent(event);
}

// The text is read as the file holds it, so a typed character that the
// area shows by a stand-in is found; every stand-in takes the place of one
// character, so positions in it are positions in the area.
void FindBar::find(SearchDirection direction)
{
    const QString needle = EDT_Find->text();
    if (needle.isEmpty()) {
        open(); // F3 before anything was searched: ask what to find
        return;
    }
    show(); // F3 after the bar was closed shows where it searched
    const QTextCursor caret = m_text->textCursor();
    const Qt::CaseSensitivity matchCase = CHB_MatchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const std::optional<TTextMatch> match = FindText(TextAreaText(m_text), needle, caret.selectionStart(),
                                                     caret.selectionEnd(), direction, matchCase);
    if (!match) {
        showNote(QStringLiteral("nicht gefunden"));
        return;
    }
    if (!match->wrapped)
        showNote(QString());
    else if (direction == SearchDirection::Forward)
        showNote(QStringLiteral("Ende erreicht, am Anfang fortgesetzt"));
    else
        showNote(QStringLiteral("Anfang erreicht, am Ende fortgesetzt"));
    select(match->position, needle.size());
}

// The note is also the find field's description: a screen reader speaks a
// changed description of the field the user types in.
void FindBar::showNote(const QString &note)
{
    m_note->setText(note);
    EDT_Find->setAccessibleDescription(note);
}

void FindBar::select(qsizetype position, qsizetype length)
{
    QTextCursor found(m_text->document());
    found.setPosition(int(position));
    found.setPosition(int(position + length), QTextCursor::KeepAnchor);
    m_text->setTextCursor(found);
    m_text->ensureCursorVisible();
}
