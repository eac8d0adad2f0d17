#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QMimeData;
class QWidget;

// The one local file that dragged `data` carries; nothing for a folder,
// several files or an address that is not a local file.
std::optional<QString> DroppedFile(const QMimeData *data);

// Lets a window take one file dropped on it. A drag is accepted, and the
// cursor shows it, only while `canOpen` says so and the drag carries one
// local file; a drop then hands the file to `open`. The file is copied,
// never moved: the file manager keeps it.
class TFileDrop : public QObject
{
public:
    TFileDrop(QWidget *window, std::function<bool()> canOpen, std::function<void(const QString &)> open);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool()> m_canOpen;
    std::function<void(const QString &)> m_open;
};
