#pragma once

class QPlainTextEdit;

// Asks for a line number from 1 to the text's line count and puts the
// caret at the start of that line. A number outside the text is refused
// with a warning; the caret then stays where it was.
void AskAndGoToLine(QPlainTextEdit *edit);
