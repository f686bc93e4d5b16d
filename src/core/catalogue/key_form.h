// The three forms in which the catalogue sorts and lists its songs: "AS" (artist
// then song), "SA" (song then artist) and "F" (file name).
#pragma once

#include <QString>
#include <optional>

namespace Functions {

enum class KeyForm { ArtistSong, SongArtist, FileName };

// The form a code names; nothing for any code but "AS", "SA" and "F".
inline std::optional<KeyForm> KeyFormOf(const QString &code)
{
    if (code == QLatin1String("AS"))
        return KeyForm::ArtistSong;
    if (code == QLatin1String("SA"))
        return KeyForm::SongArtist;
    if (code == QLatin1String("F"))
        return KeyForm::FileName;
    return std::nullopt;
}

} // namespace Functions
