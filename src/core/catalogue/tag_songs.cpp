// The tagging pass over the whole catalogue.
#include "core/catalogue/tags.h"

#include "core/state/number_text.h"
#include "core/state/trim_spaces.h"

#include <QFile>
#include <stdexcept>

namespace Functions {

TagPass::TagPass(const std::vector<Song> &songs, int16_t lastIndex, int16_t count)
    : lastIndex_(count == 0 ? -1 : lastIndex)
{
    if (lastIndex_ < 0)
        return;
    if (static_cast<std::size_t>(lastIndex_) >= songs.size())
        throw std::out_of_range("last index outside the catalogue");
    const auto size = static_cast<std::size_t>(lastIndex_) + 1;
    paths_.reserve(size);
    for (std::size_t i = 0; i < size; ++i)
        paths_.push_back(QFile::encodeName(TrimSpaces(songs[i].LongName)));
    read_.resize(size);
    // Each worker reads its songs' paths and writes their own entries, nothing else.
    pass_ = std::make_unique<ParallelPass>(lastIndex_, [this](int i) {
        const TagRecord tag = ReadTag(paths_[static_cast<std::size_t>(i)]);
        Fields &fields = read_[static_cast<std::size_t>(i)];
        fields.artist = CleanTagText(tag.Artist.data(), static_cast<qsizetype>(tag.Artist.size()));
        fields.songName = CleanTagText(tag.Title.data(), static_cast<qsizetype>(tag.Title.size()));
    });
}

void TagPass::Finish(Screen::Surface &screen, std::vector<Song> &songs)
{
    if (!pass_)
        return;
    ProgressReport progress(screen, QStringLiteral("Tagging"), QStringLiteral("0"), GroupedNumber(lastIndex_));
    int tagged = -1;
    pass_->Follow([&](int reached) {
        while (tagged < reached) {
            ++tagged;
            Song &song = songs.at(static_cast<std::size_t>(tagged));
            Fields &fields = read_[static_cast<std::size_t>(tagged)];
            song.Artist = std::move(fields.artist);
            song.SongName = std::move(fields.songName);
        }
        progress.SetCurrent(QString::number(tagged));
    });
}

void TagSongs(Screen::Surface &screen, std::vector<Song> &songs, int16_t lastIndex, int16_t count)
{
    TagPass pass(songs, lastIndex, count);
    pass.Finish(screen, songs);
}

} // namespace Functions
