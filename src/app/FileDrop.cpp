#include "app/FileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

std::optional<QString> DroppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    const QFileInfo file(urls.front().toLocalFile());
    if (!file.isFile())
        return std::nullopt;
    return file.absoluteFilePath();
}

TFileDrop::TFileDrop(QWidget *window, std::function<bool()> canOpen, std::function<void(const QString &)> open)
    : QObject(window)
    , m_canOpen(std::move(canOpen))
    , m_open(std::move(open))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool TFileDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    // Drag enter and drag move events are drop events too.
    auto *drop = static_cast<QDropEvent *>(event);
    const std::optional<QString> file = m_canOpen() ? DroppedFile(drop->mimeData()) : std::nullopt;
    if (!file || !(drop->possibleActions() & Qt::CopyAction)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // Opened once the drop has ended: a long load or an error box must not
    // keep the file manager's drag waiting.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(this, [this, path = *file] { m_open(path); }, Qt::QueuedConnection);
    return true;
}
