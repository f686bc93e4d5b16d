// SPDX-License-Identifier: GPL-3.0-or-later
// Adding songs to the catalogue: the songs of a directory tree ("Add Directorys", the
// CD button) or files opened by name, then tagged, sorted and shown.
#pragma once

#include "core/state/model.h"

#include <QString>
#include <QStringList>

// Functions::IsSongName for the name of the file at `path`.
bool IsSongFile(const QString &path);

// Adds a song for every song file of `startDir` and the directories below it, then
// tags, sorts and shows the catalogue, under one progress window.
void AddDirectory(Model &model, const QString &startDir);

// Adds a song for each regular song file among `paths`, then tags, sorts and shows the
// catalogue, under one progress window. Returns the paths of the songs added, as the
// catalogue holds them.
QStringList AddSongFiles(Model &model, const QStringList &paths);
