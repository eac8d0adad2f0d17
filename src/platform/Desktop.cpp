#include "platform/Desktop.h"

#include "platform/QtDesktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

IDesktop *installedDesktop = nullptr;

std::optional<QString> withDefaultExtension(std::optional<QString> chosen, const QString &extension)
{
    if (!chosen || extension.isEmpty())
        return chosen;
    if (QFileInfo(*chosen).fileName().contains(u'.'))
        return chosen;
    return *chosen + extension;
}

std::optional<QString> movingCurrentDirectory(std::optional<QString> chosen)
{
    if (chosen)
        QDir::setCurrent(QFileInfo(*chosen).absolutePath());
    return chosen;
}

} // namespace

std::optional<QString> IDesktop::openFileName(QWidget *parent, const FileDialogRequest &request)
{
    return movingCurrentDirectory(withDefaultExtension(chooseOpenFile(parent, request), request.defaultExtension));
}

std::optional<QString> IDesktop::saveFileName(QWidget *parent, const FileDialogRequest &request)
{
    return movingCurrentDirectory(withDefaultExtension(chooseSaveFile(parent, request), request.defaultExtension));
}

MessageButton IDesktop::message(QWidget *parent, const MessageRequest &request)
{
    MessageRequest titled = request;
    if (titled.title.isEmpty())
        titled.title = messageTitle(request.kind);
    return showMessage(parent, titled);
}

IDesktop &desktop()
{
    static QtDesktop qtDesktop;
    return installedDesktop ? *installedDesktop : qtDesktop;
}

void setDesktop(IDesktop *replacement)
{
    installedDesktop = replacement;
}

QString messageTitle(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("Warnung");
    case MessageKind::Error:
        return QStringLiteral("Fehler");
    case MessageKind::Information:
        return QStringLiteral("Informationen");
    case MessageKind::Confirmation:
        return QStringLiteral("Bestätigung");
    case MessageKind::Plain:
        break;
    }
    return applicationTitle();
}

QString buttonCaption(MessageButton button)
{
    switch (button) {
    case MessageButton::Ok:
        return QStringLiteral("OK");
    case MessageButton::Yes:
        return QStringLiteral("&Ja");
    case MessageButton::No:
        return QStringLiteral("&Nein");
    case MessageButton::Cancel:
        break;
    }
    return QStringLiteral("Abbrechen");
}

QString applicationTitle()
{
    return QCoreApplication::applicationName();
}
