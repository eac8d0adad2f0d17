#pragma once

#include <QStringList>

class TMainForm;

// Opens the first of the files named on the command line as Open does; as
// only one document exists at a time, an information box names the others
// as not opened.
void OpenStartFiles(TMainForm &mainForm, const QStringList &files);
