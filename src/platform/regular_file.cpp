// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regular_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {
int OpenRegularPath(const QString &path)
{
    qint64 size = 0;
    return OpenRegularFile(QFile::encodeName(path).constData(), size);
}
} // namespace

int OpenRegularFile(const char *path, qint64 &size)
{
    // Non-blocking: opening a pipe without a writer would otherwise wait for one
    // forever. The flag may stay: reads of a regular file never block on it.
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    size = st.st_size;
    return fd;
}

bool OpenRegularFile(QFile &file, const QString &path)
{
    const int fd = OpenRegularPath(path);
    if (fd < 0)
        return false;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

bool IsReadableRegularFile(const QString &path)
{
    const int fd = OpenRegularPath(path);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace Platform
