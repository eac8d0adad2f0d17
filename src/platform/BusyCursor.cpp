#include "platform/BusyCursor.h"

#include <QGuiApplication>

namespace {

// Without a window system (a command-line program) there is no cursor.
bool hasCursors()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

} // namespace

TBusyCursor::TBusyCursor()
    : m_set(hasCursors())
{
    if (m_set)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

TBusyCursor::~TBusyCursor()
{
    if (m_set)
        QGuiApplication::restoreOverrideCursor();
}

TNormalCursor::TNormalCursor()
{
    if (!hasCursors())
        return;
    while (const QCursor *cursor = QGuiApplication::overrideCursor()) {
        m_lifted.append(*cursor);
        QGuiApplication::restoreOverrideCursor();
    }
}

TNormalCursor::~TNormalCursor()
{
    for (qsizetype i = m_lifted.size() - 1; i >= 0; --i)
        QGuiApplication::setOverrideCursor(m_lifted.at(i));
}
