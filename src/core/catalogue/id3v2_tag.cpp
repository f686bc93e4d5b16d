// Reading the artist and title of a file's ID3v2 tag with TagLib, and of its ID3v1
// tag for what the ID3v2 tag lacks, through one open of the file.
#include "core/catalogue/id3v2_tag.h"

#include "core/catalogue/tags.h"
#include "platform/regular_file.h"

#include <QFile>

#include <taglib/id3v2header.h>
#include <taglib/id3v2tag.h>

#include <algorithm>

namespace Functions {

namespace {
// TagLib's own reading of a tag goes through a TagLib file of its own opening; this
// one parses bytes read here, from the file already open.
class TagOfBytes : public TagLib::ID3v2::Tag {
public:
    using TagLib::ID3v2::Tag::parse;
};

// Up to `size` bytes from the file's current position; fewer where it ends.
TagLib::ByteVector ReadBytes(QFile &file, qint64 size)
{
    TagLib::ByteVector bytes(static_cast<unsigned int>(size), '\0');
    const qint64 got = file.read(bytes.data(), size);
    bytes.resize(static_cast<unsigned int>(std::max<qint64>(got, 0)));
    return bytes;
}

// The text without the spaces and NULs some writers leave around it.
QString Trimmed(const TagLib::String &text)
{
    const QString whole = QString::fromStdString(text.to8Bit(true));
    const auto blank = [](QChar c) { return c == u' ' || c == u'\0'; };
    qsizetype begin = 0;
    qsizetype end = whole.size();
    while (begin < end && blank(whole[begin]))
        ++begin;
    while (end > begin && blank(whole[end - 1]))
        --end;
    return whole.sliced(begin, end - begin);
}

// The artist and title of the ID3v2 tag at the start of the open `file`, empty
// where it has none: the tag is read only as far as the file goes, whatever size
// its header announces.
TagTexts ReadId3v2(QFile &file)
{
    const TagLib::ByteVector header = ReadBytes(file, TagLib::ID3v2::Header::size());
    if (!header.startsWith(TagLib::ID3v2::Header::fileIdentifier()))
        return {};
    TagOfBytes tag;
    tag.header()->setData(header);
    if (tag.header()->tagSize() == 0)
        return {};
    tag.parse(ReadBytes(file, std::min<qint64>(tag.header()->tagSize(), file.size() - file.pos())));
    return {Trimmed(tag.artist()), Trimmed(tag.title())};
}
} // namespace

TagTexts ReadId3v2Texts(const QByteArray &path)
{
    TagTexts texts;
    std::array<char, TagUsedBytes> block{};
    QFile file;
    if (Platform::OpenRegularFile(file, QFile::decodeName(path))) {
        texts = ReadId3v2(file);
        const qint64 size = file.size();
        if ((texts.artist.isEmpty() || texts.songName.isEmpty()) && size >= TagSize && file.seek(size - TagSize))
            file.read(block.data(), TagUsedBytes);
    }
    if (!texts.artist.isEmpty() && !texts.songName.isEmpty())
        return texts;
    const TagRecord tag = DecodeTag(block);
    if (texts.artist.isEmpty())
        texts.artist = CleanTagText(tag.Artist.data(), static_cast<qsizetype>(tag.Artist.size()));
    if (texts.songName.isEmpty())
        texts.songName = CleanTagText(tag.Title.data(), static_cast<qsizetype>(tag.Title.size()));
    return texts;
}

} // namespace Functions
