// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the jukebox, owned by a few objects that announce their changes: the
// catalogue, the queue, the song pointers, the settings and the player's options,
// with the work under way and the screen they are shown on.
#pragma once

#include "core/state/catalogue.h"
#include "core/state/player_options.h"
#include "core/state/screen.h"
#include "core/state/settings.h"
#include "core/state/song_pointers.h"
#include "core/state/song_queue.h"
#include "core/state/work_under_way.h"

struct Model {
    Catalogue catalogue;
    SongQueue queue;
    SongPointers pointers;
    Settings settings;
    PlayerOptions options;
    WorkUnderWay work;
    Screen::Surface screen{work};
};
