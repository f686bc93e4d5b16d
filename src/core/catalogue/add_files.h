// SPDX-License-Identifier: GPL-3.0-or-later
// Songs the user opens by name: from the command line or the desktop ("Open With").
#pragma once

#include "core/state/model.h"

#include <QStringList>

// Whether the file at `path` may join the catalogue by its name, as a walk takes files.
bool IsSongFile(const QString &path);

// Appends a song for each regular song file among `paths`, as an addition does, then
// tags, sorts and shows the catalogue, with progress shown. Returns the paths of the
// songs added, as the catalogue holds them.
QStringList AddSongFiles(Model &model, const QStringList &paths);
