// Playlist files: what is written, what is read back, and what damaged files do.
#include "platform/message_box.h"
#include "state/globals.h"
#include "storage/playlist.h"
#include "support/test_app.h"

#include <QtTest>

namespace {
Song song(const QString &artist, const QString &title, const QString &path, const QString &file)
{
    Song s;
    s.Artist = artist;
    s.SongName = title;
    s.LongName = path;
    s.ShortName = file;
    return s;
}

struct Catalogue {
    std::vector<Song> songs;
    int16_t last = 0;
    int16_t count = 0;
    void load(const QString &path) { Functions::LoadPlaylist(path, songs, last, count); }
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
        c.load(dir.file("playlist1.txt"));
        QCOMPARE(c.count, 5);
        QCOMPARE(c.last, 4);
        QCOMPARE(c.songs.size(), 5u);
        for (std::size_t i = 0; i < saved.size(); ++i) {
            QCOMPARE(c.songs[i].Artist, saved[i].Artist);
            QCOMPARE(c.songs[i].SongName, saved[i].SongName);
            QCOMPARE(c.songs[i].LongName, saved[i].LongName);
            QCOMPARE(c.songs[i].ShortName, saved[i].ShortName);
        }
        QCOMPARE(c.songs[1].Id, 0);
    }

    void plainValuesAreWrittenAsTheyStand()
    {
        TestSupport::AppDir dir;
        dir.write("playlist2.txt", QByteArray(10 * 20, 'x'));
        const std::vector<Song> saved{song("A", "B", "/p//c.mp3", "c.mp3"), song("D", "", "/q", "q")};
        QVERIFY(Functions::SavePlaylist("playlist2.txt", saved, 1));
        QCOMPARE(dir.read("playlist2.txt"),
                 QByteArray("\"A\",\"B\",\"/p//c.mp3\",\"c.mp3\"\r\n\"D\",\"\",\"/q\",\"q\"\r\n"));
    }

    void readingRules()
    {
        TestSupport::AppDir dir;
        Catalogue c;
        // Bare fields, blanks before fields, fields spread over lines, no final line end.
        dir.write("a.txt", "Artist,Song,/x/y.mp3,y.mp3\n  \"B\",\"S2\"\r\n\"/z\",\"z\"\r\"C\",\"S3\",\"/w\",\"w\"");
        c.load(dir.file("a.txt"));
        QCOMPARE(c.count, 3);
        QCOMPARE(c.songs[0].LongName, QStringLiteral("/x/y.mp3"));
        QCOMPARE(c.songs[1].Artist, QStringLiteral("B"));
        QCOMPARE(c.songs[1].ShortName, QStringLiteral("z"));
        QCOMPARE(c.songs[2].ShortName, QStringLiteral("w"));

        // A song cut short stays counted with the fields read before the end.
        dir.write("b.txt", "\"A\",\"B\",\"/c\",\"c\"\r\n\"D\",\"E\"\r\n");
        c.load(dir.file("b.txt"));
        QCOMPARE(c.count, 2);
        QCOMPARE(c.songs[1].SongName, QStringLiteral("E"));
        QCOMPARE(c.songs[1].LongName, QString());

        // An empty file empties the count and leaves the last index and the records.
        c.last = 41;
        dir.write("c.txt", "");
        c.load(dir.file("c.txt"));
        QCOMPARE(c.count, 0);
        QCOMPARE(c.last, 41);
        QCOMPARE(c.songs.size(), 2u);

        // A missing file changes nothing.
        c.count = 2;
        c.load(dir.file("missing.txt"));
        QCOMPARE(c.count, 2);
    }

    void smallFileReplacesLargeCatalogue()
    {
        TestSupport::AppDir dir;
        Catalogue c;
        c.songs.assign(500, song("x", "x", "x", "x"));
        c.last = 499;
        c.count = 500;
        dir.write("two.txt", "\"A\",\"1\",\"/1\",\"1\"\r\n\"B\",\"2\",\"/2\",\"2\"\r\n");
        c.load(dir.file("two.txt"));
        QCOMPARE(c.count, 2);
        QCOMPARE(c.last, 1);
        QCOMPARE(c.songs.size(), 2u);
    }

    void hostileFilesEndTheLoad()
    {
        TestSupport::AppDir dir;
        Catalogue c;
        // One field longer than 64 KiB without any separator is a read error.
        dir.write("long.txt", "\"A\",\"" + QByteArray(200 * 1024, 'a'));
        c.load(dir.file("long.txt"));
        QCOMPARE(c.count, 1);
        QCOMPARE(c.songs[0].Artist, QStringLiteral("A"));

        // More songs than the catalogue holds: the first 32,767 are kept.
        QByteArray many;
        for (int i = 0; i < 32800; ++i)
            many += "a,b,c,d\n";
        dir.write("many.txt", many);
        c.load(dir.file("many.txt"));
        QCOMPARE(c.count, 32767);
        QCOMPARE(c.last, 32766);
    }

    void failedSaveKeepsTheOldFileAndSaysSo()
    {
        TestSupport::AppDir dir;
        dir.write("playlist3.txt", "old contents");
        std::vector<Song> many(200, song("Artist", "Song", "/some/long/path//file.mp3", "file.mp3"));
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
