#include "core/catalogue/artist_tree.h"

#include "core/state/screen.h"
#include "platform/failure.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace Functions {

namespace {
const QString RootKey = QStringLiteral("Artist");

// The diagnostic of a refused key: the song being added and the failure.
QString Diagnostic(const Song &song, int i)
{
    return QStringList{
        QStringLiteral("An Error Occured"),
        QStringLiteral("Artist ---->") + song.Artist,
        QStringLiteral("SongName -->") + song.SongName,
        QStringLiteral("ShortName ->") + song.ShortName,
        QStringLiteral("LongName -->") + song.LongName,
        QStringLiteral("Id -------->") + QString::number(song.Id),
        QStringLiteral("i --------->") + QString::number(i),
        QStringLiteral("Err.Number->") + QString::number(Platform::ErrorNumber::KeyNotUnique),
        QStringLiteral("Err.Desc--->Key is not unique in collection"),
        QStringLiteral("Err.Source->TreeView1"),
    }.join(QLatin1Char('\r'));
}

// Song keys and artist keys are kept apart, so that an artist named like a song
// key is an artist like any other; the root's key is an artist key.
class Builder {
public:
    explicit Builder(std::vector<TreeNode> &nodes) : nodes_(nodes) {}

    // Adds the root or an artist node; false when the key is taken.
    bool AddArtist(const QString &key, const QString &text)
    {
        if (artists_.contains(key))
            return false;
        artists_.insert(key, static_cast<int>(nodes_.size()));
        nodes_.push_back({nodes_.empty() ? -1 : 0, key, text, -1});
        return true;
    }

    void AddSong(const QString &artist, int index, const QString &text)
    {
        nodes_.push_back({artists_.value(artist), SongKey(index), text, index});
    }

private:
    std::vector<TreeNode> &nodes_;
    QHash<QString, int> artists_;
};
} // namespace

QString SongKey(int index) { return QStringLiteral("Key") + QString::number(index); }

std::vector<TreeNode> BuildArtistTree(const std::vector<Song> &songs, int16_t lastIndex, int16_t count)
{
    std::vector<TreeNode> nodes;
    if (count == 0)
        return nodes;
    const int last = std::min<int>(lastIndex, static_cast<int>(songs.size()) - 1);
    nodes.reserve(static_cast<std::size_t>(last) * 2 + 2);
    Builder tree(nodes);
    bool reported = false;
    const auto refused = [&](int i) {
        if (!std::exchange(reported, true))
            ShowMessage(Diagnostic(songs[static_cast<std::size_t>(i)], i));
    };

    QString current = songs.front().Artist;
    tree.AddArtist(RootKey, QStringLiteral("Artists"));
    if (!tree.AddArtist(current, current))
        refused(0);
    for (int i = 0; i <= last; ++i) {
        const Song &song = songs[static_cast<std::size_t>(i)];
        if (song.Artist != current) {
            current = song.Artist;
            if (!tree.AddArtist(current, current))
                refused(i);
        }
        tree.AddSong(current, i, song.SongName);
    }
    return nodes;
}

} // namespace Functions
