#pragma once

#include "platform/Desktop.h"

// The questions a document asks before something the user has could be lost.

// "Änderungen in <name> speichern?" with "&Ja", "&Nein" and "Abbrechen":
// changes that only the document could write.
MessageRequest SaveChangesQuestion(const QString &name);

// "&Ja" or "&Nein": writing over a file that another program changed.
MessageRequest OverwriteChangedFileQuestion(const QString &name);

// "&Ja" or "&Nein": reading the file again drops what was typed or written since.
MessageRequest DropChangesQuestion(const QString &name);

// A name New gives: "NONAME" and a number, which Save As must replace
// before anything can be written.
bool IsUnnamedDocument(const QString &name);
