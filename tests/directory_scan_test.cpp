// The walk: which files join the catalogue, in which order, and how it ends.
#include "app/windows.h"
#include "catalogue/scan.h"
#include "dialogs/counter_window.h"
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
#include "state/globals.h"
#include "support/song_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList scan(const QString &dir)
{
    Platform::KeyedTree tree;
    Functions::ScanDirectories(dir, tree, Songs, LastSongIndex, SongCount);
    QStringList names;
    for (const Song &song : Songs)
        names.append(song.LongName);
    return names;
}

void makeFiles(const QString &root, const QStringList &names)
{
    for (const QString &name : names)
        TestSupport::WriteFile(root + name, "");
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
        const QString a = dir.path() + "/A";
        makeFiles(a, {"/B/C/c.mp3", "/B/b.mp3", "/a.mp3", "/loud.MP3", "/.hidden.mp3", "/old.mp3/in.mp3"});
        const QStringList names = scan(a);
        QCOMPARE(names.size(), 4);
        QCOMPARE(names.first(), a + "//a.mp3");
        QCOMPARE(QSet<QString>(names.begin() + 1, names.begin() + 3), (QSet<QString>{a + "/B//b.mp3", a + "/old.mp3//in.mp3"}));
        QCOMPARE(names.last(), a + "/B/C//c.mp3");
        const Song &last = Songs.at(3);
        QCOMPARE(QStringList({last.ShortName, last.SongName, last.Artist}), QStringList({"c.mp3", "c.mp3", "Unknown"}));
        QVERIFY(!WindowExists<frm_Counter>());

        // With a trailing separator the same songs are added again, after the others.
        QCOMPARE(scan(a + "/").mid(4), names);
        QCOMPARE(LastSongIndex, 7);
    }

    void linksAreFollowedOnceAndBrokenEntriesSkipped()
    {
        QTemporaryDir dir, elsewhere;
        const QString root = dir.path();
        makeFiles(root, {"/top.mp3", "/sub/deep.mp3"});
        makeFiles(elsewhere.path(), {"/far.mp3"});
        QFile::link(root, root + "/sub/up");
        QFile::link(elsewhere.path(), root + "/far1");
        QFile::link(elsewhere.path(), root + "/far2");
        QFile::link(root + "/nowhere", root + "/dangling.mp3");
        QCOMPARE(scan(root).size(), 3);
    }

    void namesThatCannotBeReopenedAreSkipped()
    {
        QTemporaryDir dir;
        makeFiles(dir.path(), {QString::fromUtf8("/Café.mp3")});
        const QByteArray invalid = QFile::encodeName(dir.path()) + "/bad\xff.mp3";
        std::fclose(std::fopen(invalid.constData(), "w"));
        const QStringList names = scan(dir.path());
        std::remove(invalid.constData());
        QCOMPARE(names, QStringList{dir.path() + QString::fromUtf8("//Café.mp3")});
        QVERIFY(QFile::exists(names.first()));
    }

    void newSongsFollowOldOnesUntilTheCatalogueIsFull()
    {
        QTemporaryDir dir;
        makeFiles(dir.path(), {"/1.mp3", "/2.mp3", "/3.mp3"});
        Songs = {Song{"x", "x", 0, "X", "x"}, Song{"y", "y", 0, "Y", "y"}};
        SongCount = 2;
        LastSongIndex = 1;
        QCOMPARE(scan(dir.path()).mid(0, 2), QStringList({"x", "y"}));
        QCOMPARE(SongCount, 5);

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
        QCOMPARE(tree.Count(), 1 + 3 + 32767);
    }
};

QTEST_MAIN(DirectoryScanTest)
#include "directory_scan_test.moc"
