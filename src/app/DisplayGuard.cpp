#include "app/DisplayGuard.h"

#include <QByteArray>
#include <QList>
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

QByteArray missingDisplayLine;
QList<THeldMessage> heldMessages;
QtMessageHandler passOn = nullptr;

const char *orNull(const QByteArray &text)
{
    return text.isNull() ? nullptr : text.constData();
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs(missingDisplayLine.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE); // Qt would abort as soon as this returns
    }
    heldMessages.append({type, QByteArray(context.file), context.line, QByteArray(context.function),
                         QByteArray(context.category), text});
}

} // namespace

TDisplayGuard::TDisplayGuard(const QString &programName)
{
    missingDisplayLine = (programName + QStringLiteral(": there is no display to show the editor on; start it on a "
                                                       "desktop, or on a virtual display with: xvfb-run -a ") +
                          programName + u'\n')
                             .toLocal8Bit();
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
