#include "app/Environment.h"
#include "app/MainForm.h"
#include "app/ProgramPicture.h"
#include "app/QtTranslations.h"
#include "platform/CommandGuard.h"
#include "util/PathHelpers.h"
#include "util/StringHelpers.h"

#include <QApplication>
#include <QLocale>
#include <exception>

int main(int argc, char *argv[])
{
    // The environment comes first, before the application object exists.
    std::exception_ptr environmentFailure;
    try {
        InitializeEnvironment();
    } catch (...) {
        environmentFailure = std::current_exception();
    }

    QApplication application(argc, argv);
    InstallQtTranslations(QLocale::system());
    const QString programFile = RunningProgramFilePath();
    // The application title: the program file's name up to its first dot.
    QApplication::setApplicationName(TextBeforeFirstDot(FileNamePart(programFile)));
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop match the windows with the installed tarvex.desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvex"));
    if (environmentFailure) {
        runCommand(nullptr, [&environmentFailure] { std::rethrow_exception(environmentFailure); });
        return EXIT_FAILURE;
    }

    TMainForm mainForm(programFile);
    mainForm.show();
    return QApplication::exec();
}
