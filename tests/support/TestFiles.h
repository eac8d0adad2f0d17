#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A fresh folder per test; files are written and read back as raw bytes.
class TestFolder
{
public:
    TestFolder();
    QString path(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// A text as UTF-16 LE bytes behind the byte order mark FF FE, as grid
// text files hold it.
QByteArray utf16LeFile(const QString &text);

// Restores the process's current directory when the test ends.
class CurrentDirectoryGuard
{
public:
    CurrentDirectoryGuard() : m_saved(QDir::currentPath()) {}
    ~CurrentDirectoryGuard() { QDir::setCurrent(m_saved); }

private:
    QString m_saved;
};
