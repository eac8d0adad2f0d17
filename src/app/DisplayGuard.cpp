#include "app/DisplayGuard.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

struct THeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

QString guardedProgram;
QList<THeldMessage> heldMessages;
QtMessageHandler passOn = nullptr;

const char *orNull(const QByteArray &text)
{
    return text.isNull() ? nullptr : text.constData();
}

// Without a display one clear line says it all. With one named, the
// cause is another (a platform plugin that cannot load, a display that
// refuses), so Qt's own words follow.
QByteArray fatalReport(const QString &fatalText)
{
    const QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    if (display.isEmpty())
        return (guardedProgram + QStringLiteral(": there is no display to show the editor on; start it on a "
                                                "desktop, or on a virtual display with: xvfb-run -a ") +
                guardedProgram + u'\n')
            .toLocal8Bit();
    QString report = guardedProgram + QStringLiteral(": the editor cannot start on the display \"%1\":\n").arg(display);
    for (const THeldMessage &message : heldMessages)
        report += message.text + u'\n';
    return (report + fatalText + u'\n').toLocal8Bit();
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs(fatalReport(text).constData(), stderr);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE); // Qt would abort as soon as this returns
    }
    heldMessages.append({type, QByteArray(context.file), context.line, QByteArray(context.function),
                         QByteArray(context.category), text});
}

} // namespace

TDisplayGuard::TDisplayGuard(const QString &programName)
{
    guardedProgram = programName;
    passOn = qInstallMessageHandler(holdMessage);
}

TDisplayGuard::~TDisplayGuard()
{
    qInstallMessageHandler(passOn);
    for (const THeldMessage &message : std::exchange(heldMessages, {})) {
        const QMessageLogContext context(orNull(message.file), message.line, orNull(message.function),
                                         orNull(message.category));
        passOn(message.type, context, message.text);
    }
}
