#include "platform/CommandGuard.h"

#include "platform/Desktop.h"
#include "platform/Errors.h"

namespace {

void showErrorReport(QWidget *parent, const QString &message)
{
    desktop().message(parent, {MessageKind::Error, errorReportText(message), {MessageButton::Ok}, applicationTitle()});
}

} // namespace

QString errorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void runCommand(QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
    } catch (const TarvexError &error) {
        showErrorReport(parent, error.message());
    } catch (const std::exception &error) {
        showErrorReport(parent, QString::fromLocal8Bit(error.what()));
    }
}
