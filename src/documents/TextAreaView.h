#pragma once

#include <QString>

class QPlainTextEdit;
class QPoint;

// The text area's text as shown: lines separated by "\n", every other
// character kept as it is (no-break spaces and line separators included).
QString TextAreaText(const QPlainTextEdit *edit);

// Line `line` (from 0) as shown, every character kept as TextAreaText
// keeps it; empty outside the text.
QString TextAreaLine(const QPlainTextEdit *edit, int line);
// The line under a point of the text area's viewport.
int TextAreaLineAt(const QPlainTextEdit *edit, const QPoint &viewportPos);

// Replaces the whole text but keeps the scroll position, and the caret on
// its line where that line still exists.
void ReplaceTextKeepingView(QPlainTextEdit *edit, const QString &text);
