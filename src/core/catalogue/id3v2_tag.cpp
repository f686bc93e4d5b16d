// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the artist and title of a file's ID3v2 tag with TagLib, and of its ID3v1
// tag for what the ID3v2 tag lacks, through one open of the file.
#include "core/catalogue/id3v2_tag.h"

#include "core/catalogue/tags.h"
#include "core/state/trim_spaces.h"
#include "platform/file_blocks.h"

#include <taglib/id3v2header.h>
#include <taglib/id3v2tag.h>

#include <algorithm>

namespace Functions {

namespace {
// Writers put the texts before the pictures: the rest of a longer tag is read only
// when they are not all in its first HeadBytes.
constexpr qint64 HeadBytes = 4096;

// TagLib's own reading of a tag goes through a TagLib file of its own opening; this
// one parses bytes read here, from the file already open.
class TagOfBytes : public TagLib::ID3v2::Tag {
public:
    using TagLib::ID3v2::Tag::parse;
};

TagLib::ByteVector ReadBytes(const Platform::FileBlocks &file, qint64 offset, qint64 size)
{
    TagLib::ByteVector bytes(static_cast<unsigned int>(size), '\0');
    bytes.resize(static_cast<unsigned int>(file.Read(offset, bytes.data(), size)));
    return bytes;
}

// TagLib leaves out the NULs that end or split a text; its spaces go here.
QString Trimmed(const TagLib::String &text) { return TrimSpaces(QString::fromStdString(text.to8Bit(true))); }

TagTexts Parsed(const TagLib::ByteVector &header, const TagLib::ByteVector &frames)
{
    TagOfBytes tag;
    tag.header()->setData(header);
    tag.parse(frames);
    return {Trimmed(tag.artist()), Trimmed(tag.title())};
}

bool Complete(const TagTexts &texts) { return !texts.artist.isEmpty() && !texts.songName.isEmpty(); }

// The artist and title of the ID3v2 tag that starts `file`, whose first bytes are
// `head`; empty where it has none. The tag is read only as far as the file goes,
// whatever size its header announces.
TagTexts ReadId3v2(const Platform::FileBlocks &file, const TagLib::ByteVector &head)
{
    const qint64 headerSize = TagLib::ID3v2::Header::size();
    if (!head.startsWith(TagLib::ID3v2::Header::fileIdentifier()))
        return {};
    const TagLib::ByteVector header = head.mid(0, headerSize);
    const qint64 tagSize = std::min<qint64>(TagLib::ID3v2::Header(header).tagSize(), file.size() - headerSize);
    if (tagSize <= 0)
        return {};
    const TagTexts texts = Parsed(header, head.mid(headerSize, tagSize));
    if (Complete(texts) || headerSize + tagSize <= head.size())
        return texts;
    return Parsed(header, ReadBytes(file, headerSize, tagSize));
}
} // namespace

TagTexts ReadId3v2Texts(const QByteArray &path)
{
    const Platform::FileBlocks file(path.constData());
    TagTexts texts = ReadId3v2(file, ReadBytes(file, 0, std::min(HeadBytes, file.size())));
    if (Complete(texts))
        return texts;
    std::array<char, TagUsedBytes> block{};
    if (file.size() >= TagSize)
        file.Read(file.size() - TagSize, block.data(), TagUsedBytes);
    const TagRecord tag = DecodeTag(block);
    if (texts.artist.isEmpty())
        texts.artist = CleanTagText(tag.Artist.data(), static_cast<qsizetype>(tag.Artist.size()));
    if (texts.songName.isEmpty())
        texts.songName = CleanTagText(tag.Title.data(), static_cast<qsizetype>(tag.Title.size()));
    return texts;
}

} // namespace Functions
