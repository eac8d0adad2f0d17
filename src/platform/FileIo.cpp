#include "platform/FileIo.h"

#include "platform/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool folderTakesNewFiles(const QFileInfo &file)
{
    return QFileInfo(file.absolutePath()).isWritable();
}

// Only a regular file, or a missing one, may be replaced by another.
bool replaceable(const QFileInfo &file)
{
    return (!file.exists() || file.isFile()) && folderTakesNewFiles(file);
}

// Why a file at this path cannot be written, or 0 when nothing speaks
// against it. QSaveFile writes a new file beside the old one and renames
// it, which would succeed even over a read-only file.
int reasonAgainstWriting(const QFileInfo &file)
{
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return ENOENT;
    if (file.isDir())
        return EISDIR;
    if (file.exists() && !file.isWritable())
        return EACCES;
    if (!file.exists() && !folderTakesNewFiles(file))
        return EACCES;
    return 0;
}

// The system's reason for the failure that just happened, in the system's
// words where it has one.
QString failureReason(const QFileDevice &file, int errorNumber)
{
    return errorNumber != 0 ? systemErrorReason(errorNumber) : file.errorString();
}

// Whether every byte reached the system; a full disk cuts a write short.
bool writtenWhole(QFileDevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size() && file.flush();
}

void replaceWhole(const QString &fullPath, const QByteArray &bytes)
{
    QSaveFile file(fullPath);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw FileCreateError(fullPath, failureReason(file, errno));
    // commit() renames even when the buffered rest could not be written
    // (a full disk), so the flush is checked on its own.
    if (!writtenWhole(file, bytes)) {
        const int errorNumber = errno;
        file.cancelWriting();
        throw FileCreateError(fullPath, failureReason(file, errorNumber));
    }
    if (!file.commit())
        throw FileCreateError(fullPath, failureReason(file, errno));
}

// For a writable file in a folder that refuses new files (a shared
// configuration folder), where no replacement can be put beside it, and for
// a FIFO, a device or a pipe: what reads from it gets the bytes, and the
// node itself stays. A FIFO nobody reads from would hold the open for ever,
// so the open does not wait, and the writes then wait as usual.
void writeInPlace(const QString &fullPath, const QByteArray &bytes)
{
    const int descriptor = ::open(QFile::encodeName(fullPath).constData(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0 || ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0) {
        const int errorNumber = errno;
        if (descriptor >= 0)
            ::close(descriptor);
        throw FileCreateError(fullPath, systemErrorReason(errorNumber));
    }
    QFile file;
    file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    errno = 0;
    if (!writtenWhole(file, bytes))
        throw FileCreateError(fullPath, failureReason(file, errno));
}

} // namespace

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    const QString fullPath = info.absoluteFilePath();
    if (const int reason = reasonAgainstWriting(info))
        throw FileCreateError(fullPath, systemErrorReason(reason));
    if (replaceable(info))
        replaceWhole(fullPath, bytes);
    else
        writeInPlace(fullPath, bytes);
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
    errno = 0;
    QByteArray bytes = file.readAll();
    // Half a file must never pass for the whole: it would be written back.
    if (file.error() != QFileDevice::NoError)
        throw FileOpenError(info.absoluteFilePath(), failureReason(file, errno));
    return bytes;
}

bool NamesOpenFile(int descriptor, const QString &path)
{
    struct stat open {};
    struct stat named {};
    return ::fstat(descriptor, &open) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}
