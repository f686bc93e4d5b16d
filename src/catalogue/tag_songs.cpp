// The tagging pass over the whole catalogue.
#include "catalogue/tags.h"

#include "dialogs/progress.h"
#include "platform/number_form.h"
#include "state/trim_spaces.h"

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
    Progress progress(QStringLiteral("Tagging"), QStringLiteral("0"), Platform::GroupedNumber(lastIndex));
    for (int i = 0; i <= lastIndex; ++i) {
        Song &song = songs.at(static_cast<std::size_t>(i));
        const TagRecord tag = ReadTag(TrimSpaces(song.LongName));
        song.Artist = CleanTagText(FieldText(tag.Artist));
        song.SongName = CleanTagText(FieldText(tag.Title));
        progress.SetCurrent(QString::number(i));
    }
}

} // namespace Functions
