// Reaching, choosing and clearing the songs of the catalogue.
#pragma once

#include "core/state/song.h"

#include <QString>

// True when `index` names a song of the catalogue (after Clear, element 0 is no song).
bool IsCatalogueSong(int index);

// The song at `index`; throws std::out_of_range for an index outside the catalogue.
const Song &SongAt(int index);

// The index of the song that `pointer` names: its remembered index while that song is
// still there, else the first song of that path; -1 when the catalogue has none.
int FindSong(const SongPointer &pointer);

// Makes song `index` the selected song, its path without surrounding spaces. An
// index outside the catalogue selects nothing; returns whether it selected.
bool SelectSong(int index);

// Empties the catalogue: one blank record, no songs, nothing selected. The queue,
// the current and previous songs and the player are left as they are.
void ClearCatalogue();

// The text of the song count: "0", or the count in the "#,###" form.
QString SongTotalText(int16_t count);
