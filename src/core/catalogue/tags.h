// SPDX-License-Identifier: GPL-3.0-or-later
// The songs' artist and title from the ID3v1 tag at the end of each file, or from
// the ID3v2 tag at its start where the tagging pass is asked to read that.
#pragma once

#include "core/catalogue/id3v2_tag.h"
#include "core/catalogue/parallel_pass.h"
#include "core/state/screen.h"
#include "core/state/song_table.h"
#include "core/state/tag_reading.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace Functions {

// The ID3v1 tag is the last TagSize bytes of a file; only its first TagUsedBytes,
// the header, title and artist, are ever needed.
constexpr qint64 TagSize = 128;
constexpr qsizetype TagUsedBytes = 63;

// The header, title and artist of the tag of the file at `path`. Never fails: a
// missing, short or untagged file gives the titles "No SongName" and "No Artist",
// and so does a field whose first byte is not between '0' and 'z'.
// The path is in the file-name encoding; safe on any thread.
TagRecord ReadTag(const QByteArray &path);

// ReadTag's record for the first TagUsedBytes bytes of a file's last TagSize bytes,
// all NUL when the file holds none.
TagRecord DecodeTag(const std::array<char, TagUsedBytes> &bytes);

// One fixed-width field's ISO-8859-1 bytes as plain text: cut at the first NUL,
// spaces trimmed. Safe on any thread.
QString CleanTagText(const char *field, qsizetype size);

// The tagging pass: every song gets the artist and song name of its file's tags,
// read as `reading` says. The files are read by several threads at once from the
// start, so that this thread can do other work meanwhile; Finish shows the progress
// and gives each song its fields as its tag comes in.
class TagPass {
public:
    // Starts reading the tags of the songs, taking their paths before it returns;
    // nothing is read without songs.
    TagPass(const SongTable &songs, TagReading reading);
    TagPass(const TagPass &) = delete;
    TagPass &operator=(const TagPass &) = delete;
    // Shows the progress and gives the songs the pass was started on their fields.
    void Finish(Screen::Surface &screen, SongTable &songs);

private:
    const int16_t lastIndex_;
    // The workers read these alone, so the songs may change while they run.
    std::vector<QByteArray> paths_;
    std::vector<TagTexts> read_;
    // Last, so that the reading stops before what it writes to goes.
    std::unique_ptr<ParallelPass> pass_;
};

} // namespace Functions
