#pragma once

#include "documents/FlagLine.h"

class QPlainTextEdit;

// The flag word of line `line` (from 0) of a document's text area, read as
// a double click reads it; nothing when the line is no flag line.
std::optional<TFlagWordLocation> FlagWordOnLine(const QPlainTextEdit *edit, int line);

// What a flag line offers, shown where the caret or the mouse rests on one.
QString FlagLineHint();

// Shows FlagLineHint() as the tool tip of every flag line of `edit`.
void ShowFlagLineToolTips(QPlainTextEdit *edit);
