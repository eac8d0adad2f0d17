#include "support/VirtualDisplay.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Set in the copy that runs on the virtual X server.
constexpr auto OnXvfb = "TARVEX_TEST_ON_XVFB";

// What dbus-run-session said when it could not run a bus; null when it could.
QString sessionBusFailure(const QString &dbusRunSession)
{
    QProcess session;
    session.setProcessChannelMode(QProcess::MergedChannels);
    session.start(dbusRunSession, {u"--"_s, QStandardPaths::findExecutable(u"true"_s)});
    if (!session.waitForFinished(30'000))
        return u"it did not finish"_s;
    if (session.exitStatus() == QProcess::NormalExit && session.exitCode() == 0)
        return {};
    return QString::fromLocal8Bit(session.readAll());
}

} // namespace

bool OnVirtualDisplay()
{
    return qEnvironmentVariableIsSet(OnXvfb);
}

void RunCurrentTestOnVirtualDisplay(const QProcessEnvironment &environment, bool ownSessionBus)
{
    QStringList command{QStandardPaths::findExecutable(u"xvfb-run"_s), u"-a"_s, u"-s"_s, u"-screen 0 1920x1200x24"_s};
    if (ownSessionBus)
        command = QStringList{QStandardPaths::findExecutable(u"dbus-run-session"_s), u"--"_s} + command;
    if (command.contains(QString()))
        GTEST_SKIP() << "xvfb-run or dbus-run-session is not installed";
    if (ownSessionBus) {
        const QString failure = sessionBusFailure(command.front());
        if (!failure.isNull())
            GTEST_SKIP() << "no session bus could be started: " << failure.toStdString();
    }
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    command << QCoreApplication::applicationFilePath()
            << u"--gtest_filter=%1.%2"_s.arg(QString::fromLatin1(test->test_suite_name()),
                                             QString::fromLatin1(test->name()));
    QProcessEnvironment copyEnvironment = QProcessEnvironment::systemEnvironment();
    copyEnvironment.insert(environment);
    copyEnvironment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    copyEnvironment.insert(QString::fromLatin1(OnXvfb), u"1"_s);
    QProcess copy;
    copy.setProcessEnvironment(copyEnvironment);
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(command.takeFirst(), command);
    ASSERT_TRUE(copy.waitForFinished(120'000));
    const QString output = QString::fromLocal8Bit(copy.readAll());
    if (output.contains(u"Xvfb failed to start"_s) || output.contains(u"xauth command not found"_s))
        GTEST_SKIP() << "no X server could be started: " << output.toStdString();
    EXPECT_EQ(copy.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(u"[  PASSED  ] 1 test"_s)) << output.toStdString();
}
