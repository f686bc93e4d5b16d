// SPDX-License-Identifier: GPL-3.0-or-later
// The application directory: the folder whose playlists and settings the program
// reads and writes, one folder for the whole run.
#pragma once

#include <QString>

namespace Platform {

// Decided on first use and kept for the run, so that no run reads or writes half its
// files in one place and half in another.
QString ApplicationDirectory();

// Full path of a file of the application directory.
QString ApplicationFile(const QString &name);

// The folder of files for a program held in `programDir`: that folder itself where
// it can be written and is no installed copy (a build tree, a portable copy);
// otherwise "korvel" in the user's data directory ($XDG_DATA_HOME, by default
// ~/.local/share), which the first save creates.
QString FilesDirectoryFor(const QString &programDir);

// Tests and benchmarks point the program at a directory of their own.
void SetApplicationDirectory(const QString &dir);

} // namespace Platform
