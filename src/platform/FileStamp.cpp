#include "platform/FileStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

QDateTime modifiedTime(const QString &path)
{
    return QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
}

} // namespace

TFileStamp::TFileStamp(const QString &path, const QByteArray &bytes)
    : m_path(path)
    , m_size(bytes.size())
    , m_modified(modifiedTime(path))
    , m_hash(hashOf(bytes))
{
}

bool TFileStamp::changedOnDisk() const
{
    if (m_path.isEmpty())
        return false;
    const QFileInfo now(m_path);
    if (!now.isFile() || now.size() != m_size)
        return true;
    if (now.fileTime(QFileDevice::FileModificationTime) == m_modified)
        return false;
    // A new time may come with the same bytes (a file touched, or written back as it was).
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    return hashOf(file.readAll()) != m_hash;
}
