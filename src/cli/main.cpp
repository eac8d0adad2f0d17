// tarvex-include: the include files of an INI file's flag words from the
// command line, with the bytes the bit editor writes. No window opens and
// no display is needed.
#include "cli/IncludeArguments.h"
#include "cli/IncludeCommand.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <unistd.h>

namespace {

// Standard error belongs to the findings and errors: the platform's own
// notes (no runtime folder, fonts) are not the user's concern here.
void onlySeriousMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tarvex-include: %s\n", qUtf8Printable(message));
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(onlySeriousMessages);
    // The flag words pass through the bit editor's frame, which is never shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvex-include"));

    // On the descriptors themselves: a write that fails (a full disk behind
    // standard output) fails at once, not later in a buffer nobody checks.
    QFile out;
    QFile err;
    out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    const TParsedArguments parsed = ParseIncludeArguments(QApplication::arguments());
    if (parsed.help) {
        out.write(IncludeUsageText().toUtf8());
        return ExitDone;
    }
    if (!parsed.arguments) {
        err.write(QStringLiteral("tarvex-include: %1\n").arg(parsed.error).toUtf8() + IncludeUsageText().toUtf8());
        return ExitFailed;
    }
    return RunTarvexInclude(*parsed.arguments, out, err);
}
