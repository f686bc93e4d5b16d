#include "core/catalogue/artist_tree.h"

#include "core/state/screen.h"

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
        QStringLiteral("Err.Number->35602"),
        QStringLiteral("Err.Desc--->Key is not unique in collection"),
        QStringLiteral("Err.Source->TreeView1"),
    }.join(QLatin1Char('\r'));
}

class Builder {
public:
    explicit Builder(std::vector<TreeNode> &nodes) : nodes_(nodes) {}

    // Adds a node under the node keyed `parent`; false when its key is taken.
    bool Add(const QString &parent, const QString &key, const QString &text, int song)
    {
        if (keys_.contains(key))
            return false;
        keys_.insert(key, static_cast<int>(nodes_.size()));
        nodes_.push_back({parent.isNull() ? -1 : keys_.value(parent), key, text, song});
        return true;
    }

private:
    std::vector<TreeNode> &nodes_;
    QHash<QString, int> keys_;
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
    tree.Add(QString(), RootKey, QStringLiteral("Artists"), -1);
    if (!tree.Add(RootKey, current, current, -1))
        refused(0);
    for (int i = 0; i <= last; ++i) {
        const Song &song = songs[static_cast<std::size_t>(i)];
        if (song.Artist != current) {
            current = song.Artist;
            if (!tree.Add(RootKey, current, current, -1))
                refused(i);
        }
        if (!tree.Add(current, SongKey(i), song.SongName, i))
            refused(i);
    }
    return nodes;
}

} // namespace Functions
