// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's comparison: case-insensitive in the user's locale, a space before
// letters. Each record's key is computed and ranked once; the rank moves with its record.
#pragma once

#include "core/catalogue/key_form.h"
#include "core/state/song.h"

#include <vector>

namespace Functions {

class CollationKeys {
public:
    // Keys of songs lo..hi (lo <= hi) in the form `form`.
    CollationKeys(const std::vector<Song> &songs, int lo, int hi, KeyForm form);

    // Whether the record at j compares greater than the record at i.
    bool Greater(int j, int i) const;
    // Whether no record compares greater than the one after it.
    bool InOrder() const;
    // Follows an exchange of the records at j and i.
    void Exchange(int j, int i);

private:
    int lo_;
    // Each record's rank in the order of its key; equal keys have equal ranks.
    std::vector<int> ranks_;
};

} // namespace Functions
