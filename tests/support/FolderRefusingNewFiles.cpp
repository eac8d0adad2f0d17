#include "support/FolderRefusingNewFiles.h"

#include <QFile>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr QFileDevice::Permissions readAndEnter =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup;

} // namespace

FolderRefusingNewFiles::FolderRefusingNewFiles(const QString &folder)
    : m_folder(folder)
    , m_asRoot(geteuid() == 0)
{
    m_refused = m_asRoot ? setImmutable(true) : QFile::setPermissions(m_folder, readAndEnter);
}

FolderRefusingNewFiles::~FolderRefusingNewFiles()
{
    if (!m_refused)
        return;
    if (m_asRoot)
        setImmutable(false);
    else
        QFile::setPermissions(m_folder, readAndEnter | QFileDevice::WriteOwner);
}

bool FolderRefusingNewFiles::setImmutable(bool on) const
{
    const int descriptor = open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return false;
    int flags = 0;
    bool done = ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(descriptor);
    return done;
}
