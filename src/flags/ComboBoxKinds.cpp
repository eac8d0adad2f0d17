#include "flags/ComboBoxKinds.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

void makeEditable(QComboBox *combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
}

} // namespace

void MakeFreeTextComboBox(QComboBox *combo)
{
    makeEditable(combo);
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [combo](const QString &text) {
        if (combo->currentIndex() < 0)
            return;
        // Unselecting empties the text; the typed text and caret come back.
        const int caret = combo->lineEdit()->cursorPosition();
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
        combo->lineEdit()->setCursorPosition(caret);
    });
}

void MakeChoiceOnlyComboBox(QComboBox *combo)
{
    makeEditable(combo);
    // A read-only text still shows any text and lets the list be chosen
    // from, but takes no key, paste or drop.
    combo->lineEdit()->setReadOnly(true);
}
