#pragma once

#include <QByteArray>
#include <QString>

// Replaces the whole file at once: a failure leaves the old file as it
// was. Raises FileCreateError with the full path and the system's reason.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Reads the whole file; raises FileOpenError with the path and the reason.
QByteArray readWholeFile(const QString &path);
