// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a file whole or not at all, and tells the user when it cannot.
#pragma once

#include "core/state/screen.h"

#include <QByteArray>
#include <QString>

namespace Functions {

// Replaces the file at `path` with `contents` through a temporary file; on failure
// the old file stays as it was and a message on `screen` names the file and the reason.
bool WriteWholeFile(Screen::Surface &screen, const QString &path, const QByteArray &contents);

// Deletes the file at `path` if there is one; a failure is shown like a failed save.
void DeleteFileIfPresent(Screen::Surface &screen, const QString &path);

} // namespace Functions
