// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a file for reading only when it is a regular file, without ever blocking
// on a pipe or a device that stands under its name.
#pragma once

#include <QString>

class QFile;

namespace Platform {

// A read-only descriptor of the regular file at `path`, given in the file-name
// encoding, and its size in `size`; -1 when the file is missing, unreadable or not
// a regular file. The caller closes it.
int OpenRegularFile(const char *path, qint64 &size);

// Opens `file` for reading on the regular file at `path`; false, with `file` left
// closed, in every other case.
bool OpenRegularFile(QFile &file, const QString &path);

// True when the file at `path` is a regular file that can be read.
bool IsReadableRegularFile(const QString &path);

} // namespace Platform
