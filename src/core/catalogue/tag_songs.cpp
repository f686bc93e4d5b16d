// The tagging pass over the whole catalogue.
#include "core/catalogue/tags.h"

#include "core/state/number_text.h"
#include "core/state/screen.h"
#include "core/state/trim_spaces.h"

namespace Functions {

namespace {
// Tag bytes are ISO-8859-1 text.
template <std::size_t N>
QString FieldText(const std::array<char, N> &field)
{
    return QString::fromLatin1(field.data(), static_cast<qsizetype>(N));
}
} // namespace

void TagSongs(std::vector<Song> &songs, int16_t lastIndex, int16_t count)
{
    if (count == 0)
        return;
    ProgressReport progress(QStringLiteral("Tagging"), QStringLiteral("0"), GroupedNumber(lastIndex));
    for (int i = 0; i <= lastIndex; ++i) {
        Song &song = songs.at(static_cast<std::size_t>(i));
        const TagRecord tag = ReadTag(TrimSpaces(song.LongName));
        song.Artist = CleanTagText(FieldText(tag.Artist));
        song.SongName = CleanTagText(FieldText(tag.Title));
        progress.SetCurrent(QString::number(i));
    }
}

} // namespace Functions
