#include "flags/ComboBoxKinds.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

void makeEditable(QComboBox *combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    // Qt selects the item that matches the text, ignoring case, when the
    // line edit loses the focus or takes Enter: a visit would choose an
    // item the user never chose, and "ACCESS" would turn into "Access".
    QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
}

// Unselecting sets the line edit's text, which empties its history: the
// user's edit is made again as the history's one step, so Ctrl+Z undoes
// it in the box.
void unselectKeepingEdit(QComboBox *combo, const QString &edited)
{
    QLineEdit *edit = combo->lineEdit();
    const QString before = combo->itemText(combo->currentIndex());
    const int caret = edit->cursorPosition();
    combo->setCurrentIndex(-1);
    // The edit replaced what lies between the common start and end.
    qsizetype start = 0;
    while (start < before.size() && start < edited.size() && before[start] == edited[start])
        ++start;
    qsizetype end = 0;
    while (end < before.size() - start && end < edited.size() - start &&
           before[before.size() - 1 - end] == edited[edited.size() - 1 - end])
        ++end;
    edit->setText(before);
    edit->setSelection(int(start), int(before.size() - start - end));
    edit->insert(edited.sliced(start, edited.size() - start - end));
    edit->setCursorPosition(caret);
}

} // namespace

void MakeFreeTextComboBox(QComboBox *combo)
{
    makeEditable(combo);
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [combo](const QString &text) {
        if (combo->currentIndex() >= 0)
            unselectKeepingEdit(combo, text);
    });
}

void MakeChoiceOnlyComboBox(QComboBox *combo)
{
    makeEditable(combo);
    // A read-only text still shows any text and lets the list be chosen
    // from, but takes no key, paste or drop.
    combo->lineEdit()->setReadOnly(true);
}
