#include "app/AboutExport.h"

#include "platform/Desktop.h"
#include "util/PathHelpers.h"

#include <QDir>
#include <QFileInfo>

namespace {

FileDialogRequest ExportDialog(const QString &fileName)
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Text files (*.txt)|*.txt");
    request.defaultExtension = QStringLiteral(".txt");
    request.initialDir = QDir::homePath();
    request.fileName = fileName;
    request.refuseReadOnly = true;
    return request;
}

} // namespace

QString AboutExportFileName(const QString &programFilePath)
{
    const QString name = FileNamePart(programFilePath);
    const qsizetype dot = name.lastIndexOf(u'.');
    return FolderPart(programFilePath) + (dot < 0 ? name : name.left(dot)) + u".txt";
}

std::optional<QString> AboutExportTarget(QWidget *parent, const QString &programFilePath)
{
    const QFileInfo besideProgram(AboutExportFileName(programFilePath));
    if (QFileInfo(besideProgram.absolutePath()).isWritable())
        return besideProgram.filePath();
    const std::optional<QString> chosen = desktop().saveFileName(parent, ExportDialog(besideProgram.fileName()));
    if (!chosen || !QFileInfo::exists(*chosen))
        return chosen;
    // The dialog leaves the question to us; the file beside the program is the program's own.
    const MessageRequest question{MessageKind::Confirmation, QStringLiteral("File exists! Overwrite?"),
                                  {MessageButton::Yes, MessageButton::No}, {}};
    if (desktop().message(parent, question) != MessageButton::Yes)
        return std::nullopt;
    return chosen;
}
