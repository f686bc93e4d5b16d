// The catalogue's comparison: case-insensitive in the user's locale, a space before
// letters. Each record's key is computed once and moves with its record.
#pragma once

#include "state/song.h"

#include <QCollator>
#include <QString>
#include <vector>

namespace Functions {

class CollationKeys {
public:
    // Keys of songs lo..hi for the sort key "AS", "SA" or "F"; any other sort key
    // gives no keys, and then no record compares greater than another.
    CollationKeys(const std::vector<Song> &songs, int lo, int hi, const QString &sortKey);

    // Whether the record at j compares greater than the record at i.
    bool Greater(int j, int i) const;
    // Follows an exchange of the records at j and i.
    void Exchange(int j, int i);

private:
    QCollator collator_;
    int lo_;
    bool textsCompared_ = false;
    std::vector<QString> texts_;
    std::vector<QCollatorSortKey> keys_;
};

} // namespace Functions
