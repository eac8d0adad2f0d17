#include "app/CommandLine.h"
#include "support/QStringPrinting.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(CommandLine, NamesFilesRelativeToTheStartFolder)
{
    const TCommandLine read = ParseCommandLine(
        {QStringLiteral("tarvex"), QStringLiteral("../x/./b.ini"), QStringLiteral("/etc/c.ini")}, QStringLiteral("/home/u/work"));
    EXPECT_TRUE(read.Error.isEmpty());
    EXPECT_EQ(read.Files, (QStringList{QStringLiteral("/home/u/x/b.ini"), QStringLiteral("/etc/c.ini")}));
}

// Before the application object takes them out, Qt's "-reverse" is one
// option, not the letters of "-v" and others, and "-platform" takes the
// next word as its value, not as a file.
TEST(CommandLine, ReadsQtsOptionsAsWholeWords)
{
    const TCommandLine read = ParseCommandLine(
        {QStringLiteral("tarvex"), QStringLiteral("-reverse"), QStringLiteral("-platform"), QStringLiteral("xcb")},
        QString());
    EXPECT_FALSE(read.Version);
    EXPECT_TRUE(read.Error.isEmpty());
    EXPECT_TRUE(read.Files.isEmpty());
}

// The program itself, as a user starts it from a terminal.
struct ConsoleCase
{
    const char *name;
    QStringList arguments;
    int exitCode;
    const char *standardOutput; // patterns of the whole output
    const char *standardError;
    QString display = {}; // DISPLAY, when a display is named
};

class ProgramConsole : public ::testing::TestWithParam<ConsoleCase>
{
};

bool matchesWhole(const char *pattern, const QString &text)
{
    const QRegularExpression expression(QRegularExpression::anchoredPattern(QString::fromUtf8(pattern)),
                                        QRegularExpression::DotMatchesEverythingOption);
    return expression.match(text).hasMatch();
}

TEST_P(ProgramConsole, AnswersWithoutADisplay)
{
    const ConsoleCase &row = GetParam();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    if (!row.display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), row.display);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TARVEX_PROGRAM), row.arguments);
    ASSERT_TRUE(program.waitForFinished(20000));
    const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), row.exitCode) << errors.toStdString();
    EXPECT_TRUE(matchesWhole(row.standardOutput, output)) << output.toStdString();
    EXPECT_TRUE(matchesWhole(row.standardError, errors)) << errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgramConsole,
    ::testing::Values(
        ConsoleCase{"Version", {QStringLiteral("--version")}, 0, R"(tarvex 7\.3\.9\.11\n)", ""},
        ConsoleCase{"HelpAmongQtOptions",
                    {QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("--help")},
                    0, R"(Usage: tarvex \[options\] \[file\]\n.*-v, --version.*)", ""},
        // Qt's own option works: the offscreen platform replaces the display.
        ConsoleCase{"UnknownOption",
                    {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--frob")},
                    2, "", R"(.*Unknown option 'frob'\.\n\nUsage: tarvex \[options\] \[file\]\n.*)"},
        ConsoleCase{"UnknownOptionWithoutPlatform", {QStringLiteral("--frob")}, 2, "",
                    R"(Unknown option 'frob'\.\n\nUsage: tarvex \[options\] \[file\]\n.*)"},
        ConsoleCase{"NoDisplay", {}, 1, "", R"(tarvex: there is no display to show the editor on; [^\n]*\n)"},
        ConsoleCase{"NoDisplayForAFile", {QStringLiteral("a.ini")}, 1, "",
                    R"(tarvex: there is no display to show the editor on; [^\n]*\n)"},
        ConsoleCase{"ADisplayThatDoesNotAnswer", {}, 1, "",
                    R"(tarvex: the editor cannot start on the display ":99999":\n.*could not connect to display.*)",
                    QStringLiteral(":99999")}),
    [](const ::testing::TestParamInfo<ConsoleCase> &info) { return std::string(info.param.name); });

} // namespace
