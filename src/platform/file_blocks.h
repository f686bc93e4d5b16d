// SPDX-License-Identifier: GPL-3.0-or-later
// Reading blocks of a regular file at chosen places through one open, never
// blocking on a pipe or a device that stands under its name.
#pragma once

#include <QtGlobal>

namespace Platform {

class FileBlocks {
public:
    // Opens the regular file at `path`, given in the file-name encoding; a missing,
    // unreadable or irregular file reads as an empty one.
    explicit FileBlocks(const char *path);
    ~FileBlocks();
    FileBlocks(const FileBlocks &) = delete;
    FileBlocks &operator=(const FileBlocks &) = delete;

    qint64 size() const { return size_; }
    // Reads up to `size` bytes from `offset` into `buffer` with one system call;
    // returns how many it read, 0 past the end or on an error.
    qsizetype Read(qint64 offset, char *buffer, qsizetype size) const;

private:
    qint64 size_ = 0;
    int fd_ = -1;
};

} // namespace Platform
