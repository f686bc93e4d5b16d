// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue/collation_keys.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <array>
#include <numeric>
#include <string>
#include <string_view>
#include <utility>

namespace Functions {

namespace {
// The texts compared for one song, in order: "AS" compares the artist, a space
// and the song name.
std::array<QStringView, 3> KeyParts(const Song &song, KeyForm form)
{
    static const QString space = QStringLiteral(" ");
    switch (form) {
    case KeyForm::ArtistSong:
        return {song.Artist, space, song.SongName};
    case KeyForm::SongArtist:
        return {song.SongName, space, song.Artist};
    case KeyForm::FileName:
        break;
    }
    return {song.ShortName, QStringView(), QStringView()};
}

// In the C locale Qt compares texts case-insensitively by folding each UTF-16 unit
// (a low surrogate as the folded character of its pair) and comparing the values
// in turn, the shorter text first on a tie. Folding once here gives keys whose
// plain comparison orders exactly so.
void AppendFolded(std::u32string &out, QStringView text)
{
    char32_t last = 0;
    for (const QChar unit : text) {
        char32_t point = unit.unicode();
        if (point < 0x80) {
            out.push_back(point >= 'A' && point <= 'Z' ? point + ('a' - 'A') : point);
        } else {
            if (QChar::isLowSurrogate(point) && QChar::isHighSurrogate(last))
                point = QChar::surrogateToUcs4(static_cast<char16_t>(last), static_cast<char16_t>(point));
            out.push_back(QChar::toCaseFolded(point));
        }
        last = unit.unicode();
    }
}
} // namespace

CollationKeys::CollationKeys(const std::vector<Song> &songs, int lo, int hi, KeyForm form) : lo_(lo)
{
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Punctuation and spaces count: "A Z" sorts before "AB A".
    collator.setIgnorePunctuation(false);
    // Qt's own sort keys in the C locale keep upper and lower case apart.
    const bool folded = collator.locale().language() == QLocale::C;
    const auto size = static_cast<std::size_t>(hi - lo + 1);
    // The C locale's keys: every text folded, one after another in one buffer.
    std::u32string foldedTexts;
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    // Any other locale's keys.
    std::vector<QCollatorSortKey> keys;
    if (folded) {
        spans.reserve(size);
        foldedTexts.reserve(size * 48);
    } else {
        keys.reserve(size);
    }
    for (int i = lo; i <= hi; ++i) {
        const auto parts = KeyParts(songs.at(static_cast<std::size_t>(i)), form);
        if (folded) {
            const std::size_t start = foldedTexts.size();
            for (const QStringView part : parts)
                AppendFolded(foldedTexts, part);
            spans.emplace_back(start, foldedTexts.size() - start);
        } else {
            QString text;
            for (const QStringView part : parts)
                text.append(part);
            keys.push_back(collator.sortKey(text));
        }
    }
    const auto compare = [&](std::size_t a, std::size_t b) {
        if (!folded)
            return keys[a].compare(keys[b]);
        const std::u32string_view texts(foldedTexts);
        return texts.substr(spans[a].first, spans[a].second).compare(texts.substr(spans[b].first, spans[b].second));
    };

    // Each key's rank among them all, equal keys sharing one: the passes compare
    // whole numbers, in the keys' own order.
    std::vector<std::size_t> order(size);
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto less = [&](std::size_t a, std::size_t b) { return compare(a, b) < 0; };
    // A range already in order needs no sort to be ranked, as for a playlist saved
    // sorted and sorted again at start-up.
    if (!std::is_sorted(order.begin(), order.end(), less))
        std::sort(order.begin(), order.end(), less);
    ranks_.resize(size);
    int rank = 0;
    for (std::size_t k = 0; k < size; ++k) {
        if (k > 0 && compare(order[k - 1], order[k]) != 0)
            ++rank;
        ranks_[order[k]] = rank;
    }
}

bool CollationKeys::Greater(int j, int i) const
{
    return ranks_[static_cast<std::size_t>(j - lo_)] > ranks_[static_cast<std::size_t>(i - lo_)];
}

bool CollationKeys::InOrder() const
{
    return std::is_sorted(ranks_.begin(), ranks_.end());
}

void CollationKeys::Exchange(int j, int i)
{
    std::swap(ranks_[static_cast<std::size_t>(j - lo_)], ranks_[static_cast<std::size_t>(i - lo_)]);
}

} // namespace Functions
