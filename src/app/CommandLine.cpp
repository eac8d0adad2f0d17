#include "app/CommandLine.h"

#include "app/u_versioninfo.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

namespace {

const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Shows this text and ends."));
const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                       QStringLiteral("Shows the program's version and ends."));

void addQtOption(QCommandLineParser &parser, const char *name, const QString &valueName)
{
    QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

// Qt's own help option would add --help-all, which only an application
// object can answer.
void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Tarvex, the editor for the 32-bit flag words of INI files."));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The INI file to open; a name that does not exist opens a new document."),
                                 QStringLiteral("[file]"));
    // Qt's own options are known, unlisted, so that an unknown option is
    // answered before the application object needs a display.
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry",
                             "name", "title", "visual", "style", "stylesheet"})
        addQtOption(parser, name, QStringLiteral("value"));
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"})
        addQtOption(parser, name, QString());
    // Single-dash words are whole options, as Qt's own (-platform, -reverse)
    // are, rather than bundles of letters: "-reverse" must not read as "-v".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

QStringList ArgumentList(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

TCommandLine ParseCommandLine(const QStringList &arguments, const QString &startFolder)
{
    QCommandLineParser parser;
    describeOptions(parser);
    TCommandLine commandLine;
    // An unknown option does not keep the other arguments from being read.
    if (!parser.parse(arguments))
        commandLine.Error = parser.errorText();
    commandLine.Help = parser.isSet(helpOption);
    commandLine.Version = parser.isSet(versionOption);
    const QDir folder(startFolder);
    for (const QString &file : parser.positionalArguments())
        commandLine.Files << QDir::cleanPath(folder.absoluteFilePath(file));
    return commandLine;
}

QString UsageText(const QString &programName)
{
    QCommandLineParser parser;
    describeOptions(parser);
    const QString described = parser.helpText();
    // Qt's first line names the program as it was called, or not at all
    // before the application object exists.
    return u"Usage: " + programName + u" [options] [file]" + described.mid(described.indexOf(u'\n'));
}

QString VersionText(const QString &programName)
{
    TVersionInfo versionBlock(RunningModule());
    return programName + u' ' + versionBlock.ValueOf(QStringLiteral("FileVersion"));
}

int AnswerOnConsole(const TCommandLine &commandLine, const QString &programName)
{
    if (commandLine.Help) {
        print(stdout, UsageText(programName));
        return 0;
    }
    if (commandLine.Version) {
        print(stdout, VersionText(programName) + u'\n');
        return 0;
    }
    print(stderr, commandLine.Error + u"\n\n" + UsageText(programName));
    return 2;
}
