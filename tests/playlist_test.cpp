// Playlist files: what is written, what is read back, and what damaged files do.
#include "platform/message_box.h"
#include "state/globals.h"
#include "storage/playlist.h"
#include "support/test_app.h"

#include <QtTest>

namespace {
Song song(const QString &artist, const QString &title, const QString &path, const QString &file) { return {file, path, 0, artist, title}; }

QStringList fields(const Song &s) { return {s.Artist, s.SongName, s.LongName, s.ShortName}; }

struct Catalogue {
    std::vector<Song> songs;
    int16_t last = 0;
    int16_t count = 0;
    // Writes `contents` as a file and loads it.
    void load(const TestSupport::AppDir &dir, const QByteArray &contents)
    {
        dir.write("in.txt", contents);
        Functions::LoadPlaylist(dir.file("in.txt"), songs, last, count);
    }
};
} // namespace

class PlaylistTest : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsEveryValue()
    {
        TestSupport::AppDir dir;
        const std::vector<Song> saved{
            song("ABBA", "Waterloo", "/m//a.mp3", "a.mp3"),
            song("Crosby, Stills", "Teach, Your", "/m/x,y//b.mp3", "b.mp3"),
            song("Say \"hi\"", "\"", "/m/line\nend.mp3", "line\nend.mp3"),
            song("Motörhead", "Ça plane", "/m/é//ü.mp3", "ü.mp3"),
            song("", " padded ", "", ""),
        };
        QVERIFY(Functions::SavePlaylist("playlist1.txt", saved, 4));
        Catalogue c;
        c.songs.assign(3, song("old", "old", "old", "old"));
        c.songs[0].Id = 7;
        Functions::LoadPlaylist(dir.file("playlist1.txt"), c.songs, c.last, c.count);
        QCOMPARE(QList<int>({c.count, c.last, int(c.songs.size())}), QList<int>({5, 4, 5}));
        for (std::size_t i = 0; i < saved.size(); ++i)
            QCOMPARE(fields(c.songs[i]), fields(saved[i]));
        QCOMPARE(c.songs[1].Id, 0);

        // Plain values are written as they stand, over a longer old file.
        dir.write("playlist2.txt", QByteArray(200, 'x'));
        QVERIFY(Functions::SavePlaylist("playlist2.txt", {song("A", "B", "/p//c.mp3", "c.mp3"), song("D", "", "/q", "q")}, 1));
        QCOMPARE(dir.read("playlist2.txt"), QByteArray("\"A\",\"B\",\"/p//c.mp3\",\"c.mp3\"\r\n\"D\",\"\",\"/q\",\"q\"\r\n"));
    }

    void readingRules()
    {
        TestSupport::AppDir dir;
        Catalogue c;
        // Bare fields, blanks before fields, fields spread over lines, no final line end.
        c.load(dir, "Artist,Song,/x/y.mp3,y.mp3\n  \"B\",\"S2\"\r\n\"/z\",\"z\"\r\"C\",\"S3\",\"/w\",\"w\"");
        QCOMPARE(c.count, 3);
        QCOMPARE(fields(c.songs[0]), (QStringList{"Artist", "Song", "/x/y.mp3", "y.mp3"}));
        QCOMPARE(fields(c.songs[1]), (QStringList{"B", "S2", "/z", "z"}));
        QCOMPARE(c.songs[2].ShortName, QStringLiteral("w"));

        // A song cut short stays counted with the fields read before the end.
        c.load(dir, "\"A\",\"B\",\"/c\",\"c\"\r\n\"D\",\"E\"\r\n");
        QCOMPARE(c.count, 2);
        QCOMPARE(fields(c.songs[1]), (QStringList{"D", "E", "", ""}));

        // An empty file empties the count and leaves the last index and the records.
        c.last = 41;
        c.load(dir, "");
        QCOMPARE(QList<int>({c.count, c.last, int(c.songs.size())}), QList<int>({0, 41, 2}));

        // A missing file changes nothing.
        c.count = 2;
        Functions::LoadPlaylist(dir.file("missing.txt"), c.songs, c.last, c.count);
        QCOMPARE(c.count, 2);

        // A small file replaces a large catalogue.
        c.songs.assign(500, song("x", "x", "x", "x"));
        c.last = 499;
        c.count = 500;
        c.load(dir, "\"A\",\"1\",\"/1\",\"1\"\r\n\"B\",\"2\",\"/2\",\"2\"\r\n");
        QCOMPARE(QList<int>({c.count, c.last, int(c.songs.size())}), QList<int>({2, 1, 2}));
    }

    void hostileFilesEndTheLoad()
    {
        TestSupport::AppDir dir;
        Catalogue c;
        // One field longer than 64 KiB without any separator is a read error.
        c.load(dir, "\"A\",\"" + QByteArray(200 * 1024, 'a'));
        QCOMPARE(c.count, 1);
        QCOMPARE(c.songs[0].Artist, QStringLiteral("A"));

        // More songs than the catalogue holds: the first 32,767 are kept.
        c.load(dir, QByteArray("a,b,c,d\n").repeated(32800));
        QCOMPARE(c.count, 32767);
        QCOMPARE(c.last, 32766);
    }

    void failedSaveKeepsTheOldFileAndSaysSo()
    {
        TestSupport::AppDir dir;
        dir.write("playlist3.txt", "old contents");
        const std::vector<Song> many(200, song("Artist", "Song", "/some/long/path//file.mp3", "file.mp3"));
        Platform::MessageCapture capture;
        {
            // A file-size limit makes the write fail as a full disk would, even for root.
            TestSupport::FileSizeLimit limit(1024);
            QVERIFY(!Functions::SavePlaylist("playlist3.txt", many, 199));
        }
        QCOMPARE(capture.messages().size(), 1);
        QVERIFY(capture.messages().at(0).contains("playlist3.txt"));
        QCOMPARE(dir.read("playlist3.txt"), QByteArray("old contents"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"playlist3.txt"});
    }
};

QTEST_MAIN(PlaylistTest)
#include "playlist_test.moc"
