#pragma once

#include "documents/FlagLine.h"

#include <functional>

class QPlainTextEdit;

// The flag word of line `line` (from 0) of a document's text area, read as
// a double click reads it; nothing when the line is no flag line.
std::optional<TFlagWordLocation> FlagWordOnLine(const QPlainTextEdit *edit, int line);

// What a flag line offers, shown where the caret or the mouse rests on one.
QString FlagLineHint();

// Shows FlagLineHint() as the tool tip of every flag line of `edit`,
// followed on a line of its own by what the word means by the bit
// definition files of the document titled by `documentTitle`, when it has any.
void ShowFlagLineToolTips(QPlainTextEdit *edit, std::function<QString()> documentTitle);
