// Puts a small catalogue in place for tests, as a playlist load leaves it.
#pragma once

#include <QString>
#include <initializer_list>

namespace TestSupport {

struct TestSong {
    QString artist;
    QString name;
    QString path;
};

// Replaces the catalogue with `songs` in this order (the file name is the end of
// the path) and rebuilds the tree and the list in the form "AS".
void SetCatalogue(std::initializer_list<TestSong> songs);

// A catalogue of `count` songs by "Artist", "Song 0" at "/m/0.mp3" and so on.
void MakeCatalogue(int count);

} // namespace TestSupport
