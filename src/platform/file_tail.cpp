// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_tail.h"

#include "platform/regular_file.h"

#include <unistd.h>

namespace Platform {

qsizetype ReadNearEnd(const char *path, qint64 fromEnd, char *buffer, qsizetype size)
{
    qint64 length = 0;
    const int fd = OpenRegularFile(path, length);
    if (fd < 0)
        return 0;
    qsizetype got = 0;
    if (length >= fromEnd) {
        const ssize_t n = ::pread(fd, buffer, static_cast<size_t>(size), length - fromEnd);
        got = n > 0 ? static_cast<qsizetype>(n) : 0;
    }
    ::close(fd);
    return got;
}

} // namespace Platform
