// The walk that adds files to the catalogue, and the tags read from them.
#include "core/catalogue/scan.h"
#include "core/catalogue/tags.h"
#include "core/state/globals.h"
#include "support/screen_doubles.h"
#include "support/song_files.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::TagBytes;

namespace {
QStringList scan(const QString &dir)
{
    Functions::ScanDirectories(dir, Songs, LastSongIndex, SongCount);
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

class ScanAndTagsTest : public QObject {
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
        makeFiles(a, {"/B/C/c.mp3", "/B/b.mp3", "/a.mp3", "/loud.MP3", "/.hidden.mp3", "/old.mp3/in.mp3", "/demomp3"});
        TestSupport::RecordedViews views;
        const QStringList names = scan(a);
        QCOMPARE(names.size(), 5);
        QCOMPARE(QSet<QString>(names.begin(), names.begin() + 2), (QSet<QString>{a + "//a.mp3", a + "//demomp3"}));
        QCOMPARE(QSet<QString>(names.begin() + 2, names.begin() + 4), (QSet<QString>{a + "/B//b.mp3", a + "/old.mp3//in.mp3"}));
        QCOMPARE(names.last(), a + "/B/C//c.mp3");
        const Song &last = Songs.at(4);
        QCOMPARE(QStringList({last.ShortName, last.SongName, last.Artist}), QStringList({"c.mp3", "c.mp3", "Unknown"}));
        QCOMPARE(views.calls, QStringList{"tree"});

        // With a trailing separator the same songs are added again, after the others.
        QCOMPARE(scan(a + "/").mid(5), names);
        QCOMPARE(LastSongIndex, 9);
    }

    void linksAreFollowedOnceAndUnusableNamesSkipped()
    {
        QTemporaryDir dir, elsewhere;
        const QString root = dir.path();
        makeFiles(root, {"/top.mp3", "/sub/deep.mp3", QString::fromUtf8("/Café.mp3")});
        makeFiles(elsewhere.path(), {"/far.mp3"});
        QFile::link(root, root + "/sub/up");
        QFile::link(elsewhere.path(), root + "/far1");
        QFile::link(elsewhere.path(), root + "/far2");
        QFile::link(root + "/nowhere", root + "/dangling.mp3");
        // A name that is no text in the file-name encoding could not be opened again.
        const QByteArray invalid = QFile::encodeName(root) + "/bad\xff.mp3";
        std::fclose(std::fopen(invalid.constData(), "w"));
        const QStringList names = scan(root);
        std::remove(invalid.constData());
        QCOMPARE(names.size(), 4);
        QVERIFY(names.contains(root + QString::fromUtf8("//Café.mp3")));
        for (const QString &name : names)
            QVERIFY2(QFileInfo::exists(name), qPrintable(name));
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
        TestSupport::CapturedMessages messages;
        TestSupport::RecordedViews views;
        scan(dir.path());
        QCOMPARE(SongCount, 32767);
        QCOMPARE(LastSongIndex, 32766);
        QCOMPARE(Songs.size(), 32767u);
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(views.calls, QStringList{"tree"});
    }

    void tagsGiveSongNameAndArtist_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("songName");
        QTest::addColumn<QString>("artist");
        const QByteArray filler(500, 'x');
        QTest::newRow("exactly 128 bytes") << TagBytes("Abba", "The Band" + QByteArray(22, ' ')) << "Abba" << "The Band";
        QTest::newRow("shorter than 128") << TagBytes("Abba", "Band").left(127) << "No SongName" << "No Artist";
        QTest::newRow("lower-case header") << filler + TagBytes("Abba", "Band", "tag") << "No SongName" << "No Artist";
        QTest::newRow("no tag") << filler << "No SongName" << "No Artist";
        QTest::newRow("cut at NUL") << filler + TagBytes(QByteArray("AB\0CD", 5), "  X") << "AB" << "No Artist";
        QTest::newRow("digits first") << filler + TagBytes("1999", "Prince") << "1999" << "Prince";
        QTest::newRow("space first") << filler + TagBytes(" Leading", "Band") << "No SongName" << "Band";
        QTest::newRow("parenthesis first") << filler + TagBytes("(Live)", "Band") << "No SongName" << "Band";
        QTest::newRow("accent first") << filler + TagBytes("\xe9t\xe9", "\xc9" "cole") << "No SongName" << "No Artist";
        QTest::newRow("ISO-8859-1, tabs kept") << filler + TagBytes("Caf\xe9", "Mot\xf6rhead\t ")
                                               << QString::fromUtf8("Café") << QString::fromUtf8("Motörhead\t");
    }

    void tagsGiveSongNameAndArtist()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        TestSupport::WriteFile(dir.filePath("song.mp3"), contents);
        // Blanks around the stored path do not stop the file being found.
        Songs = {Song{"song.mp3", "  " + dir.filePath("song.mp3") + " ", 0, "Unknown", "song.mp3"}};
        Functions::TagSongs(Songs, 0, 1);
        QTEST(Songs.at(0).SongName, "songName");
        QTEST(Songs.at(0).Artist, "artist");
    }

    void missingFilesFallBackAndEmptyCataloguesAreLeftAlone()
    {
        QTemporaryDir dir;
        TestSupport::WriteSong(dir.filePath("b.mp3"), "Two", "Second");
        Songs = {Song{"a.mp3", dir.filePath("a.mp3"), 0, "Old", "Old"},
                 Song{"b.mp3", dir.filePath("b.mp3"), 0, "Old", "Old"}};
        Functions::TagSongs(Songs, 1, 0);
        QCOMPARE(Songs.at(1).Artist, QStringLiteral("Old"));
        Functions::TagSongs(Songs, 1, 2);
        QCOMPARE(Songs.at(0).Artist, QStringLiteral("No Artist"));
        QCOMPARE(Songs.at(1).SongName, QStringLiteral("Two"));
        QVERIFY(!QFileInfo::exists(dir.filePath("a.mp3")));
    }
};

QTEST_GUILESS_MAIN(ScanAndTagsTest)
#include "scan_and_tags_test.moc"
