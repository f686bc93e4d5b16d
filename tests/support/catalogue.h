// Puts a small catalogue in place for tests, as a playlist load and tree build leave it.
#pragma once

#include <QString>
#include <initializer_list>

class Main;

namespace TestSupport {

struct TestSong {
    QString artist;
    QString name;
    QString path;
};

// Replaces the catalogue with `songs` in this order and rebuilds the artist tree;
// the list gets one "Artist, SongName" row per song.
void SetCatalogue(Main &main, std::initializer_list<TestSong> songs);

} // namespace TestSupport
