#pragma once

#include <QString>

class QPlainTextEdit;

// The text area's text as shown: lines separated by "\n", every other
// character kept as it is (no-break spaces and line separators included).
QString TextAreaText(const QPlainTextEdit *edit);

// Replaces the whole text but keeps the scroll position, and the caret on
// its line where that line still exists.
void ReplaceTextKeepingView(QPlainTextEdit *edit, const QString &text);
