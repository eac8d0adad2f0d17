#pragma once

#include <QByteArray>
#include <QString>

// Replaces the whole file at once: a failure leaves the old file as it
// was. Only a writable file in a folder that refuses new files is
// overwritten in place instead, as nothing can be put beside it; an
// existing target that is no regular file (a FIFO, a device, a pipe named
// by /dev/stdout) is written into, never replaced. Raises
// FileCreateError with the full path and the system's reason, also for a
// write cut short and for a FIFO that no program reads from.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Reads the whole file; raises FileOpenError with the path and the reason.
QByteArray readWholeFile(const QString &path);

// Whether `path` names the file that the open `descriptor` writes to
// (/dev/stdout when standard output is that file): the same node, not
// merely the same name.
bool NamesOpenFile(int descriptor, const QString &path);
