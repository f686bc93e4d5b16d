// Reaching a song of the catalogue by its index, as the views and the player see it.
#pragma once

#include "state/globals.h"

#include <stdexcept>

namespace Playback {

// True when `index` names a song of the catalogue (after Clear, element 0 is no song).
inline bool IsCatalogueSong(int index)
{
    return SongCount > 0 && index >= 0 && index <= LastSongIndex && static_cast<std::size_t>(index) < Songs.size();
}

// The song at `index`; throws std::out_of_range for an index outside the catalogue.
inline const Song &SongAt(int index)
{
    if (!IsCatalogueSong(index))
        throw std::out_of_range("song index outside the catalogue");
    return Songs[static_cast<std::size_t>(index)];
}

} // namespace Playback
