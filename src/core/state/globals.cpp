// Storage and initial values of the shared state.
#include "core/state/globals.h"

#include "core/playback/queue.h"

#include <limits>

std::vector<Song> Songs;
int16_t SongCount = 0;
int16_t LastSongIndex = 0;

SongPointer CurrentSong{QStringLiteral("CurrentSong"), 0};
SongPointer PreviousSong{QStringLiteral("PreviousSong"), -1};
SongPointer SelectedSong{QStringLiteral("SelectedSong"), -1};

std::vector<SongPointer> Qlist{SongPointer{QueueSentinel, StartSentinelIndex}};
int16_t QCount = 0;

QString SortBy;
QString CdDrive;
int16_t FontSize = 0;
QString SongsStartDir;

void Increment(int16_t &counter)
{
    if (counter == std::numeric_limits<int16_t>::max())
        throw CounterOverflow();
    ++counter;
}

Song &AppendSong(std::vector<Song> &songs, int16_t &lastIndex, int16_t &count)
{
    Increment(count);
    lastIndex = static_cast<int16_t>(count - 1);
    songs.resize(static_cast<std::size_t>(lastIndex) + 1);
    return songs[static_cast<std::size_t>(lastIndex)];
}

void ResetSharedState()
{
    SongCount = 0;
    LastSongIndex = 0;
    EmptyQueue(StartSentinelIndex);
    CurrentSong = {QStringLiteral("CurrentSong"), 0};
    PreviousSong = {QStringLiteral("PreviousSong"), -1};
    SelectedSong = {QStringLiteral("SelectedSong"), -1};
}
