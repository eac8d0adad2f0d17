#pragma once

#include <QStringList>

class QDateTime;
class QLocale;

// What the INI text document prints: a heading, a rule of asterisks, and
// every line of the text.
namespace IniPrintout {

// The text's lines as the text area counts them: an empty text has none,
// and the empty line after a final line break does not count.
QStringList countedLines(const QString &text);

// The locale's short date, a blank and its long time (both left out when
// the time is 00:00:00), 8 blanks, the title.
QString heading(const QDateTime &now, const QLocale &locale, const QString &title);

// The heading, 94 asterisks, then every line.
QStringList printedLines(const QString &heading, const QStringList &lines);

} // namespace IniPrintout
