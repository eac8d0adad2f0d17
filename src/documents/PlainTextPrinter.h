#pragma once

#include <QStringList>

class QFont;
class QPrinter;

// Prints the lines as plain text, laid out by TextPrintLayout in the font
// on the printer, as one job. Raises PrinterError when the printer fails.
void PrintPlainText(QPrinter &printer, const QStringList &lines, const QFont &font);
