// SPDX-License-Identifier: GPL-3.0-or-later
// Adding the music files of a directory tree to the catalogue.
#pragma once

#include "core/state/model.h"

#include <QByteArrayView>
#include <QString>

namespace Functions {

// Whether a file of this name, as the file system gives it, joins the catalogue: its
// name ends in "mp3", with that case ("song.MP3" does not).
bool IsSongName(QByteArrayView name);

// Walks `startDir` and everything below it breadth-first and appends a song for
// every file whose name ends in "mp3", untagged, with progress shown on `screen`.
// Each directory is walked once however many links lead to it; directories and
// entries that cannot be read are passed over. Returns false when the catalogue
// filled up before the walk ended.
bool WalkDirectories(Screen::Surface &screen, const QString &startDir, SongTable &songs);

// WalkDirectories into the model's catalogue, announced as one change.
bool WalkDirectories(Model &model, const QString &startDir);

// What follows a walk: the tree rebuilt and, after an incomplete walk, one message.
void FinishScan(Model &model, bool complete);

// The walk into the model's catalogue, then FinishScan.
void ScanDirectories(Model &model, const QString &startDir);

} // namespace Functions
