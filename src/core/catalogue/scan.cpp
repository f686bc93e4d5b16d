// SPDX-License-Identifier: GPL-3.0-or-later
// The breadth-first walk that adds music files to the catalogue.
#include "core/catalogue/scan.h"

#include "core/catalogue/view_modes.h"
#include "core/state/counter.h"
#include "platform/directory_listing.h"

#include <QDir>
#include <QStringBuilder>
#include <deque>
#include <unordered_set>

namespace Functions {

namespace {
const QString Separator = QDir::separator();
} // namespace

bool IsSongName(QByteArrayView name) { return name.endsWith("mp3"); }

bool WalkDirectories(Screen::Surface &screen, const QString &startDir, SongTable &songs)
{
    const QString unknown = QStringLiteral("Unknown");
    std::deque<QString> queue{startDir.endsWith(Separator) ? startDir : startDir + Separator};
    std::unordered_set<Platform::DirectoryIdentity, Platform::DirectoryIdentityHash> walked;
    ProgressReport progress(screen, QStringLiteral("Adding Files"), QStringLiteral("0"), QStringLiteral("0"));
    int added = 0;

    while (!queue.empty()) {
        const QString current = std::move(queue.front());
        queue.pop_front();
        Platform::DirectoryListing listing(current);
        // A link back up the tree would otherwise walk the same directories forever.
        if (!listing.IsOpen() || !walked.insert(listing.Identity()).second)
            continue;

        QByteArrayView bytes;
        Platform::EntryKind kind;
        QString name;
        while (listing.Next(bytes, kind)) {
            if (kind == Platform::EntryKind::Other || (kind == Platform::EntryKind::File && !IsSongName(bytes)))
                continue;
            // A name the stored text could not open again is no use to the catalogue.
            if (!Platform::NameText(bytes, name))
                continue;
            if (kind == Platform::EntryKind::Directory) {
                queue.push_back(current % name % Separator);
                continue;
            }
            try {
                Song &song = songs.Append();
                song.ShortName = name;
                song.LongName = current % Separator % name;
                song.Artist = unknown;
                song.SongName = name;
            } catch (const CounterOverflow &) {
                return false;
            }
            const QString shown = QString::number(++added);
            progress.SetCounts(shown, shown);
        }
    }
    return true;
}

void FinishScan(Model &model, bool complete)
{
    ShowArtistTree(model);
    if (!complete)
        model.screen.ShowMessage(QStringLiteral("The catalogue is full: it holds 32,767 songs, and no more were added."));
}

bool WalkDirectories(Model &model, const QString &startDir)
{
    Catalogue::Edit edit(model.catalogue);
    return WalkDirectories(model.screen, startDir, edit.Table());
}

void ScanDirectories(Model &model, const QString &startDir) { FinishScan(model, WalkDirectories(model, startDir)); }

} // namespace Functions
