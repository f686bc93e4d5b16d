// MP3 files made at test time: a sine tone encoded by lame, optionally with an ID3v1 tag.
#pragma once

#include <QString>

namespace TestSupport {

bool LameAvailable();

// Writes `seconds` of a 440 Hz tone as an MP3 at `path`; an artist or title given
// adds an ID3v1 tag. Returns false when the encoder is missing or fails.
bool MakeToneMp3(const QString &path, double seconds, const QString &artist = QString(),
                 const QString &title = QString());

} // namespace TestSupport
