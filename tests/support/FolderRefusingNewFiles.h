#pragma once

#include <QString>

// While it lives, no new file can be created in the folder, while its
// files stay writable. Root ignores permission bits, so for root the
// folder is made immutable instead, which holds for root too; refused()
// is false where the system does not let the test do either.
class FolderRefusingNewFiles
{
public:
    explicit FolderRefusingNewFiles(const QString &folder);
    ~FolderRefusingNewFiles();
    FolderRefusingNewFiles(const FolderRefusingNewFiles &) = delete;
    FolderRefusingNewFiles &operator=(const FolderRefusingNewFiles &) = delete;

    bool refused() const { return m_refused; }

private:
    bool setImmutable(bool on) const;

    QString m_folder;
    bool m_asRoot;
    bool m_refused = false;
};
