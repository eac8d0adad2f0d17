#include "documents/ReEnabledEvent.h"

#include <QCoreApplication>

TReEnabledEvent::TReEnabledEvent(quint32 flagWord)
    : QEvent(UM_ReEnabled)
    , m_flagWord(flagWord)
{
}

void SendReEnabled(QObject *documentWindow, quint32 flagWord)
{
    TReEnabledEvent event(flagWord);
    QCoreApplication::sendEvent(documentWindow, &event);
}
