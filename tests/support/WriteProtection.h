#pragma once

#include <QString>

// While it lives, a file refuses to be written and a folder refuses new
// files (its own files stay writable). Root ignores permission bits, so
// for root the file or folder is made immutable instead, which holds for
// root too. holds() is false where the system lets the test do neither.
class WriteProtection
{
public:
    explicit WriteProtection(const QString &path);
    ~WriteProtection();
    WriteProtection(const WriteProtection &) = delete;
    WriteProtection &operator=(const WriteProtection &) = delete;

    bool holds() const { return m_holds; }

private:
    bool setImmutable(bool on) const;

    QString m_path;
    bool m_asRoot;
    bool m_holds = false;
};
