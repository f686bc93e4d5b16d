// The catalogue's record of a song pointer, looked up again only when the pointer or
// the size of the catalogue changes: the desktop asks ten times a second, and a
// pointer to no song of a large catalogue costs a search of all of it.
#pragma once

#include "core/catalogue/catalogue.h"
#include "core/state/globals.h"

#include <optional>

namespace Desktop {

class RememberedSong {
public:
    // The song `pointer` names, or null when the catalogue holds none.
    const Song *Of(const SongPointer &pointer)
    {
        if (pointer.LongName != pointer_.LongName || pointer.Index != pointer_.Index || SongCount != count_) {
            pointer_ = pointer;
            count_ = SongCount;
            index_ = FindSong(pointer);
            song_ = index_ < 0 ? std::nullopt : std::optional<Song>(SongAt(index_));
        }
        return song_ ? &*song_ : nullptr;
    }
    // Where the song stood when it was looked up.
    int Index() const { return index_; }

private:
    SongPointer pointer_{QString(), -1};
    int count_ = -1;
    int index_ = -1;
    std::optional<Song> song_;
};

} // namespace Desktop
