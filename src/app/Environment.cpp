#include "app/Environment.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace {

TEnvironment &environment()
{
    static TEnvironment values;
    return values;
}

void changeCurrentDirectory(const QString &folder)
{
    std::error_code error;
    std::filesystem::current_path(std::filesystem::path(folder.toStdU16String()), error);
    if (error)
        throw InOutError::fromSystemError(error.value());
}

} // namespace

TEnvironment InitializeEnvironmentFor(const QString &programFilePath)
{
    // The real folder whatever its name (a dot, a trailing blank, a "\"):
    // the folder the program runs from is where it looks for its own files,
    // so the path helpers' rules for typed names do not apply to it.
    const QString folder = QFileInfo(programFilePath).absolutePath();
    TEnvironment result;
    result.ProgramDirectory = folder.endsWith(u'/') ? folder : folder + u'/';
    changeCurrentDirectory(result.ProgramDirectory);
    result.TempDirectory = result.ProgramDirectory + u"Temp/";
    if (!QFileInfo(result.TempDirectory).isDir())
        QDir().mkdir(result.TempDirectory); // a program folder we may not write to still works
    return result;
}

void InitializeEnvironment()
{
    environment() = InitializeEnvironmentFor(RunningProgramFilePath());
}

const QString &ProgramDirectory()
{
    return environment().ProgramDirectory;
}

const QString &TempDirectory()
{
    return environment().TempDirectory;
}

QString FileBesideProgram(const QString &programFilePath, const QString &fileName)
{
    return QFileInfo(programFilePath).absoluteDir().filePath(fileName);
}

QString RunningProgramFilePath()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}
