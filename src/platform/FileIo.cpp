#include "platform/FileIo.h"

#include "platform/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {

// Why a file at this path cannot be written, or 0 when nothing speaks
// against it. QSaveFile writes a new file beside the old one and renames
// it, which would succeed even over a read-only file.
int reasonAgainstWriting(const QFileInfo &file)
{
    if (!QFileInfo(file.absolutePath()).isDir())
        return ENOENT;
    if (file.isDir())
        return EISDIR;
    if (file.exists() && !file.isWritable())
        return EACCES;
    return 0;
}

} // namespace

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    const QString fullPath = info.absoluteFilePath();
    if (const int reason = reasonAgainstWriting(info))
        throw FileCreateError(fullPath, systemErrorReason(reason));

    QSaveFile file(fullPath);
    // A writable file in a folder that takes no new files is written in
    // place rather than refused.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        throw FileCreateError(fullPath, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileCreateError(fullPath, file.errorString());
}

QByteArray readWholeFile(const QString &path)
{
    const QFileInfo info(path);
    QFile file(info.absoluteFilePath());
    if (info.isDir())
        throw FileOpenError(info.absoluteFilePath(), systemErrorReason(EISDIR));
    if (!file.open(QIODevice::ReadOnly)) {
        const int reason = !info.exists() ? ENOENT : (!info.isReadable() ? EACCES : 0);
        throw FileOpenError(info.absoluteFilePath(), reason ? systemErrorReason(reason) : file.errorString());
    }
    QByteArray bytes = file.readAll();
    // Half a file must never pass for the whole: it would be written back.
    if (file.error() != QFileDevice::NoError)
        throw FileOpenError(info.absoluteFilePath(), file.errorString());
    return bytes;
}
