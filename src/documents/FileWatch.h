#pragma once

#include <QFileSystemWatcher>
#include <functional>

// Tells when a file is written, replaced, renamed over or removed. A file
// replaced by another (as editors and atomic writes do) ends the system's
// watch on it, so its folder is watched too and the file watched again
// whenever it is there.
class TFileWatch : public QObject
{
    Q_OBJECT

public:
    TFileWatch(const QString &path, std::function<void()> onChange, QObject *parent);

private:
    void changed();
    void watchFile();

    QFileSystemWatcher m_watcher;
    QString m_path;
    std::function<void()> m_onChange;
};
