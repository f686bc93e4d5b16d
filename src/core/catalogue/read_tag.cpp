// SPDX-License-Identifier: GPL-3.0-or-later
// Reading one file's ID3v1 tag and turning its fields into text.
#include "core/catalogue/tags.h"

#include "core/state/trim_spaces.h"
#include "platform/file_tail.h"

#include <cstring>

namespace Functions {

namespace {
// Fields whose first byte lies outside '0'..'z' hold no usable text.
template <std::size_t N>
void Validate(std::array<char, N> &field, const char *fallback)
{
    const auto first = static_cast<unsigned char>(field[0]);
    if (first < 48 || first > 122)
        TagRecord::Assign(field, fallback);
}
} // namespace

TagRecord ReadTag(const QByteArray &path)
{
    std::array<char, TagUsedBytes> bytes{};
    Platform::ReadNearEnd(path.constData(), TagSize, bytes.data(), TagUsedBytes);
    return DecodeTag(bytes);
}

TagRecord DecodeTag(const std::array<char, TagUsedBytes> &bytes)
{
    TagRecord tag;
    std::memcpy(tag.Header.data(), bytes.data(), tag.Header.size());
    if (std::memcmp(tag.Header.data(), "TAG", 3) != 0) {
        TagRecord::Assign(tag.Title, "No SongName");
        TagRecord::Assign(tag.Artist, "No Artist");
        return tag;
    }
    std::memcpy(tag.Title.data(), bytes.data() + 3, tag.Title.size());
    std::memcpy(tag.Artist.data(), bytes.data() + 33, tag.Artist.size());
    Validate(tag.Artist, "No Artist");
    Validate(tag.Title, "No SongName");
    return tag;
}

QString CleanTagText(const char *field, qsizetype size)
{
    // ISO-8859-1 gives one character a byte, so cutting and trimming the bytes
    // first makes the same text with a single conversion.
    const QLatin1String bytes(field, static_cast<qsizetype>(qstrnlen(field, static_cast<std::size_t>(size))));
    return QString(SpacesTrimmed(bytes));
}

} // namespace Functions
