#pragma once

#include <QString>
#include <QStringView>

class QTextCursor;
class QTextDocument;

// QTextDocument takes U+2029, U+FDD0 and U+FDD1 for block breaks wherever
// they are inserted. The text area shows each of them by a private-use
// stand-in character carrying a mark in its format, and only a character
// with that mark stands for one: a stand-in character typed or pasted by
// the user has no mark and stays what it is. Typing drops the mark (Qt
// clears a format's object type for typed text); undo brings it back with
// the character it belongs to.

bool HoldsBlockBreaker(QStringView text);

// Inserts `text` at the cursor: its block breakers as marked stand-ins,
// every other character as typed.
void InsertShowingBreakers(QTextCursor &cursor, QStringView text);

// `shown`, the document's characters from position `from` on, with every
// marked stand-in given back as the character it stands for.
QString WithBreakersBack(const QTextDocument *document, int from, QString shown);
