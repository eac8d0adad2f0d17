#pragma once

class QMdiArea;
class QWidget;

// Asked as the main window closes: for a document with changes that only
// Close would write, whether to write them first. "&Ja" runs the
// document's Close steps (a file that cannot be written keeps the program
// open unless the user closes the window anyway), "&Nein" leaves without
// writing, "Abbrechen" stays. Nothing changed: no question. true when the
// program may end.
bool MayLeaveProgram(QWidget *parent, QMdiArea *documents);
