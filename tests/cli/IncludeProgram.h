#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// One run of tarvex-include: its exit status and what it printed.
struct IncludeRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// With `standardOutput`, the program's standard output appends to that file.
IncludeRun runTarvexInclude(const QStringList &arguments, const QString &folder, const QString &standardOutput = {});

// Runs a compiler or a compiled program in `folder`; its exit status and
// standard output (error output follows it, for failure messages).
IncludeRun runTool(const QString &program, const QStringList &arguments, const QString &folder,
                   const QString &standardOutput = {});

// A bit definition table file of 32 top-down rows; `names` maps rows to
// "name;description", the other rows stay unnamed.
QByteArray tableFile(const QMap<int, QString> &names);

// The same table with bits 5 and 4 as one field row "Level" (mask 00000030).
QByteArray levelTableFile();
