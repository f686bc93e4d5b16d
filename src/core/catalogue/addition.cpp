// SPDX-License-Identifier: GPL-3.0-or-later
// An addition from the songs going in to what the user sees: the walk of a directory
// tree or the files taken by name, the tree of what was added, the tags, the sort and
// the view of the mode.
#include "core/catalogue/addition.h"

#include "core/catalogue/directory_walk.h"
#include "core/catalogue/sort.h"
#include "core/catalogue/tags.h"
#include "core/catalogue/view_modes.h"
#include "core/state/counter.h"
#include "platform/free_memory.h"
#include "platform/regular_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <iterator>

namespace {
// Both counts of the progress window show the songs added so far.
void ShowAdded(ProgressReport &progress, qsizetype added)
{
    const QString shown = QString::number(added);
    progress.SetCounts(shown, shown);
}

// Appends the songs of `startDir` and everything below it in the walk's order, and
// shows how many went in. Returns false when the catalogue filled up before the walk
// ended.
bool ScanDirectories(ProgressReport &progress, const QString &startDir, SongTable &songs)
{
    bool complete = true;
    int added = 0;
    Functions::WalkSongs(startDir, [&](std::vector<Song> &found) {
        for (Song &song : found) {
            try {
                songs.Append() = std::move(song);
            } catch (const CounterOverflow &) {
                complete = false;
                break;
            }
            ++added;
        }
        ShowAdded(progress, added);
        return complete;
    });
    return complete;
}

// Appends an untagged song for each of `files`, absolute paths of regular files, in
// order until the catalogue is full; returns the paths of the songs appended.
QStringList TakeFiles(ProgressReport &progress, const QStringList &files, SongTable &songs)
{
    QStringList taken;
    for (const QString &path : files) {
        const QString name = QFileInfo(path).fileName();
        try {
            songs.Append() = {name, path, 0, QStringLiteral("Unknown"), name};
        } catch (const CounterOverflow &) {
            break;
        }
        taken << path;
        ShowAdded(progress, taken.size());
    }
    return taken;
}

// What follows the songs going in: the tree of the catalogue as it then stands, the
// message of a catalogue that filled up, then every song tagged, the catalogue sorted
// by artist then song (in every mode: choosing a list mode again sorts by its own key)
// and the view of the mode rebuilt.
void TreeTagsSortView(Model &model, bool complete)
{
    // The tags are read on worker threads while this thread rebuilds the tree: the
    // workers read their own copy of the paths and fill a table of their own, so the
    // tree still shows the songs as they went in.
    Functions::TagPass tags(model.catalogue.Table(), model.settings.Tags());
    ShowArtistTree(model);
    if (!complete)
        model.screen.ShowMessage(QStringLiteral("The catalogue is full: it holds 32,767 songs, and no more were added."));
    if (model.catalogue.SongCount() == 0)
        return;
    {
        Catalogue::Edit edit(model.catalogue);
        tags.Finish(model.screen, edit.Table());
        Functions::SortSongs(model.screen, edit.Table(), Functions::KeyForm::ArtistSong);
    }
    RebuildModeView(model);
}
} // namespace

bool IsSongFile(const QString &path) { return Functions::IsSongName(QFile::encodeName(QFileInfo(path).fileName())); }

void AddDirectory(Model &model, const QString &startDir)
{
    ProgressReport progress(model.screen, QStringLiteral("Adding Files"), QStringLiteral("0"), QStringLiteral("0"));
    bool complete = false;
    {
        Catalogue::Edit edit(model.catalogue);
        complete = ScanDirectories(progress, startDir, edit.Table());
    }
    TreeTagsSortView(model, complete);
    Platform::ReturnFreedMemory();
}

QStringList AddSongFiles(Model &model, const QStringList &paths)
{
    QStringList songFiles;
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(songFiles), IsSongFile);
    // A start without song files shows no progress window.
    if (songFiles.isEmpty())
        return {};
    ProgressReport progress(model.screen, QStringLiteral("Adding Files"), QStringLiteral("0"), QStringLiteral("0"));
    QStringList files;
    for (const QString &name : songFiles) {
        const QString path = QFileInfo(name).absoluteFilePath();
        if (Platform::IsReadableRegularFile(path))
            files << path;
    }
    if (files.isEmpty())
        return {};
    QStringList added;
    {
        Catalogue::Edit edit(model.catalogue);
        added = TakeFiles(progress, files, edit.Table());
    }
    TreeTagsSortView(model, added.size() == files.size());
    Platform::ReturnFreedMemory();
    return added;
}
