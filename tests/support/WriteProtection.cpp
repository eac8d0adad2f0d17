#include "support/WriteProtection.h"

#include <QFile>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr QFileDevice::Permissions readAndEnter =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup;

} // namespace

WriteProtection::WriteProtection(const QString &path)
    : m_path(path)
    , m_asRoot(geteuid() == 0)
{
    m_holds = m_asRoot ? setImmutable(true) : QFile::setPermissions(m_path, readAndEnter);
}

WriteProtection::~WriteProtection()
{
    if (!m_holds)
        return;
    if (m_asRoot)
        setImmutable(false);
    else
        QFile::setPermissions(m_path, readAndEnter | QFileDevice::WriteOwner);
}

bool WriteProtection::setImmutable(bool on) const
{
    const int descriptor = open(QFile::encodeName(m_path).constData(), O_RDONLY);
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
