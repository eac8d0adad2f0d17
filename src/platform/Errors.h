#pragma once

#include <QString>
#include <stdexcept>

// Failures carry the system's German messages; the command boundary
// (CommandGuard) shows them in the application's error report.
class TarvexError : public std::runtime_error
{
public:
    explicit TarvexError(const QString &message);
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// "'%s' ist kein gültiger Integerwert" and other failed text conversions.
class ConversionError : public TarvexError
{
public:
    using TarvexError::TarvexError;
    static ConversionError invalidInteger(const QString &text);
    static ConversionError invalidBoolean(const QString &text);
    static ConversionError invalidFloat(const QString &text);
};

// A grid text file or another stream could not be created, read or written.
class InOutError : public TarvexError
{
public:
    using TarvexError::TarvexError;
    static InOutError accessDenied();
    static InOutError fileNotFound();
    static InOutError fromSystemError(int errorNumber);
};

// Datei "%s" kann nicht erstellt werden. %s
class FileCreateError : public TarvexError
{
public:
    FileCreateError(const QString &path, const QString &reason);
};

// Datei %s kann nicht geöffnet werden. %s
class FileOpenError : public TarvexError
{
public:
    FileOpenError(const QString &path, const QString &reason);
};

// In %s kann nicht geschrieben werden
class ProfileWriteError : public TarvexError
{
public:
    explicit ProfileWriteError(const QString &path);
};

// Listenindex überschreitet das Maximum (%d)
class ListIndexError : public TarvexError
{
public:
    explicit ListIndexError(qsizetype index);
};

class PrinterError : public TarvexError
{
public:
    using TarvexError::TarvexError;
};

// The system's German wording of an errno value, for the "%s" reason part.
QString systemErrorReason(int errorNumber);
