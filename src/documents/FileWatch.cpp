#include "documents/FileWatch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QList>
#include <QPointer>

namespace {

// One system watch for all files: ending one costs the system a pause of
// about ten milliseconds, which every closed document would wait for.
QFileSystemWatcher &sharedWatcher()
{
    static QPointer<QFileSystemWatcher> watcher;
    if (!watcher)
        watcher = new QFileSystemWatcher(QCoreApplication::instance());
    return *watcher;
}

// A link's target, whose folder sees the replacements that writing through
// the link makes.
QString watchedPath(const QString &path)
{
    const QFileInfo file(path);
    const QString target = file.canonicalFilePath();
    return target.isEmpty() ? file.absoluteFilePath() : target;
}

QList<const TFileWatch *> &liveWatches()
{
    static QList<const TFileWatch *> watches;
    return watches;
}

} // namespace

TFileWatch::TFileWatch(const QString &path, std::function<void()> onChange, QObject *parent)
    : QObject(parent)
    , m_path(watchedPath(path))
    , m_folder(QFileInfo(m_path).absolutePath())
    , m_onChange(std::move(onChange))
{
    QFileSystemWatcher &watcher = sharedWatcher();
    if (!watcher.directories().contains(m_folder))
        watcher.addPath(m_folder);
    watchFile();
    connect(&watcher, &QFileSystemWatcher::fileChanged, this, &TFileWatch::changed);
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &TFileWatch::changed);
    liveWatches().append(this);
}

// Paths another watch still needs stay watched.
TFileWatch::~TFileWatch()
{
    liveWatches().removeOne(this);
    bool fileNeeded = false;
    bool folderNeeded = false;
    for (const TFileWatch *other : std::as_const(liveWatches())) {
        fileNeeded = fileNeeded || other->m_path == m_path;
        folderNeeded = folderNeeded || other->m_folder == m_folder;
    }
    QFileSystemWatcher &watcher = sharedWatcher();
    if (!fileNeeded && watcher.files().contains(m_path))
        watcher.removePath(m_path);
    if (!folderNeeded)
        watcher.removePath(m_folder);
}

// Any change in the folder may be this file's; the receiver tells by the file itself.
void TFileWatch::changed(const QString &path)
{
    if (path != m_path && path != m_folder)
        return;
    watchFile();
    m_onChange();
}

void TFileWatch::watchFile()
{
    QFileSystemWatcher &watcher = sharedWatcher();
    if (QFileInfo::exists(m_path) && !watcher.files().contains(m_path))
        watcher.addPath(m_path);
}
