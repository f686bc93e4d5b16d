// Writes a file whole or not at all, and tells the user when it cannot.
#pragma once

#include <QByteArray>
#include <QString>

namespace Functions {

// Replaces the file at `path` with `contents` through a temporary file; on failure
// the old file stays as it was and a message names the file and the reason.
bool WriteWholeFile(const QString &path, const QByteArray &contents);

// Deletes the file at `path` if there is one; a failure is shown like a failed save.
void DeleteFileIfPresent(const QString &path);

} // namespace Functions
