// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a few bytes near the end of a file with one open and one read, never creating it.
#pragma once

#include <QtGlobal>

namespace Platform {

// Reads up to `size` bytes starting `fromEnd` bytes before the end of the regular
// file at `path` (in the file-name encoding) into `buffer`: one open, one fstat, one
// read and a close. Returns how many bytes were read: 0 when the file is missing,
// unreadable, not a regular file or shorter than `fromEnd`. Safe on any thread.
qsizetype ReadNearEnd(const char *path, qint64 fromEnd, char *buffer, qsizetype size);

} // namespace Platform
