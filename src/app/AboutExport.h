#pragma once

#include <QString>
#include <optional>

class QWidget;

// Where the export goes: the file name's extension, from its last dot,
// replaced by ".txt", or ".txt" appended when the name has no dot.
QString AboutExportFileName(const QString &programFilePath);

// Where the about box's export goes: beside the program file as
// AboutExportFileName says, or, where that folder cannot be written (an
// installed program), wherever the user chooses in a save dialog that
// starts in the home folder with the same file name. Nothing when the
// user cancels the dialog or does not want an existing file replaced.
std::optional<QString> AboutExportTarget(QWidget *parent, const QString &programFilePath);
