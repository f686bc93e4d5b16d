// SPDX-License-Identifier: GPL-3.0-or-later
// What the engine's thread tells the player's owner, each notice tagged with the
// opening and the timeline it belongs to, so that a late one can be told apart.
#pragma once

#include <cstdint>
#include <string>

namespace Platform::Engine {

struct Notice {
    enum class Kind {
        Loaded,   // the file is ready and plays (or waits paused); seconds: its length, 0 unknown
        Failed,   // the file cannot be played; detail: why
        Duration, // the length became known or changed; seconds: the length
        Position, // seconds: where playback stands
        Seeked,   // a seek is done; seconds: the position reached
        Ended,    // playback reached the end of the file, or could go no further; detail: why, when it failed
    };
    Kind kind;
    // The Open the notice belongs to.
    uint64_t opening;
    // Open, Stop and each seek start a timeline of positions: the one of the notice.
    uint64_t timeline;
    double seconds = 0;
    std::string detail = {};
};

} // namespace Platform::Engine
