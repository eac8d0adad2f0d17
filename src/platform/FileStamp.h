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
    // `bytes` are what was just read from or written to `path`; `modified`
    // is the file's time before it was read (a write during the read then
    // shows as a later time), or after it was written.
    TFileStamp(const QString &path, const QByteArray &bytes, const QDateTime &modified);
    static QDateTime ModifiedTime(const QString &path);

    // Whether the file now holds other bytes, or is gone. The hash is
    // computed only when the size is the same and the time is not.
    bool changedOnDisk() const;

private:
    QString m_path;
    qint64 m_size = -1;
    mutable QDateTime m_modified; // moves on when a new time comes with the same bytes
    QByteArray m_hash;
};
