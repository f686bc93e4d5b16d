// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_blocks.h"

#include "platform/regular_file.h"

#include <unistd.h>

namespace Platform {

FileBlocks::FileBlocks(const char *path) : fd_(OpenRegularFile(path, size_))
{
    if (fd_ < 0)
        size_ = 0;
}

FileBlocks::~FileBlocks()
{
    if (fd_ >= 0)
        ::close(fd_);
}

qsizetype FileBlocks::Read(qint64 offset, char *buffer, qsizetype size) const
{
    if (fd_ < 0 || size <= 0)
        return 0;
    const ssize_t got = ::pread(fd_, buffer, static_cast<size_t>(size), offset);
    return got > 0 ? static_cast<qsizetype>(got) : 0;
}

} // namespace Platform
