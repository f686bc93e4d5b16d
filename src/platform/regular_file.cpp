#include "platform/regular_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

int OpenRegularFile(const QString &path)
{
    // Non-blocking: opening a pipe without a writer would otherwise wait for one forever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool OpenRegularFile(QFile &file, const QString &path)
{
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return false;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

bool IsReadableRegularFile(const QString &path)
{
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace Platform
