#include "app/CommandLine.h"
#include "app/DisplayGuard.h"
#include "app/Environment.h"
#include "app/MainForm.h"
#include "app/ProgramPicture.h"
#include "app/QtTranslations.h"
#include "app/StartFiles.h"
#include "platform/CommandGuard.h"
#include "util/PathHelpers.h"
#include "util/StringHelpers.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <exception>
#include <optional>

int main(int argc, char *argv[])
{
    const QString programFile = RunningProgramFilePath();
    // The application title: the program file's name up to its first dot.
    const QString title = TextBeforeFirstDot(FileNamePart(programFile));
    // Files named on the command line are relative to where the program was
    // started. --help and --version answer before anything else, without a display.
    const QString startFolder = QDir::currentPath();
    const TCommandLine asked = ParseCommandLine(ArgumentList(argc, argv), startFolder);
    if (asked.Help || asked.Version || !asked.Error.isEmpty())
        return AnswerOnConsole(asked, title);

    // The environment comes first, before the application object exists.
    std::exception_ptr environmentFailure;
    try {
        InitializeEnvironment();
    } catch (...) {
        environmentFailure = std::current_exception();
    }

    std::optional<TDisplayGuard> displayGuard(std::in_place, title);
    QApplication application(argc, argv);
    displayGuard.reset();
    InstallQtTranslations(QLocale::system());
    // The application object has taken Qt's own options out by now.
    const TCommandLine commandLine = ParseCommandLine(QCoreApplication::arguments(), startFolder);
    if (!commandLine.Error.isEmpty())
        return AnswerOnConsole(commandLine, title);
    QApplication::setApplicationName(title);
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop match the windows with the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarvex.Tarvex"));
    if (environmentFailure) {
        runCommand(nullptr, [&environmentFailure] { std::rethrow_exception(environmentFailure); });
        return EXIT_FAILURE;
    }

    TMainForm mainForm(programFile);
    mainForm.show();
    OpenStartFiles(mainForm, commandLine.Files);
    return QApplication::exec();
}
