#include "platform/file_tail.h"

#include "platform/regular_file.h"

#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

qsizetype ReadNearEnd(const QString &path, qint64 fromEnd, char *buffer, qsizetype size)
{
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return 0;
    qsizetype got = 0;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size >= fromEnd) {
        const ssize_t n = ::pread(fd, buffer, static_cast<size_t>(size), st.st_size - fromEnd);
        got = n > 0 ? static_cast<qsizetype>(n) : 0;
    }
    ::close(fd);
    return got;
}

} // namespace Platform
