// SPDX-License-Identifier: GPL-3.0-or-later
// Building the catalogue from a generated library of 32,767 songs: an addition with
// nothing on the screen against a bare system-call walk, also for a library whose
// songs start with an ID3v2 tag read as such, the sorts, the list fill, a whole
// "Add Directorys" with the disk's data in memory and read afresh from the disk,
// and the memory it leaves.
#include "bench_library.h"
#include "bench_util.h"
#include "core/catalogue/addition.h"
#include "core/catalogue/parallel_pass.h"
#include "core/catalogue/sort.h"
#include "core/catalogue/song_list.h"
#include "core/state/model.h"
#include "platform/app_dir.h"
#include "ui/kit/directory_list_box.h"
#include "ui/kit/keyed_tree.h"
#include "ui/main/startup.h"
#include "ui/windows/add_songs_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QListWidget>
#include <QTemporaryDir>

#include <cmath>
#include <string>

using Bench::DropPageCache;
using Bench::ReferenceWalk;

namespace {
constexpr int Runs = 5;
// Each run from the disk takes seconds.
constexpr int ColdRuns = 3;

// The project's own maker of a library whose songs carry ID3v2 and ID3v1 tags.
QString Id3v2LibraryMaker() { return QStringLiteral(KORVEL_SOURCE_DIR "/bench/make_id3v2_library.py"); }

void EmptyCatalogue(Model &model) { Catalogue::Edit(model.catalogue).Table() = SongTable(); }

// The catalogue's songs in the order a walk that met their files in `walked` added them.
SongTable InWalkOrder(const SongTable &sorted, const std::vector<std::string> &walked)
{
    QHash<QString, int> place;
    for (const std::string &path : walked)
        place.insert(QFile::decodeName(path.c_str()), place.size());
    std::vector<Song> songs = sorted.Songs();
    std::sort(songs.begin(), songs.end(), [&](const Song &a, const Song &b) {
        return place.value(QString(a.LongName).replace("//", "/")) < place.value(QString(b.LongName).replace("//", "/"));
    });
    SongTable table;
    for (Song &song : songs)
        table.Append() = std::move(song);
    return table;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir appDir, scratch, id3v2Library;
    Platform::SetApplicationDirectory(appDir.path());

    const QString library = Bench::Library(scratch);
    if (library.isEmpty() || !Bench::MakeLibrary(Id3v2LibraryMaker(), id3v2Library.path())) {
        std::fprintf(stderr, "cannot make the libraries\n");
        return 1;
    }
    const std::string libraryPath = QFile::encodeName(library).toStdString();
    const std::string id3v2LibraryPath = QFile::encodeName(id3v2Library.path()).toStdString();

    Startup::Program program({});
    Main &main = program.window();
    main.show();
    Model &model = program.jukebox().model();
    model.settings.SetSortBy(SortMode::TreeArtistSong);
    const auto empty = [&] { EmptyCatalogue(model); };

    ReferenceWalk(libraryPath);
    const double reference = Bench::MedianMs(Runs, nullptr, [&] { ReferenceWalk(libraryPath); });
    Bench::Print("reference_walk_ms", reference, "ms");

    // A whole addition with nothing on the screen: the walk, the tags, the sort and
    // the trees made but not shown.
    Model bare;
    const auto addUnseen = [&](const QString &path, Functions::TagReading reading) {
        bare.settings.SetTags(reading);
        AddDirectory(bare, path);
    };
    ReferenceWalk(id3v2LibraryPath);
    const double id3v2Reference = Bench::MedianMs(Runs, nullptr, [&] { ReferenceWalk(id3v2LibraryPath); });
    const double addUnseenV2 = Bench::MedianMs(Runs, [&] { EmptyCatalogue(bare); },
                                               [&] { addUnseen(id3v2Library.path(), Functions::TagReading::Id3v2); });
    const double addUnseenV1 = Bench::MedianMs(Runs, [&] { EmptyCatalogue(bare); },
                                               [&] { addUnseen(library, Functions::TagReading::Id3v1); });
    Bench::Print("add_unseen_ratio", addUnseenV1 / reference, "x");
    Bench::Print("add_unseen_v2_ratio", addUnseenV2 / id3v2Reference, "x");

    // The sorts start from the order the walk adds the songs in.
    const SongTable walkOrder = [&] {
        std::vector<std::string> walked;
        ReferenceWalk(libraryPath, &walked);
        return InWalkOrder(bare.catalogue.Table(), walked);
    }();
    SongTable songs = walkOrder;
    using Functions::KeyForm;
    for (const auto &[key, name] : {std::pair(KeyForm::ArtistSong, "sort_as_ms"), std::pair(KeyForm::SongArtist, "sort_sa_ms"),
                                    std::pair(KeyForm::FileName, "sort_f_ms")}) {
        const double ms = Bench::MedianMs(Runs, [&] { songs = walkOrder; },
                                          [&] { Functions::SortSongs(bare.screen, songs, key); });
        Bench::Print(name, ms, "ms");
    }

    auto *tree = main.findChild<Kit::KeyedTree *>(QStringLiteral("TreeView1"));
    auto *list = main.findChild<QListWidget *>(QStringLiteral("List1"));
    tree->hide();
    list->show();
    const double fill = Bench::MedianMs(Runs, nullptr, [&] {
        model.screen.views().RefillList(Functions::SongListRows(songs, KeyForm::ArtistSong));
    });
    Bench::Print("fill_list_ms", fill, "ms");
    list->clear();
    list->hide();
    tree->show();

    frm_addsongs &window = main.Window<frm_addsongs>();
    window.DirectoryListBox->SetPath(library);
    const double add = Bench::MedianMs(Runs, empty, [&] { window.cmd_recursive_Click(); });
    Bench::Print("add_directorys_ratio", add / reference, "x");
    // What drawing the progress window adds to the addition, against no window at all.
    Screen::Progress *progress = model.screen.Attach(static_cast<Screen::Progress *>(nullptr));
    const double unseen = Bench::MedianMs(Runs, empty, [&] { window.cmd_recursive_Click(); });
    model.screen.Attach(progress);
    Bench::Print("progress_drawing_pct", 100 * (add - unseen) / unseen, "%");
    Bench::Print("catalogue_rss_mib", Bench::PeakResidentKiB() / 1024.0, "MiB");
    Bench::Print("tag_threads", Functions::PassThreads(), "threads");

    if (DropPageCache()) {
        const double coldReference = Bench::MedianMs(ColdRuns, DropPageCache, [&] { ReferenceWalk(libraryPath); });
        const double coldAdd = Bench::MedianMs(ColdRuns, [&] { empty(); DropPageCache(); },
                                               [&] { window.cmd_recursive_Click(); });
        Bench::Print("cold_add_ratio", coldAdd / coldReference, "x");
    } else {
        std::fprintf(stderr, "cold_add_ratio: the page cache can be dropped only by root\n");
        Bench::Print("cold_add_ratio", std::nan(""), "x");
    }
    return model.catalogue.SongCount() == 32767 ? 0 : 1;
}
