#include "app/CommandLine.h"
#include "support/QStringPrinting.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct ParseCase
{
    const char *name;
    QStringList arguments; // after the program
    bool help;
    bool version;
    bool error;
    QStringList files;
};

class CommandLineParsing : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(CommandLineParsing, ReadsOptionsAndFiles)
{
    const ParseCase &row = GetParam();
    const TCommandLine read =
        ParseCommandLine(QStringList{QStringLiteral("tarvex")} + row.arguments, QStringLiteral("/home/u/work"));
    EXPECT_EQ(read.Help, row.help);
    EXPECT_EQ(read.Version, row.version);
    EXPECT_EQ(!read.Error.isEmpty(), row.error) << read.Error.toStdString();
    EXPECT_EQ(read.Files, row.files);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLineParsing,
    ::testing::Values(
        ParseCase{"Nothing", {}, false, false, false, {}},
        ParseCase{"RelativeFile", {QStringLiteral("a.ini")}, false, false, false, {QStringLiteral("/home/u/work/a.ini")}},
        ParseCase{"UpwardsFile", {QStringLiteral("../x/./b.ini")}, false, false, false, {QStringLiteral("/home/u/x/b.ini")}},
        ParseCase{"AbsoluteFile", {QStringLiteral("/etc/c.ini")}, false, false, false, {QStringLiteral("/etc/c.ini")}},
        ParseCase{"TwoFiles",
                  {QStringLiteral("a.ini"), QStringLiteral("/etc/c.ini")},
                  false, false, false,
                  {QStringLiteral("/home/u/work/a.ini"), QStringLiteral("/etc/c.ini")}},
        ParseCase{"FileLikeAnOption", {QStringLiteral("--"), QStringLiteral("-d.ini")}, false, false, false,
                  {QStringLiteral("/home/u/work/-d.ini")}},
        ParseCase{"Version", {QStringLiteral("--version")}, false, true, false, {}},
        ParseCase{"ShortVersion", {QStringLiteral("-v")}, false, true, false, {}},
        ParseCase{"Help", {QStringLiteral("--help")}, true, false, false, {}},
        ParseCase{"ShortHelp", {QStringLiteral("-h")}, true, false, false, {}},
        ParseCase{"UnknownOption", {QStringLiteral("--frob"), QStringLiteral("a.ini")}, false, false, true,
                  {QStringLiteral("/home/u/work/a.ini")}},
        // Before the application object takes it out, Qt's "-reverse" is
        // one unknown option, not the letters of "-v" and others.
        ParseCase{"QtOptionBeforeQtTookIt", {QStringLiteral("-reverse")}, false, false, true, {}}),
    [](const ::testing::TestParamInfo<ParseCase> &info) { return std::string(info.param.name); });

TEST(CommandLineTexts, UsageNamesTheProgramItsOptionsAndTheFile)
{
    const QString usage = UsageText(QStringLiteral("tarvex"));
    EXPECT_TRUE(usage.startsWith(u"Usage: tarvex [options] [file]\n")) << usage.toStdString();
    EXPECT_TRUE(usage.contains(u"-h, --help")) << usage.toStdString();
    EXPECT_TRUE(usage.contains(u"-v, --version")) << usage.toStdString();
    EXPECT_FALSE(usage.contains(u"--help-all")) << usage.toStdString();
}

// The program itself, as a user starts it from a terminal.
struct ConsoleCase
{
    const char *name;
    QStringList arguments;
    int exitCode;
    const char *standardOutput; // patterns of the whole output
    const char *standardError;
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
                    2, "", R"(.*Unknown option 'frob'\.\n\nUsage: tarvex \[options\] \[file\]\n.*)"}),
    [](const ::testing::TestParamInfo<ConsoleCase> &info) { return std::string(info.param.name); });

} // namespace
