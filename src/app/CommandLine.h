#pragma once

#include <QString>
#include <QStringList>

// What the program's command line asks for: `tarvex [options] [file]`.
// It is read twice: before the application object exists, to answer --help,
// --version and unknown options without a display, Qt's own options
// (-platform, -style, …) known but not listed; and once the application
// object has taken Qt's options out, for the files.
struct TCommandLine
{
    bool Help = false;
    bool Version = false;
    QString Error;     // names the unknown options; empty when there are none
    QStringList Files; // absolute, in the order given
};

// The arguments as the process got them, the program first.
QStringList ArgumentList(int argc, const char *const *argv);

// `arguments` starts with the program; relative file names are taken
// relative to `startFolder`, the folder the program was started in.
TCommandLine ParseCommandLine(const QStringList &arguments, const QString &startFolder);

// The usage text, naming the program `programName`.
QString UsageText(const QString &programName);
// `programName` and the file version of the program's version block.
QString VersionText(const QString &programName);

// Answers a command line that asks for help, the version or has an error
// on the console, needing no display: help and version on standard output
// (exit code 0), the error and the usage on standard error (exit code 2).
int AnswerOnConsole(const TCommandLine &commandLine, const QString &programName);
