#pragma once

#include <QEvent>
#include <QtGlobal>

class QObject;

// The reload notification: the first user message number 1024 plus 157.
inline constexpr QEvent::Type UM_ReEnabled = static_cast<QEvent::Type>(1181);

// Tells a document window to rebuild its text from its in-memory INI file.
// It carries the sender's flag word, which the document does not need.
class TReEnabledEvent : public QEvent
{
public:
    explicit TReEnabledEvent(quint32 flagWord = 0);
    quint32 flagWord() const { return m_flagWord; }

private:
    quint32 m_flagWord;
};

// Delivers the notification synchronously: the document has rebuilt its
// text when this returns.
void SendReEnabled(QObject *documentWindow, quint32 flagWord = 0);
