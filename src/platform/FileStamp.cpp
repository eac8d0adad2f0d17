#include "platform/FileStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

} // namespace

TFileStamp::TFileStamp(const QString &path, const QByteArray &bytes, const QDateTime &modified)
    : m_path(path)
    , m_size(bytes.size())
    , m_modified(modified)
    , m_hash(hashOf(bytes))
{
}

QDateTime TFileStamp::ModifiedTime(const QString &path)
{
    return QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
}

bool TFileStamp::changedOnDisk() const
{
    if (m_path.isEmpty())
        return false;
    const QFileInfo now(m_path);
    if (!now.isFile() || now.size() != m_size)
        return true;
    const QDateTime modified = now.fileTime(QFileDevice::FileModificationTime);
    if (modified == m_modified)
        return false;
    // A new time may come with the same bytes (a file touched, or written
    // back as it was); then the next look need not read them again.
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) || hashOf(file.readAll()) != m_hash)
        return true;
    m_modified = modified;
    return false;
}
