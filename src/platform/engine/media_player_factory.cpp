// SPDX-License-Identifier: GPL-3.0-or-later
// The media component the program runs with.
#include "platform/media_player.h"

#include "platform/engine/engine_player.h"

MediaPlayer *CreateMediaPlayer() { return new Platform::Engine::EnginePlayer; }
