#pragma once

#include <QString>

// The folders the program works in, fixed once at start-up.
struct TEnvironment
{
    QString ProgramDirectory; // the program file's real folder, ending in one "/"
    QString TempDirectory;    // "Temp" inside it, ending in one "/"
};

// Makes the folder of the program file at `programFilePath` the current
// directory and creates "Temp" inside it if missing (a failure to create it
// is ignored). Raises InOutError when the current directory cannot be changed.
TEnvironment InitializeEnvironmentFor(const QString &programFilePath);

// The same for the running program, before the application object exists;
// the result stays available through the two functions below.
void InitializeEnvironment();
const QString &ProgramDirectory();
const QString &TempDirectory();

// The file called `fileName` in the folder of the program file at
// `programFilePath`, whatever the current directory is now.
QString FileBesideProgram(const QString &programFilePath, const QString &fileName);

// The real path of the running program file, symbolic links resolved;
// needs no application object.
QString RunningProgramFilePath();
