// SPDX-License-Identifier: GPL-3.0-or-later
// A song's artist and title from the ID3v2 tag at the start of its file.
#pragma once

#include <QByteArray>
#include <QString>

namespace Functions {

// A song's artist and title as its file's tags give them.
struct TagTexts {
    QString artist;
    QString songName;
};

// The artist (TPE1, TP1 in version 2.2) and title (TIT2, TT2) of the ID3v2 tag that
// starts the file at `path`, with their Unicode letters and without the spaces and
// NULs around them. A text the tag lacks or leaves empty is the one the ID3v1 tag
// gives, "No Artist" or "No SongName" included. Reads no more than the file holds,
// through one open. The path is in the file-name encoding; safe on any thread.
TagTexts ReadId3v2Texts(const QByteArray &path);

} // namespace Functions
