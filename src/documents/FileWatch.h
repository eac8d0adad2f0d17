#pragma once

#include <QObject>
#include <functional>

class QFileSystemWatcher;

// Tells when a file is written, replaced, renamed over or removed. A file
// replaced by another (as editors and atomic writes do) ends the system's
// watch on it, so its folder is watched too and the file watched again
// whenever it is there.
class TFileWatch : public QObject
{
    Q_OBJECT

public:
    TFileWatch(const QString &path, std::function<void()> onChange, QObject *parent);
    ~TFileWatch() override;

private:
    void changed(const QString &path);
    void watchFile();

    QString m_path;
    QString m_folder;
    std::function<void()> m_onChange;
};
