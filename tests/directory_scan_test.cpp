// The walk: which files join the catalogue, in which order, and how it ends.
#include "app/windows.h"
#include "catalogue/scan.h"
#include "catalogue/tags.h"
#include "dialogs/counter_window.h"
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
#include "state/globals.h"
#include "support/song_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {
QStringList longNames()
{
    QStringList names;
    for (const Song &song : Songs)
        names.append(song.LongName);
    return names;
}

void scan(const QString &dir)
{
    Platform::KeyedTree tree;
    Functions::ScanDirectories(dir, tree, Songs, LastSongIndex, SongCount);
}
} // namespace

class DirectoryScanTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Songs.clear();
        ResetSharedState();
    }

    void songsAreAddedBreadthFirstWithDoubledSeparator()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        TestSupport::WriteFile(root + "/A/B/C/c.mp3", "");
        TestSupport::WriteFile(root + "/A/B/b.mp3", "");
        TestSupport::WriteFile(root + "/A/a.mp3", "");
        TestSupport::WriteFile(root + "/A/loud.MP3", "");
        TestSupport::WriteFile(root + "/A/demomp3", "");
        TestSupport::WriteFile(root + "/A/.hidden.mp3", "");
        TestSupport::WriteFile(root + "/A/old.mp3/inside.mp3", "");
        scan(root + "/A");
        QCOMPARE(SongCount, 5);
        QCOMPARE(LastSongIndex, 4);
        const QStringList names = longNames();
        QCOMPARE(QSet<QString>(names.begin(), names.begin() + 2),
                 (QSet<QString>{root + "/A//a.mp3", root + "/A//demomp3"}));
        QCOMPARE(QSet<QString>(names.begin() + 2, names.begin() + 4),
                 (QSet<QString>{root + "/A/B//b.mp3", root + "/A/old.mp3//inside.mp3"}));
        QCOMPARE(names.at(4), root + "/A/B/C//c.mp3");
        const Song &last = Songs.at(4);
        QCOMPARE(last.ShortName, QStringLiteral("c.mp3"));
        QCOMPARE(last.SongName, QStringLiteral("c.mp3"));
        QCOMPARE(last.Artist, QStringLiteral("Unknown"));
        QVERIFY(!WindowExists<frm_Counter>());

        // The same directory with a trailing separator adds the same songs again,
        // after the ones already there.
        scan(root + "/A/");
        QCOMPARE(SongCount, 10);
        QCOMPARE(longNames().mid(5), names);
    }

    void loopsAreWalkedOnceAndBrokenEntriesSkipped()
    {
        QTemporaryDir dir, elsewhere;
        const QString root = dir.path();
        TestSupport::WriteFile(root + "/top.mp3", "");
        TestSupport::WriteFile(root + "/sub/deep.mp3", "");
        TestSupport::WriteFile(elsewhere.path() + "/far.mp3", "");
        QFile::link(root, root + "/sub/up");
        QFile::link(elsewhere.path(), root + "/far1");
        QFile::link(elsewhere.path(), root + "/far2");
        QFile::link(root + "/nowhere", root + "/dangling.mp3");
        scan(root);
        const QStringList names = longNames();
        QCOMPARE(SongCount, 3);
        QCOMPARE(names.filter("far.mp3").size(), 1);
    }

    void namesThatCannotBeReopenedAreSkipped()
    {
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        TestSupport::WriteSong(dir.path() + QString::fromUtf8("/Café.mp3"), "Title", "Artist");
        const QByteArray invalid = root + "/bad\xff\xfe.mp3";
        FILE *file = std::fopen(invalid.constData(), "w");
        QVERIFY(file);
        std::fclose(file);
        scan(dir.path());
        std::remove(invalid.constData());
        QCOMPARE(SongCount, 1);
        QCOMPARE(Songs.at(0).ShortName, QString::fromUtf8("Café.mp3"));
        Functions::TagSongs(Songs, LastSongIndex, SongCount);
        QCOMPARE(Songs.at(0).Artist, QStringLiteral("Artist"));
    }

    void newSongsFollowOldOnesUntilTheCatalogueIsFull()
    {
        QTemporaryDir dir;
        for (const char *name : {"1.mp3", "2.mp3", "3.mp3"})
            TestSupport::WriteFile(dir.filePath(name), "");
        Songs = {Song{"x", "x", 0, "X", "x"}, Song{"y", "y", 0, "Y", "y"}};
        SongCount = 2;
        LastSongIndex = 1;
        scan(dir.path());
        QCOMPARE(SongCount, 5);
        QCOMPARE(Songs.at(1).ShortName, QStringLiteral("y"));

        Songs.resize(32765, Song{"f", "f", 0, "Unknown", "f"});
        SongCount = 32765;
        LastSongIndex = 32764;
        Platform::MessageCapture messages;
        Platform::KeyedTree tree;
        Functions::ScanDirectories(dir.path(), tree, Songs, LastSongIndex, SongCount);
        QCOMPARE(SongCount, 32767);
        QCOMPARE(LastSongIndex, 32766);
        QCOMPARE(Songs.size(), 32767u);
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(!WindowExists<frm_Counter>());
        QVERIFY(tree.Count() > 32767);
    }
};

QTEST_MAIN(DirectoryScanTest)
#include "directory_scan_test.moc"
