#include "documents/FileWatch.h"

#include <QFileInfo>

TFileWatch::TFileWatch(const QString &path, std::function<void()> onChange, QObject *parent)
    : QObject(parent)
    , m_path(QFileInfo(path).absoluteFilePath())
    , m_onChange(std::move(onChange))
{
    m_watcher.addPath(QFileInfo(m_path).absolutePath());
    watchFile();
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &TFileWatch::changed);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &TFileWatch::changed);
}

// Any change in the folder may be this file's; the receiver tells by the file itself.
void TFileWatch::changed()
{
    watchFile();
    m_onChange();
}

void TFileWatch::watchFile()
{
    if (QFileInfo::exists(m_path) && !m_watcher.files().contains(m_path))
        m_watcher.addPath(m_path);
}
