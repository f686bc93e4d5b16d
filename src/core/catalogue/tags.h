// The songs' artist and title from the ID3v1 tag at the end of each file.
#pragma once

#include "core/state/song.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace Functions {

// The header, title and artist of the tag of the file at `path`. Never fails: a
// missing, short or untagged file gives the titles "No SongName" and "No Artist",
// and so does a field whose first byte is not between '0' and 'z'.
TagRecord ReadTag(const QString &path);

// The same for a path in the file-name encoding; safe on any thread.
TagRecord ReadTag(const QByteArray &path);

// One fixed-width field as plain text: cut at the first NUL, spaces trimmed.
QString CleanTagText(const QString &field);

// The same straight from a field's ISO-8859-1 bytes; safe on any thread.
QString CleanTagText(const char *field, qsizetype size);

// Gives every song 0..lastIndex the artist and song name of its file's tag, with
// progress shown; the files are read by several threads at once while this thread
// moves the progress counts. Does nothing for an empty catalogue.
void TagSongs(std::vector<Song> &songs, int16_t lastIndex, int16_t count);

} // namespace Functions
