// SPDX-License-Identifier: GPL-3.0-or-later
// The tagging pass, run on several threads, on files whose tags the test writes.
#include "core/catalogue/tags.h"
#include "core/state/screen.h"
#include "support/song_files.h"

#include <QtTest>

namespace {
constexpr int Last = 999; // enough songs for every worker to take several turns

// The progress window's counts, and whether each came from the test's own thread.
struct RecordedProgress : Screen::Progress {
    Screen::Surface screen;
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
} // namespace

class ParallelTagsTest : public QObject {
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
};

QTEST_GUILESS_MAIN(ParallelTagsTest)
#include "parallel_tags_test.moc"
