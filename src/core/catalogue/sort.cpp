// SPDX-License-Identifier: GPL-3.0-or-later
// The comb sort of the catalogue: gaps shrinking by 1.3, the last pass finishing as
// an insertion sort.
#include "core/catalogue/sort.h"

#include "core/catalogue/collation_keys.h"
#include "core/state/number_text.h"

#include <numeric>
#include <utility>

namespace Functions {

void SortSongs(Screen::Surface &screen, SongTable &songs, KeyForm form)
{
    if (songs.SongCount() < 2)
        return;
    constexpr int lo = 0;
    const int hi = songs.LastSongIndex();
    ProgressReport progress(screen, QStringLiteral("Sorting"), QStringLiteral("0"), GroupedNumber(hi));
    CollationKeys keys(songs.Songs(), lo, hi, form);
    // No pass would exchange anything in a range already in order, as after a
    // start-up playlist saved in this order.
    if (keys.InOrder())
        return;
    // The passes exchange record numbers along with the keys; each record then
    // moves once, to the place the exchanges gave it.
    std::vector<int> records(static_cast<std::size_t>(hi - lo + 1));
    std::iota(records.begin(), records.end(), lo);

    int gap = std::max((hi - lo) / 2, 1);
    while (gap != 0) {
        for (int i = lo + gap; i <= hi; ++i) {
            const int j = i - gap;
            if (!keys.Greater(j, i))
                continue;
            std::swap(records[static_cast<std::size_t>(j - lo)], records[static_cast<std::size_t>(i - lo)]);
            keys.Exchange(j, i);
            // With gap 1 the record that moved down keeps moving while it is the smaller.
            if (gap == 1 && j - 1 >= lo)
                i = j - 1;
        }
        gap = static_cast<int>(gap / 1.3);
        progress.SetCurrent(QString::number(gap));
    }

    std::vector<Song> sorted;
    sorted.reserve(records.size());
    for (const int record : records)
        sorted.push_back(std::move(songs.SongAt(record)));
    for (int i = lo; i <= hi; ++i)
        songs.SongAt(i) = std::move(sorted[static_cast<std::size_t>(i - lo)]);
}

} // namespace Functions
