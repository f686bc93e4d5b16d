// SPDX-License-Identifier: GPL-3.0-or-later
// Queueing a song of the catalogue.
#pragma once

#include "core/state/model.h"

#include <QString>

// The queue's row text of a song: trimmed artist, " - ", trimmed song name.
QString QueueRowText(const Song &song);

// Appends a copy of `song` (a song of the catalogue; throws std::out_of_range for
// any other) to the queue. A full queue (32,767 entries) refuses it with a message;
// returns whether it was queued.
bool QueueSong(Model &model, const SongPointer &song);
