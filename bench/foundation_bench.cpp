// SPDX-License-Identifier: GPL-3.0-or-later
// Playlist load and save, tree build and start-up with a full catalogue of 32,767 songs.
#include "bench_util.h"
#include "core/catalogue/artist_tree.h"
#include "core/storage/playlist.h"
#include "platform/app_dir.h"
#include "ui/desktop/mpris_player.h"
#include "ui/kit/keyed_tree.h"
#include "ui/main/main_window.h"
#include "ui/main/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <random>

namespace {

// A catalogue shaped like the benchmark library: 2,500 artists, two-word names,
// paths two directories deep; sorted by artist so that the tree has one run each.
SongTable makeCatalogue()
{
    const char *words[] = {"Blue", "Night", "River", "Echo", "Stone", "Lights", "Rain", "Gold",
                           "Fire", "Dream", "Road", "Heart", "Storm", "Glass", "Summer", "Ghost"};
    std::mt19937 rnd(1);
    std::vector<QString> artists;
    for (int a = 0; a < 2500; ++a)
        artists.push_back(QStringLiteral("%1 %2 %3").arg(words[rnd() % 16], words[rnd() % 16]).arg(a));
    std::vector<Song> songs(32767);
    for (int i = 0; i < 32767; ++i) {
        const int a = static_cast<int>(rnd() % 2500);
        Song &s = songs[static_cast<std::size_t>(i)];
        s.Artist = artists[static_cast<std::size_t>(a)];
        s.SongName = QStringLiteral("%1 %2 %3").arg(words[rnd() % 16], words[rnd() % 16]).arg(i);
        s.ShortName = QStringLiteral("track%1.mp3").arg(i, 5, 10, QLatin1Char('0'));
        s.LongName = QStringLiteral("/home/user/Music/artist%1/disc%2//").arg(a, 5, 10, QLatin1Char('0')).arg(rnd() % 4) + s.ShortName;
    }
    std::stable_sort(songs.begin(), songs.end(), [](const Song &x, const Song &y) { return x.Artist < y.Artist; });
    SongTable table;
    for (Song &song : songs)
        table.Append() = std::move(song);
    return table;
}

// The child process of the start-up figures: the program's own start-up, then a
// line "ready <peak KiB>" once the window is shown and the event loop runs.
int runStartupChild(int argc, char **argv, const QString &dir)
{
    Startup::PrepareEnvironment();
    QApplication app(argc, argv);
    Platform::SetApplicationDirectory(dir);
    const auto window = Startup::ShowMainWindow();
    QTimer::singleShot(0, [] {
        std::printf("ready %ld\n", Bench::PeakResidentKiB());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--startup")
        return runStartupChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    QApplication app(argc, argv);
    QTemporaryDir dir;
    Platform::SetApplicationDirectory(dir.path());
    const SongTable catalogue = makeCatalogue();
    const QString path = Platform::ApplicationFile("playlist0.txt");

    Screen::Surface screen;
    const double save = Bench::MedianMs(5, {}, [&] { Functions::SavePlaylist(screen, "playlist0.txt", catalogue); });
    // Each load starts from an empty catalogue, as at start-up.
    SongTable songs;
    const double load = Bench::MedianMs(5, [&] { songs = SongTable(); }, [&] { Functions::LoadPlaylist(screen, path, songs); });

    Kit::KeyedTree tree;
    tree.resize(370, 305);
    tree.show();
    const double build = Bench::MedianMs(5, {}, [&] {
        tree.Fill(Functions::BuildArtistTree(songs).nodes);
        QCoreApplication::processEvents();
    });

    std::vector<double> startTimes;
    std::vector<double> rss;
    for (int r = 0; r < 5; ++r) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer t;
        t.start();
        child.start(QCoreApplication::applicationFilePath(), {"--startup", dir.path()});
        while (child.waitForReadyRead(30000) && !child.canReadLine()) {
        }
        startTimes.push_back(t.nsecsElapsed() / 1e6);
        rss.push_back(child.readLine().split(' ').value(1).trimmed().toDouble() / 1024.0);
        child.waitForFinished(30000);
    }

    // The desktop's view of the player, asked for a hundred times, with the current
    // song deep in the catalogue and the previous one no longer in it.
    Main main;
    QObject published;
    const Desktop::MprisPlayer desktop(&published, {main, main.model(), main.transport(), main.player(), main.door()});
    main.model().pointers.SetCurrentSong({songs.SongAt(30000).LongName, 30000});
    main.model().pointers.SetPreviousSong({QStringLiteral("/gone.mp3"), 17});
    constexpr int Ticks = 100;
    const double ticks = Bench::MedianMs(5, {}, [&] {
        for (int i = 0; i < Ticks; ++i) {
            desktop.Metadata();
            desktop.CanGoPrevious();
        }
    });

    // Expand and Collapse on the full tree, as the window's buttons do.
    main.show();
    QCoreApplication::processEvents();
    const auto click = [&](const char *button) {
        main.findChild<QAbstractButton *>(QLatin1String(button))->click();
        QCoreApplication::processEvents();
    };
    const double expand = Bench::MedianMs(5, {}, [&] { click("cmd_expand"); });
    const double collapse = Bench::MedianMs(5, {}, [&] { click("cmd_shrink"); });

    Bench::Print("load_playlist_ms", load, "ms");
    Bench::Print("build_tree_ms", build, "ms");
    Bench::Print("save_playlist_ms", save, "ms");
    Bench::Print("startup_ms", Bench::Median(startTimes), "ms");
    Bench::Print("startup_rss_mib", Bench::Median(rss), "MiB");
    Bench::Print("desktop_tick_us", ticks * 1000 / Ticks, "us");
    Bench::Print("expand_all_ms", expand, "ms");
    Bench::Print("collapse_all_ms", collapse, "ms");
    return 0;
}
