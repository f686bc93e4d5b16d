// The catalogue's comparison: case-insensitive in the user's locale, a space before
// letters. Each record's key is computed once and moves with its record.
#pragma once

#include "core/state/song.h"

#include <QCollator>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace Functions {

class CollationKeys {
public:
    // Keys of songs lo..hi for the sort key "AS", "SA" or "F"; any other sort key
    // gives no keys, and then no record compares greater than another.
    CollationKeys(const std::vector<Song> &songs, int lo, int hi, const QString &sortKey);

    // Whether the record at j compares greater than the record at i.
    bool Greater(int j, int i) const;
    // Whether no record compares greater than the one after it.
    bool InOrder() const;
    // Follows an exchange of the records at j and i.
    void Exchange(int j, int i);

private:
    struct Span {
        std::size_t start;
        std::size_t size;
    };
    std::u32string_view Folded(int index) const;

    int lo_;
    bool folded_ = false;
    // The C locale's keys: every text folded, one after another in one buffer.
    std::u32string foldedTexts_;
    std::vector<Span> spans_;
    // Any other locale's keys.
    std::vector<QCollatorSortKey> keys_;
};

} // namespace Functions
