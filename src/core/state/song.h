// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's records: one song, a reference to a song, and a raw ID3v1 tag.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

struct Song {
    QString ShortName;
    QString LongName;
    int16_t Id = 0;
    QString Artist;
    QString SongName;
};

struct SongPointer {
    QString LongName;
    int16_t Index = -1;
};

// Fixed-width text fields, as stored in the file: a fresh record is all NUL;
// a shorter text assigned to a field is padded with spaces.
struct TagRecord {
    std::array<char, 3> Header{};
    std::array<char, 30> Title{};
    std::array<char, 30> Artist{};

    template <std::size_t N>
    static void Assign(std::array<char, N> &field, const char *text)
    {
        std::size_t i = 0;
        for (; i < N && text[i] != '\0'; ++i)
            field[i] = text[i];
        for (; i < N; ++i)
            field[i] = ' ';
    }
};
