// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue/artist_tree.h"

#include "platform/failure.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

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
// key is an artist like any other; the root's key is an artist key. A song's key
// is its index, so only the artists need an index of their keys.
class Builder {
public:
    Builder(std::vector<TreeNode> &nodes, std::size_t artists) : nodes_(nodes) { artists_.reserve(artists); }

    // Adds the root or an artist node and returns it, or the node that has its key
    // already (-1 when refused).
    int AddArtist(const QString &key, const QString &text, bool &refused)
    {
        const auto found = artists_.constFind(key);
        refused = found != artists_.cend();
        if (refused)
            return *found;
        const int node = static_cast<int>(nodes_.size());
        artists_.insert(key, node);
        nodes_.push_back({nodes_.empty() ? -1 : 0, key, text, -1});
        return node;
    }

    void AddSong(int artist, int index, const QString &text) { nodes_.push_back({artist, QString(), text, index}); }

private:
    std::vector<TreeNode> &nodes_;
    QHash<QString, int> artists_;
};
} // namespace

QString SongKey(int index) { return QStringLiteral("Key") + QString::number(index); }

ArtistTree BuildArtistTree(const SongTable &table)
{
    ArtistTree tree;
    if (table.SongCount() == 0)
        return tree;
    const std::vector<Song> &songs = table.Songs();
    const int last = std::min<int>(table.LastSongIndex(), static_cast<int>(songs.size()) - 1);
    tree.nodes.reserve(static_cast<std::size_t>(last) * 2 + 2);
    Builder builder(tree.nodes, static_cast<std::size_t>(last) + 2);
    const auto refused = [&](int i) {
        if (tree.diagnostic.isEmpty())
            tree.diagnostic = Diagnostic(songs[static_cast<std::size_t>(i)], i);
    };

    bool taken = false;
    builder.AddArtist(RootKey, QStringLiteral("Artists"), taken);
    const QString *current = &songs.front().Artist;
    int artist = builder.AddArtist(*current, *current, taken);
    if (taken)
        refused(0);
    for (int i = 0; i <= last; ++i) {
        const Song &song = songs[static_cast<std::size_t>(i)];
        if (song.Artist != *current) {
            current = &song.Artist;
            artist = builder.AddArtist(*current, *current, taken);
            if (taken)
                refused(i);
        }
        builder.AddSong(artist, i, song.SongName);
    }
    return tree;
}

} // namespace Functions
