#include "catalogue/collation_keys.h"

#include <QLocale>
#include <utility>

namespace Functions {

namespace {
QString KeyText(const Song &song, const QString &sortKey)
{
    if (sortKey == QLatin1String("AS"))
        return song.Artist + QLatin1Char(' ') + song.SongName;
    if (sortKey == QLatin1String("SA"))
        return song.SongName + QLatin1Char(' ') + song.Artist;
    return song.ShortName;
}
} // namespace

CollationKeys::CollationKeys(const std::vector<Song> &songs, int lo, int hi, const QString &sortKey)
    : collator_(QLocale()), lo_(lo)
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    // Punctuation and spaces count: "A Z" sorts before "AB A".
    collator_.setIgnorePunctuation(false);
    if (sortKey != QLatin1String("AS") && sortKey != QLatin1String("SA") && sortKey != QLatin1String("F"))
        return;
    // In the C locale Qt compares code points itself, and its sort keys there keep
    // case apart; comparing the texts is both cheap and case-insensitive.
    textsCompared_ = collator_.locale().language() == QLocale::C;
    const auto size = static_cast<std::size_t>(hi - lo + 1);
    if (textsCompared_)
        texts_.reserve(size);
    else
        keys_.reserve(size);
    for (int i = lo; i <= hi; ++i) {
        QString text = KeyText(songs.at(static_cast<std::size_t>(i)), sortKey);
        if (textsCompared_)
            texts_.push_back(std::move(text));
        else
            keys_.push_back(collator_.sortKey(text));
    }
}

bool CollationKeys::Greater(int j, int i) const
{
    const auto a = static_cast<std::size_t>(j - lo_);
    const auto b = static_cast<std::size_t>(i - lo_);
    if (textsCompared_)
        return collator_.compare(texts_[a], texts_[b]) > 0;
    return !keys_.empty() && keys_[a].compare(keys_[b]) > 0;
}

void CollationKeys::Exchange(int j, int i)
{
    const auto a = static_cast<std::size_t>(j - lo_);
    const auto b = static_cast<std::size_t>(i - lo_);
    if (textsCompared_)
        texts_[a].swap(texts_[b]);
    else if (!keys_.empty())
        keys_[a].swap(keys_[b]);
}

} // namespace Functions
