#include "app/Environment.h"
#include "support/QStringPrinting.h"
#include "platform/Errors.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class StartUpEnvironment : public ::testing::Test
{
protected:
    // The real (canonical) path of a folder in the test folder, created first.
    QString makeFolder(const QString &relative) const
    {
        QDir().mkpath(folder.path(relative));
        return QFileInfo(folder.path(relative)).canonicalFilePath();
    }

    CurrentDirectoryGuard guard;
    TestFolder folder;
};

TEST_F(StartUpEnvironment, MakesTheProgramFolderCurrentFromAnotherWorkingDirectory)
{
    const QString program = makeFolder(QStringLiteral("prog"));
    QDir::setCurrent(makeFolder(QStringLiteral("elsewhere")));
    const TEnvironment environment = InitializeEnvironmentFor(program + u"/tarvex");
    EXPECT_EQ(environment.ProgramDirectory, program + u'/');
    EXPECT_EQ(QDir::currentPath(), program);
    EXPECT_EQ(environment.TempDirectory, program + u"/Temp/");
    EXPECT_TRUE(QFileInfo(program + u"/Temp").isDir());
}

// A dot, a trailing blank or a backslash in a folder name does not move
// the program directory: it stays the folder the program runs from, and
// Temp is created inside it.
class UnusualFolder : public StartUpEnvironment, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(UnusualFolder, StaysTheRealProgramFolder)
{
    const QString program = makeFolder(QString::fromLatin1(GetParam()));
    const TEnvironment environment = InitializeEnvironmentFor(program + u"/tarvex.bin");
    EXPECT_EQ(environment.ProgramDirectory, program + u'/');
    EXPECT_EQ(QDir::currentPath(), program);
    EXPECT_EQ(environment.TempDirectory, program + u"/Temp/");
    EXPECT_TRUE(QFileInfo(program + u"/Temp").isDir());
}

INSTANTIATE_TEST_SUITE_P(Paths, UnusualFolder,
                         ::testing::Values("Flags.2", "My.Tools/Flags", "a.b/c.d", "tools ", "a\\b", "a\\", " lead/x "));

TEST_F(StartUpEnvironment, LeavesAnExistingTempFolderAlone)
{
    const QString program = makeFolder(QStringLiteral("prog"));
    makeFolder(QStringLiteral("prog/Temp"));
    folder.write(QStringLiteral("prog/Temp/keep.txt"), "kept");
    InitializeEnvironmentFor(program + u"/tarvex");
    EXPECT_EQ(folder.read(QStringLiteral("prog/Temp/keep.txt")), "kept");
    EXPECT_EQ(QDir(program + u"/Temp").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("keep.txt")});
}

TEST_F(StartUpEnvironment, GoesOnWhenTempCannotBeCreated)
{
    // Root may create folders anywhere; a file already called Temp stops everyone.
    const QString program = makeFolder(QStringLiteral("prog"));
    folder.write(QStringLiteral("prog/Temp"), "a file");
    const TEnvironment environment = InitializeEnvironmentFor(program + u"/tarvex");
    EXPECT_EQ(QDir::currentPath(), program);
    EXPECT_EQ(environment.TempDirectory, program + u"/Temp/");
    EXPECT_EQ(folder.read(QStringLiteral("prog/Temp")), "a file");
}

TEST_F(StartUpEnvironment, AProgramFolderThatCannotBeEnteredIsAnError)
{
    const QString before = QDir::currentPath();
    EXPECT_THROW(InitializeEnvironmentFor(folder.path(QStringLiteral("missing/tarvex"))), InOutError);
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST(RunningProgram, IsTheRealProgramFile)
{
    EXPECT_EQ(RunningProgramFilePath(), QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
}

} // namespace
