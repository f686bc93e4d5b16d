// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/catalogue/directory_walk.h"

#include "core/catalogue/parallel_pass.h"
#include "platform/directory_listing.h"

#include <QDir>
#include <QStringBuilder>
#include <algorithm>
#include <unordered_set>

namespace Functions {

namespace {
const QString Separator = QDir::separator();
// Enough directories to a chunk that the walk's thread is woken once for several,
// few enough that a level of a few directories still shares them out.
constexpr int ChunksPerThread = 4;
constexpr int LargestChunk = 16;

// One directory as listed: what it is on disk, and the names of its song files and
// of its subdirectories in the order it lists them, each ending in a NUL. The names
// stay bytes until the walk's thread makes the songs: the memory of what the
// catalogue keeps then comes from that thread's heap, not from those of the readers,
// where it would lie scattered.
struct Listed {
    bool open = false;
    Platform::DirectoryIdentity identity;
    QByteArray songs;
    QByteArray directories;
};

Listed List(const QString &dir)
{
    Listed listed;
    Platform::DirectoryListing listing(dir);
    if (!listing.IsOpen())
        return listed;
    listed.open = true;
    listed.identity = listing.Identity();
    QByteArrayView name;
    Platform::EntryKind kind;
    while (listing.Next(name, kind)) {
        if (kind == Platform::EntryKind::Directory)
            listed.directories.append(name).append('\0');
        else if (kind == Platform::EntryKind::File && IsSongName(name))
            listed.songs.append(name).append('\0');
    }
    return listed;
}

// Calls take(text) for each of the NUL-ended `names` whose text names the same file
// again: a name that is not valid in the file-name encoding is no use to the catalogue.
template <class Take>
void ForEachName(const QByteArray &names, Take &&take)
{
    QString text;
    for (qsizetype at = 0, end; at < names.size(); at = end + 1) {
        end = names.indexOf('\0', at);
        if (Platform::NameText(QByteArrayView(names).sliced(at, end - at), text))
            take(text);
    }
}
} // namespace

bool IsSongName(QByteArrayView name) { return name.endsWith("mp3"); }

void WalkSongs(const QString &startDir, const std::function<bool(std::vector<Song> &songs)> &take)
{
    std::vector<QString> level{startDir.endsWith(Separator) ? startDir : startDir + Separator};
    // A link back up the tree would otherwise walk the same directories forever.
    std::unordered_set<Platform::DirectoryIdentity, Platform::DirectoryIdentityHash> walked;
    const QString unknown = QStringLiteral("Unknown");
    while (!level.empty()) {
        std::vector<Listed> listed(level.size());
        const int count = static_cast<int>(level.size());
        const auto list = [&](int i) { listed[static_cast<std::size_t>(i)] = List(level[static_cast<std::size_t>(i)]); };
        ParallelPass pass(count - 1, list, std::clamp(count / (PassThreads() * ChunksPerThread), 1, LargestChunk));
        // The next level, in the order its directories were met; a directory met
        // again, however it is named, adds nothing.
        std::vector<QString> next;
        std::vector<Song> songs;
        int taken = 0;
        bool going = true;
        pass.Follow([&](int reached) {
            for (; going && taken <= reached; ++taken) {
                const Listed &dir = listed[static_cast<std::size_t>(taken)];
                if (!dir.open || !walked.insert(dir.identity).second)
                    continue;
                const QString &text = level[static_cast<std::size_t>(taken)];
                ForEachName(dir.directories, [&](const QString &name) { next.push_back(text % name % Separator); });
                // Each song named after its file, by an unknown artist, with the
                // separator doubled before its name.
                songs.clear();
                ForEachName(dir.songs, [&](const QString &name) {
                    songs.push_back({name, text % Separator % name, 0, unknown, name});
                });
                going = songs.empty() || take(songs);
                listed[static_cast<std::size_t>(taken)] = Listed();
            }
            return going;
        });
        if (!going)
            return;
        level = std::move(next);
    }
}

} // namespace Functions
