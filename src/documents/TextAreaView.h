#pragma once

#include "documents/LayoutText.h"

#include <QString>
#include <vector>

class QPlainTextEdit;
class QPoint;

// The text area shows one line of the text per block. The characters the
// text area would take for block breaks (U+2029, U+FDD0 and U+FDD1) are
// shown by marked stand-ins and given back as they were, so every line
// keeps all its characters and the lines their count; every other
// character, a typed stand-in character included, is given back as it is.

// Fills the text area with `text`, lines separated by "\n".
void SetTextAreaText(QPlainTextEdit *edit, const QString &text);

// The text area's text as the file holds it: lines separated by "\n",
// every other character kept as it is (no-break spaces and line
// separators included).
QString TextAreaText(const QPlainTextEdit *edit);

// Line `line` (from 0) as the file holds it, every character kept as
// TextAreaText keeps it; empty outside the text.
QString TextAreaLine(const QPlainTextEdit *edit, int line);
// The line under a point of the text area's viewport.
int TextAreaLineAt(const QPlainTextEdit *edit, const QPoint &viewportPos);

// The selected text, as TextAreaText gives it.
QString TextAreaSelection(const QPlainTextEdit *edit);
// Puts `text` in place of the selection at the caret, as one step to undo;
// its block breakers are shown by stand-ins as SetTextAreaText shows them.
void InsertIntoTextArea(QPlainTextEdit *edit, const QString &text);

// Gives the text area exactly `text`, changing only the lines that differ
// from what it shows, and keeps the scroll position, and the caret on its
// line where that line still exists.
void ReplaceTextKeepingView(QPlainTextEdit *edit, const QString &text);

// Applies line edits of the text the text area shows, in order, touching
// no other line; as after a replacement, undo cannot bring the old lines back.
void ApplyLineEdits(QPlainTextEdit *edit, const std::vector<TLineEdit> &edits);
