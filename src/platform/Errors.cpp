#include "platform/Errors.h"

#include <cerrno>
#include <cstring>

TarvexError::TarvexError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

ConversionError ConversionError::invalidInteger(const QString &text)
{
    return ConversionError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
}

ConversionError ConversionError::invalidBoolean(const QString &text)
{
    return ConversionError(QStringLiteral("'%1' ist kein gültiger Boolescher Wert").arg(text));
}

ConversionError ConversionError::invalidFloat(const QString &text)
{
    return ConversionError(QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
}

InOutError InOutError::accessDenied()
{
    return InOutError(QStringLiteral("Dateizugriff verweigert"));
}

InOutError InOutError::fileNotFound()
{
    return InOutError(QStringLiteral("Datei nicht gefunden"));
}

InOutError InOutError::fromSystemError(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return accessDenied();
    case ENOENT:
        return fileNotFound();
    default:
        return InOutError(QStringLiteral("E/A-Fehler %1").arg(errorNumber));
    }
}

FileCreateError::FileCreateError(const QString &path, const QString &reason)
    : TarvexError(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(path, reason))
{
}

FileOpenError::FileOpenError(const QString &path, const QString &reason)
    : TarvexError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(path, reason))
{
}

ProfileWriteError::ProfileWriteError(const QString &path)
    : TarvexError(QStringLiteral("In %1 kann nicht geschrieben werden").arg(path))
{
}

ListIndexError::ListIndexError(qsizetype index)
    : TarvexError(QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(index))
{
}

QString systemErrorReason(int errorNumber)
{
    switch (errorNumber) {
    case 0:
        return QString();
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("Zugriff verweigert");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Das System kann den angegebenen Pfad nicht finden");
    case EISDIR:
        return QStringLiteral("Der Pfad ist ein Ordner");
    case EIO:
        return QStringLiteral("Die Anforderung konnte wegen eines E/A-Gerätefehlers nicht ausgeführt werden");
    case EFBIG:
    case ENOSPC:
        return QStringLiteral("Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden");
    case ENXIO:
        // A FIFO that no program reads from.
        return QStringLiteral("Es ist kein Prozess am anderen Ende der Pipe vorhanden");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Der Prozess kann nicht auf die Datei zugreifen, da sie von einem anderen Prozess verwendet wird");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}
