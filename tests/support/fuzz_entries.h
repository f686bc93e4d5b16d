// The readers under fuzzing, each fed one input: shared by the fuzz targets and by
// the regression test that replays the corpus and every input that ever failed.
#pragma once

#include <QByteArray>

namespace Fuzz {

// Creates what the readers need (an application object, a private application directory).
void Prepare();

// A playlist file with these bytes, loaded into the catalogue.
void Playlist(const QByteArray &bytes);

// A file with these contents, tagged as an MP3 file is.
void Tag(const QByteArray &bytes);

// A settings file with these bytes, read.
void Settings(const QByteArray &bytes);

} // namespace Fuzz
