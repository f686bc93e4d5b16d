// SPDX-License-Identifier: GPL-3.0-or-later
// The tagging pass over the whole catalogue.
#include "core/catalogue/tags.h"

#include "core/state/number_text.h"
#include "core/state/trim_spaces.h"

#include <QFile>

namespace Functions {

TagPass::TagPass(const SongTable &songs, TagReading reading)
    : lastIndex_(songs.SongCount() == 0 ? -1 : songs.LastSongIndex())
{
    if (lastIndex_ < 0)
        return;
    paths_.reserve(static_cast<std::size_t>(lastIndex_) + 1);
    for (int i = 0; i <= lastIndex_; ++i)
        paths_.push_back(QFile::encodeName(TrimSpaces(songs.SongAt(i).LongName)));
    read_.resize(paths_.size());
    // Each worker reads its songs' paths and writes their own entries, nothing else.
    pass_ = std::make_unique<ParallelPass>(lastIndex_, [this, reading](int i) {
        const QByteArray &path = paths_[static_cast<std::size_t>(i)];
        TagTexts &fields = read_[static_cast<std::size_t>(i)];
        if (reading == TagReading::Id3v2) {
            fields = ReadId3v2Texts(path);
            return;
        }
        const TagRecord tag = ReadTag(path);
        fields.artist = CleanTagText(tag.Artist.data(), static_cast<qsizetype>(tag.Artist.size()));
        fields.songName = CleanTagText(tag.Title.data(), static_cast<qsizetype>(tag.Title.size()));
    });
}

void TagPass::Finish(Screen::Surface &screen, SongTable &songs)
{
    if (!pass_)
        return;
    ProgressReport progress(screen, QStringLiteral("Tagging"), QStringLiteral("0"), GroupedNumber(lastIndex_));
    int tagged = -1;
    pass_->Follow([&](int reached) {
        while (tagged < reached) {
            ++tagged;
            Song &song = songs.SongAt(tagged);
            TagTexts &fields = read_[static_cast<std::size_t>(tagged)];
            song.Artist = std::move(fields.artist);
            song.SongName = std::move(fields.songName);
        }
        progress.SetCurrent(QString::number(tagged));
        return true;
    });
}

} // namespace Functions
