// SPDX-License-Identifier: GPL-3.0-or-later
// The readers under fuzzing, shared by the fuzz targets and the test that replays their inputs.
#pragma once

#include <QByteArray>

namespace Fuzz {

// Creates what the readers need (an application object, a private application directory).
void Prepare();

// A playlist file with these bytes, loaded into the catalogue.
void Playlist(const QByteArray &bytes);

// A file with these contents, tagged as an MP3 file is.
void Tag(const QByteArray &bytes);

// A file with these contents, its artist and title read from its ID3v2 tag.
void Id3v2(const QByteArray &bytes);

// A settings file with these bytes, read.
void Settings(const QByteArray &bytes);

} // namespace Fuzz
