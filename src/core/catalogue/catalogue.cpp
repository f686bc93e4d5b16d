#include "core/catalogue/catalogue.h"

#include "core/state/globals.h"
#include "core/state/number_text.h"
#include "core/state/trim_spaces.h"

#include <stdexcept>

bool IsCatalogueSong(int index)
{
    return SongCount > 0 && index >= 0 && index <= LastSongIndex && static_cast<std::size_t>(index) < Songs.size();
}

const Song &SongAt(int index)
{
    if (!IsCatalogueSong(index))
        throw std::out_of_range("song index outside the catalogue");
    return Songs[static_cast<std::size_t>(index)];
}

int FindSong(const SongPointer &pointer)
{
    const QString path = TrimSpaces(pointer.LongName);
    if (IsCatalogueSong(pointer.Index) && TrimSpaces(SongAt(pointer.Index).LongName) == path)
        return pointer.Index;
    for (int i = 0; IsCatalogueSong(i); ++i) {
        if (TrimSpaces(SongAt(i).LongName) == path)
            return i;
    }
    return -1;
}

bool SelectSong(int index)
{
    if (!IsCatalogueSong(index))
        return false;
    SelectedSong.Index = static_cast<int16_t>(index);
    SelectedSong.LongName = TrimSpaces(SongAt(index).LongName);
    return true;
}

void ClearCatalogue()
{
    Songs.assign(1, Song{});
    SongCount = 0;
    LastSongIndex = 0;
    SelectedSong = {QStringLiteral("NULLSONG"), -1};
}

QString SongTotalText(int16_t count)
{
    // The "#,###" form gives nothing for 0.
    return count < 1 ? QStringLiteral("0") : GroupedNumber(count);
}
