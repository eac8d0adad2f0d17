#include "IncludeProgram.h"

#include "support/TestFiles.h"

#include <QProcess>

using namespace Qt::StringLiterals;

IncludeRun runTool(const QString &program, const QStringList &arguments, const QString &folder,
                   const QString &standardOutput)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    if (!standardOutput.isEmpty())
        process.setStandardOutputFile(standardOutput, QIODevice::Append);
    process.start(program, arguments);
    IncludeRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

IncludeRun runTarvexInclude(const QStringList &arguments, const QString &folder, const QString &standardOutput)
{
    return runTool(QStringLiteral(TARVEX_INCLUDE_PROGRAM), arguments, folder, standardOutput);
}

namespace {

QString tableLines(const QMap<int, QString> &names)
{
    QString text;
    for (int row = 0; row < 32; ++row) {
        const QString mask = QString::number(1u << (31 - row), 16).toUpper().rightJustified(8, u'0');
        text += u"False;"_s + mask + u';' + names.value(row, u";"_s) + u"\r\n"_s;
    }
    return text;
}

} // namespace

QByteArray tableFile(const QMap<int, QString> &names)
{
    return utf16LeFile(tableLines(names));
}

QByteArray levelTableFile()
{
    QString text = tableLines({});
    text.replace(u"False;00000020;;\r\nFalse;00000010;;\r\n"_s, u"False;00000030;Level;Log level\r\n"_s);
    return utf16LeFile(text);
}
