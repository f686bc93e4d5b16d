#include "core/catalogue/collation_keys.h"

#include <QLocale>
#include <array>

namespace Functions {

namespace {
bool IsSortKey(const QString &sortKey)
{
    return sortKey == QLatin1String("AS") || sortKey == QLatin1String("SA") || sortKey == QLatin1String("F");
}

// The texts compared for one song, in order: "AS" compares the artist, a space
// and the song name.
std::array<QStringView, 3> KeyParts(const Song &song, const QString &sortKey)
{
    static const QString space = QStringLiteral(" ");
    if (sortKey == QLatin1String("AS"))
        return {song.Artist, space, song.SongName};
    if (sortKey == QLatin1String("SA"))
        return {song.SongName, space, song.Artist};
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

CollationKeys::CollationKeys(const std::vector<Song> &songs, int lo, int hi, const QString &sortKey) : lo_(lo)
{
    if (!IsSortKey(sortKey))
        return;
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Punctuation and spaces count: "A Z" sorts before "AB A".
    collator.setIgnorePunctuation(false);
    // Qt's own sort keys in the C locale keep upper and lower case apart.
    folded_ = collator.locale().language() == QLocale::C;
    const auto size = static_cast<std::size_t>(hi - lo + 1);
    if (folded_) {
        spans_.reserve(size);
        foldedTexts_.reserve(size * 48);
    } else {
        keys_.reserve(size);
    }
    for (int i = lo; i <= hi; ++i) {
        const auto parts = KeyParts(songs.at(static_cast<std::size_t>(i)), sortKey);
        if (folded_) {
            const std::size_t start = foldedTexts_.size();
            for (const QStringView part : parts)
                AppendFolded(foldedTexts_, part);
            spans_.push_back({start, foldedTexts_.size() - start});
        } else {
            QString text;
            for (const QStringView part : parts)
                text.append(part);
            keys_.push_back(collator.sortKey(text));
        }
    }
}

std::u32string_view CollationKeys::Folded(int index) const
{
    const Span &span = spans_[static_cast<std::size_t>(index - lo_)];
    return std::u32string_view(foldedTexts_).substr(span.start, span.size);
}

bool CollationKeys::Greater(int j, int i) const
{
    if (folded_)
        return Folded(j).compare(Folded(i)) > 0;
    return !keys_.empty() && keys_[static_cast<std::size_t>(j - lo_)].compare(keys_[static_cast<std::size_t>(i - lo_)]) > 0;
}

bool CollationKeys::InOrder() const
{
    const int hi = lo_ + static_cast<int>(folded_ ? spans_.size() : keys_.size()) - 1;
    for (int i = lo_ + 1; i <= hi; ++i) {
        if (Greater(i - 1, i))
            return false;
    }
    return true;
}

void CollationKeys::Exchange(int j, int i)
{
    const auto a = static_cast<std::size_t>(j - lo_);
    const auto b = static_cast<std::size_t>(i - lo_);
    if (folded_)
        std::swap(spans_[a], spans_[b]);
    else if (!keys_.empty())
        keys_[a].swap(keys_[b]);
}

} // namespace Functions
