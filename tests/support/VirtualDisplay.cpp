#include "support/VirtualDisplay.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Set in the copy that runs on the virtual X server.
constexpr auto OnXvfb = "TARVEX_TEST_ON_XVFB";

QStringList currentTestFilter()
{
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    return {u"--gtest_filter=%1.%2"_s.arg(QString::fromLatin1(test->test_suite_name()),
                                          QString::fromLatin1(test->name()))};
}

} // namespace

bool OnVirtualDisplay()
{
    return qEnvironmentVariableIsSet(OnXvfb);
}

void RunCurrentTestOnVirtualDisplay(const QProcessEnvironment &environment, bool ownSessionBus)
{
    const QString xvfbRun = QStandardPaths::findExecutable(u"xvfb-run"_s);
    if (xvfbRun.isEmpty())
        GTEST_SKIP() << "xvfb-run is not installed";
    const QString sessionBus = QStandardPaths::findExecutable(u"dbus-run-session"_s);
    if (ownSessionBus && sessionBus.isEmpty())
        GTEST_SKIP() << "dbus-run-session is not installed";
    QProcessEnvironment copyEnvironment = QProcessEnvironment::systemEnvironment();
    copyEnvironment.insert(environment);
    copyEnvironment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    copyEnvironment.insert(QString::fromLatin1(OnXvfb), u"1"_s);
    QStringList command{xvfbRun, u"-a"_s, u"-s"_s, u"-screen 0 1920x1200x24"_s,
                        QCoreApplication::applicationFilePath()};
    command << currentTestFilter();
    if (ownSessionBus)
        command = QStringList{sessionBus, u"--"_s} + command;
    QProcess copy;
    copy.setProcessEnvironment(copyEnvironment);
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(command.takeFirst(), command);
    ASSERT_TRUE(copy.waitForFinished(120'000));
    const QString output = QString::fromLocal8Bit(copy.readAll());
    if (output.contains(u"Xvfb failed to start"_s) || output.contains(u"xauth command not found"_s))
        GTEST_SKIP() << "no X server could be started: " << output.toStdString();
    if (ownSessionBus && output.contains(u"dbus-run-session: failed"_s))
        GTEST_SKIP() << "no session bus could be started: " << output.toStdString();
    EXPECT_EQ(copy.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(u"[  PASSED  ] 1 test"_s)) << output.toStdString();
}
