// The songs' artist and title from the ID3v1 tag at the end of each file.
#pragma once

#include "core/catalogue/parallel_pass.h"
#include "core/state/screen.h"
#include "core/state/song.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace Functions {

// The header, title and artist of the tag of the file at `path`. Never fails: a
// missing, short or untagged file gives the titles "No SongName" and "No Artist",
// and so does a field whose first byte is not between '0' and 'z'.
// The path is in the file-name encoding; safe on any thread.
TagRecord ReadTag(const QByteArray &path);

// One fixed-width field's ISO-8859-1 bytes as plain text: cut at the first NUL,
// spaces trimmed. Safe on any thread.
QString CleanTagText(const char *field, qsizetype size);

// Gives every song 0..lastIndex the artist and song name of its file's tag, with
// progress shown; the files are read by several threads at once while this thread
// moves the progress counts. Does nothing for an empty catalogue.
void TagSongs(Screen::Surface &screen, std::vector<Song> &songs, int16_t lastIndex, int16_t count);

// TagSongs in two steps, so that the files are read while this thread does other
// work: the reading starts at once, and Finish shows the progress and gives each
// song its fields as its tag comes in.
class TagPass {
public:
    // Starts reading the tags of songs 0..lastIndex from a copy of their paths made
    // here, so the catalogue may change meanwhile; Finish gives the fields to the
    // songs in the same places. Nothing is read for an empty catalogue.
    TagPass(const std::vector<Song> &songs, int16_t lastIndex, int16_t count);
    TagPass(const TagPass &) = delete;
    TagPass &operator=(const TagPass &) = delete;
    // TagSongs' progress and fields, for the songs the pass was started on.
    void Finish(Screen::Surface &screen, std::vector<Song> &songs);

private:
    struct Fields {
        QString artist;
        QString songName;
    };
    const int16_t lastIndex_;
    std::vector<QByteArray> paths_;
    std::vector<Fields> read_;
    // Last, so that the reading stops before what it writes to goes.
    std::unique_ptr<ParallelPass> pass_;
};

} // namespace Functions
