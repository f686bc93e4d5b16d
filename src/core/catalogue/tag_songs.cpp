// The tagging pass over the whole catalogue.
#include "core/catalogue/tags.h"

#include "core/catalogue/parallel_pass.h"
#include "core/state/number_text.h"
#include "core/state/screen.h"
#include "core/state/trim_spaces.h"

#include <QFile>
#include <stdexcept>

namespace Functions {

namespace {
// Touches nothing but this song's fields, so songs are tagged on several threads at once.
void TagSong(Song &song)
{
    const TagRecord tag = ReadTag(QFile::encodeName(TrimSpaces(song.LongName)));
    song.Artist = CleanTagText(tag.Artist.data(), static_cast<qsizetype>(tag.Artist.size()));
    song.SongName = CleanTagText(tag.Title.data(), static_cast<qsizetype>(tag.Title.size()));
}
} // namespace

void TagSongs(std::vector<Song> &songs, int16_t lastIndex, int16_t count)
{
    if (count == 0)
        return;
    if (lastIndex < 0 || static_cast<std::size_t>(lastIndex) >= songs.size())
        throw std::out_of_range("last index outside the catalogue");
    ProgressReport progress(QStringLiteral("Tagging"), QStringLiteral("0"), GroupedNumber(lastIndex));
    ParallelPass(
        lastIndex, [&songs](int i) { TagSong(songs[static_cast<std::size_t>(i)]); },
        [&progress](int tagged) { progress.SetCurrent(QString::number(tagged)); });
}

} // namespace Functions
