#include "platform/CommandGuard.h"

#include "platform/BusyCursor.h"
#include "platform/Desktop.h"
#include "platform/Errors.h"

#include <new>
#include <stdexcept>

namespace {

// The framework's message for a request of more memory than there is.
const QString outOfMemory = QStringLiteral("Zu wenig Arbeitsspeicher");

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
        // Gone again before a failure is reported.
        const TBusyCursor busy;
        command();
    } catch (const TarvexError &error) {
        showErrorReport(parent, error.message());
    } catch (const std::bad_alloc &) {
        showErrorReport(parent, outOfMemory);
    } catch (const std::length_error &) {
        // A size beyond what a string or array can hold is a lack of memory too.
        showErrorReport(parent, outOfMemory);
    } catch (...) {
        // The library's own texts are English and mean nothing to the user.
        showErrorReport(parent, QStringLiteral("Interner Fehler"));
    }
}
