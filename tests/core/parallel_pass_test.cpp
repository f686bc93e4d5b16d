// SPDX-License-Identifier: GPL-3.0-or-later
// The passes that run on several threads: the tagging pass, on files whose tags the
// test writes, and the directory walk, on trees of random shape.
#include "core/catalogue/directory_walk.h"
#include "core/catalogue/tags.h"
#include "core/state/screen.h"
#include "support/song_files.h"

#include <QtTest>
#include <deque>
#include <dirent.h>
#include <random>
#include <set>

namespace {
constexpr int Last = 999; // enough songs for every worker to take several turns

// The progress window's counts, and whether each came from the test's own thread.
struct RecordedProgress : Screen::Progress {
    WorkUnderWay work;
    Screen::Surface screen{work};
    QStringList currents;
    bool onCallingThread = true;
    RecordedProgress() { screen.Attach(this); }
    void Show(const QString &, const QString &, const QString &) override {}
    void SetCounts(const QString &current, const QString &) override
    {
        currents << current;
        onCallingThread &= QThread::currentThread() == qApp->thread();
    }
    void Unload() override {}
};

// A tree of random shape below `root`: chains of directories, directories of hundreds,
// empty ones, links back up and across, and names whose order differs in bytes and
// in the locale; song files among files of other names, hidden ones and a directory
// named like a song.
void MakeTree(const QString &root, std::mt19937 &random, int directories)
{
    const QStringList stems{"a", "B", QString::fromUtf8("é"), "E", "z", QString::fromUtf8("Ä"), "_x", "10", "9",
                            QString::fromUtf8("ß"), "ss", "Zebra", "old.mp3"};
    const QStringList ends{".mp3", ".mp3", "mp3", ".MP3", ".txt"};
    const auto pick = [&](const auto &from) { return from.at(static_cast<qsizetype>(random() % from.size())); };
    QStringList dirs{root};
    for (int d = 1; d < directories; ++d) {
        // Deeper below the last directory, beside it, or anywhere.
        const int shape = static_cast<int>(random() % 3);
        const QString parent = shape == 0 ? dirs.last() : shape == 1 ? root : pick(dirs);
        dirs << parent + "/" + pick(stems) + QString::number(d);
        QDir().mkpath(dirs.last());
    }
    for (const QString &dir : dirs) {
        for (int f = static_cast<int>(random() % 7); f > 0; --f)
            TestSupport::WriteFile(dir + "/" + (random() % 9 ? "" : ".") + pick(stems) + QString::number(f) + pick(ends), "");
    }
    for (int link = 0; link < 3; ++link)
        QFile::link(pick(dirs), pick(dirs) + "/link" + QString::number(link));
}

// The songs' paths as one thread walking breadth-first meets them, each directory
// once, with the separator doubled before each file's name.
QStringList OneThreadWalk(const QString &start)
{
    QStringList songs;
    std::set<std::pair<dev_t, ino_t>> seen;
    std::deque<QByteArray> queue{QFile::encodeName(start) + "/"};
    for (; !queue.empty(); queue.pop_front()) {
        const QByteArray dir = queue.front();
        struct stat st {};
        DIR *listing = ::opendir(dir.constData());
        if (!listing || ::stat(dir.constData(), &st) != 0 || !seen.insert({st.st_dev, st.st_ino}).second) {
            if (listing)
                ::closedir(listing);
            continue;
        }
        while (const dirent *entry = ::readdir(listing)) {
            const QByteArray name(entry->d_name);
            if (name.startsWith('.') || ::stat((dir + name).constData(), &st) != 0)
                continue;
            if (S_ISDIR(st.st_mode))
                queue.push_back(dir + name + "/");
            else if (S_ISREG(st.st_mode) && name.endsWith("mp3"))
                songs << QFile::decodeName(dir + "/" + name);
        }
        ::closedir(listing);
    }
    return songs;
}

// The songs' paths as the walk hands them over, until `enough` are in.
QStringList Walked(const QString &start, qsizetype enough = -1)
{
    QStringList walked;
    Functions::WalkSongs(start, [&](std::vector<Song> &songs) {
        for (const Song &song : songs)
            walked << song.LongName;
        return enough < 0 || walked.size() < enough;
    });
    return walked;
}
} // namespace

class ParallelPassTest : public QObject {
    Q_OBJECT
private slots:
    void everySongGetsItsOwnTagWithProgressInIndexOrder()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        TestSupport::MakePipe(root + "/pipe.mp3");
        QDir(root).mkdir("folder.mp3");
        SongTable songs;
        QStringList artists, titles;
        for (int i = 0; i <= Last; ++i) {
            const QString path = root + QStringLiteral("/%1.mp3").arg(i);
            const QByteArray title = "Song " + QByteArray::number(i);
            // Tagged, empty, cut short, failing the first-byte test, missing, a pipe, a directory.
            const QByteArray contents[] = {QByteArray(200, 'x') + TestSupport::TagBytes(title + "  ", "Mot\xf6rhead "), "",
                                           TestSupport::TagBytes(title, "A").left(100), TestSupport::TagBytes(" " + title, "\xe9")};
            const int kind = i % 7;
            if (kind < 4)
                TestSupport::WriteFile(path, contents[kind]);
            const QString longName = kind < 5 ? " " + path + " " : root + (kind == 5 ? "/pipe.mp3" : "/folder.mp3");
            songs.Append() = {QString::number(i), longName, int16_t(i), "Old", "Old"};
            artists << (kind == 0 ? QString::fromUtf8("Motörhead") : "No Artist");
            titles << (kind == 0 ? QString::fromLatin1(title) : "No SongName");
        }
        for (int round = 0; round < 3; ++round) {
            SongTable parallel = songs;
            RecordedProgress progress;
            Functions::TagPass pass(parallel, Functions::TagReading::Id3v1);
            // While the files are read the songs stay as they were, for the tree rebuilt meanwhile.
            QVERIFY(std::all_of(parallel.Songs().begin(), parallel.Songs().end(), [](const Song &s) { return s.Artist == "Old"; }));
            pass.Finish(progress.screen, parallel);
            for (int i = 0; i <= Last; ++i) {
                QCOMPARE(parallel.SongAt(i).Artist, artists.at(i));
                QCOMPARE(parallel.SongAt(i).SongName, titles.at(i));
            }
            QVERIFY(progress.onCallingThread);
            QCOMPARE(progress.currents.last(), QString::number(Last));
            for (qsizetype c = 1; c < progress.currents.size(); ++c)
                QVERIFY(progress.currents.at(c - 1).toInt() < progress.currents.at(c).toInt());
        }
    }

    void theWalkMeetsSongsInTheOrderOfAOneThreadWalk()
    {
        std::mt19937 random(11);
        // Some levels hold more directories than the pass has threads, several times over.
        for (const int directories : {40, 300, 700}) {
            QTemporaryDir dir;
            MakeTree(dir.path(), random, directories);
            const QStringList expected = OneThreadWalk(dir.path());
            QCOMPARE(Walked(dir.path()), expected);
            // Stopped half way, the walk has handed over the first songs and no others.
            const QStringList half = Walked(dir.path() + "/", expected.size() / 2);
            QVERIFY(half.size() >= expected.size() / 2 && half.size() < expected.size());
            QCOMPARE(half, expected.mid(0, half.size()));
        }
    }
};

QTEST_GUILESS_MAIN(ParallelPassTest)
#include "parallel_pass_test.moc"
