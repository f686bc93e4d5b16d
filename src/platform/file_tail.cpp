#include "platform/file_tail.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

qsizetype ReadNearEnd(const QString &path, qint64 fromEnd, char *buffer, qsizetype size)
{
    const QByteArray native = QFile::encodeName(path);
    // Non-blocking, so that a pipe or device under a song's name cannot hang the open.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return 0;
    qsizetype got = 0;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= fromEnd) {
        const ssize_t n = ::pread(fd, buffer, static_cast<size_t>(size), st.st_size - fromEnd);
        got = n > 0 ? static_cast<qsizetype>(n) : 0;
    }
    ::close(fd);
    return got;
}

} // namespace Platform
