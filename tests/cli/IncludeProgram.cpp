#include "IncludeProgram.h"

#include <QProcess>

IncludeRun runTool(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    IncludeRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

IncludeRun runTarvexInclude(const QStringList &arguments, const QString &folder)
{
    return runTool(QStringLiteral(TARVEX_INCLUDE_PROGRAM), arguments, folder);
}
