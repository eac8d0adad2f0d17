#include "platform/Desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

IDesktop *installedDesktop = nullptr;

QString withDefaultExtension(const QString &chosen, const QString &extension)
{
    if (extension.isEmpty() || QFileInfo(chosen).fileName().contains(u'.'))
        return chosen;
    return chosen + extension;
}

bool isReadOnlyFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isWritable();
}

} // namespace

// The answer is taken as the name it finally stands for: with the default
// extension, made absolute before the current directory moves. A refused
// read-only file is named and the dialog asked again.
std::optional<QString> IDesktop::fileName(QWidget *parent, const FileDialogRequest &request, Chooser choose)
{
    FileDialogRequest asked = request;
    for (;;) {
        const std::optional<QString> answer = (this->*choose)(parent, asked);
        if (!answer)
            return std::nullopt;
        const QString chosen = QFileInfo(withDefaultExtension(*answer, request.defaultExtension)).absoluteFilePath();
        if (request.refuseReadOnly && isReadOnlyFile(chosen)) {
            message(parent, {MessageKind::Warning, QStringLiteral("%1 ist schreibgeschützt.").arg(QFileInfo(chosen).fileName()),
                             {MessageButton::Ok}, {}});
            asked.fileName = chosen;
            continue;
        }
        QDir::setCurrent(QFileInfo(chosen).absolutePath());
        return chosen;
    }
}

std::optional<QString> IDesktop::openFileName(QWidget *parent, const FileDialogRequest &request)
{
    return fileName(parent, request, &IDesktop::chooseOpenFile);
}

std::optional<QString> IDesktop::saveFileName(QWidget *parent, const FileDialogRequest &request)
{
    return fileName(parent, request, &IDesktop::chooseSaveFile);
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
    return installedDesktop ? *installedDesktop : qtDesktop();
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
