// Reading a few bytes near the end of a file with one open and one read, never creating it.
#pragma once

#include <QString>

namespace Platform {

// Reads up to `size` bytes starting `fromEnd` bytes before the end of the regular
// file at `path` into `buffer`. Returns how many bytes were read: 0 when the file
// is missing, unreadable, not a regular file or shorter than `fromEnd`.
qsizetype ReadNearEnd(const QString &path, qint64 fromEnd, char *buffer, qsizetype size);

} // namespace Platform
