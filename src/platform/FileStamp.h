#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file held when it was read or last written: its size, its time
// and a hash of its bytes, to tell later whether another program changed it.
class TFileStamp
{
public:
    TFileStamp() = default; // for no file yet
    // `bytes` are what was just read from or written to `path`.
    TFileStamp(const QString &path, const QByteArray &bytes);

    // Whether the file now holds other bytes, or is gone. The hash is
    // computed only when the size is the same and the time is not.
    bool changedOnDisk() const;

private:
    QString m_path;
    qint64 m_size = -1;
    QDateTime m_modified;
    QByteArray m_hash;
};
