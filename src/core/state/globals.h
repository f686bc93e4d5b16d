// The process-wide state every window and procedure reads and writes directly.
#pragma once

#include "core/state/song.h"

#include <QString>
#include <cstdint>
#include <vector>

extern std::vector<Song> Songs;
extern int16_t SongCount;
extern int16_t LastSongIndex;

extern SongPointer CurrentSong;
extern SongPointer PreviousSong;
extern SongPointer SelectedSong;

// Element 0 holds the sentinel whenever the queue is empty (core/playback/queue.h).
extern std::vector<SongPointer> Qlist;
extern int16_t QCount;

extern QString SortBy;
extern QString CdDrive;
extern int16_t FontSize;
extern QString SongsStartDir;

// Raised when a 16-bit counter would pass 32,767.
struct CounterOverflow : std::exception {
    const char *what() const noexcept override { return "Overflow"; }
};

// Adds one to a 16-bit counter; past 32,767 it throws and leaves the counter as it was.
void Increment(int16_t &counter);

// The one growth rule of the catalogue: count the song, then make room for it at
// the end. Throws CounterOverflow (nothing changed) when the catalogue is full.
Song &AppendSong(std::vector<Song> &songs, int16_t &lastIndex, int16_t &count);

// The start-of-run values of the counters, the queue and the song pointers.
void ResetSharedState();
