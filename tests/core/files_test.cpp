// The program's files: playlists written and read back, damaged playlists, the
// settings file's reading rules and its ten lines, and the quick-load slots.
#include "core/state/globals.h"
#include "core/storage/playlist.h"
#include "core/storage/quick_load.h"
#include "core/storage/settings.h"
#include "platform/default_paths.h"
#include "support/catalogue.h"
#include "support/screen_doubles.h"
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

// A settings file and the SortBy, CdDrive (empty: the default), FontSize and slot names 0, 1 it gives.
void row(const char *name, const QByteArray &file, const QStringList &expected)
{
    QTest::newRow(name) << file << expected;
}

QString name(const std::optional<QString> &slot) { return slot ? *slot : QStringLiteral("(kept)"); }
} // namespace

class FilesTest : public QObject {
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

    void playlistReadingRules()
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

        // One field longer than 64 KiB without any separator is a read error.
        c.load(dir, "\"A\",\"" + QByteArray(200 * 1024, 'a'));
        QCOMPARE(c.count, 1);
        QCOMPARE(c.songs[0].Artist, QStringLiteral("A"));

        // More songs than the catalogue holds: the first 32,767 are kept.
        c.load(dir, QByteArray("a,b,c,d\n").repeated(32800));
        QCOMPARE(c.count, 32767);
        QCOMPARE(c.last, 32766);
    }

    void settingsReadingRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        const QString cd = Platform::DefaultCdDrive();
        row("no file", {}, {"TAS", cd, "8", "(kept)", "(kept)"});
        row("only FontSize", "\"FontSize\",12\r\n", {"TAS", cd, "12", "(kept)", "(kept)"});
        row("FontSize 0", "\"FontSize\",0\r\n", {"TAS", cd, "8", "(kept)", "(kept)"});
        row("quoted FontSize", "\"FontSize\",\"12\"", {"TAS", cd, "12", "(kept)", "(kept)"});
        row("half to even", "\"FontSize\", +12.5 \r\n", {"TAS", cd, "12", "(kept)", "(kept)"});
        row("not a number", "\"FontSize\",\"big\"", {"TAS", cd, "8", "(kept)", "(kept)"});
        row("beyond 16 bits", "\"FontSize\",40000", {"TAS", cd, "8", "(kept)", "(kept)"});
        row("kept outside 8 to 30", "\"FontSize\",50", {"TAS", cd, "50", "(kept)", "(kept)"});
        row("key case", "\"sortby\",\"LAS\"\r\n", {"TAS", cd, "8", "(kept)", "(kept)"});
        row("unknown key and its value skipped", "\"Volume\",\"SortBy\"\r\n\"CdDrive\",\"/dev/sr1\"\r\n",
            {"TAS", "/dev/sr1", "8", "(kept)", "(kept)"});
        row("any order, last duplicate wins",
            "\"ListName1\",\"b\"\r\n\"SortBy\",\"LAS\"\r\n\"CdDrive\",\"\"\r\n\"SortBy\",\"LF\"\r\n\"ListName1\",\"c, d\"\r\n"
            "\"ListName0\",\"\"\r\n",
            {"LF", cd, "8", "", "c, d"});
    }

    void settingsReadingRules()
    {
        QFETCH(QByteArray, file);
        TestSupport::AppDir dir;
        if (!file.isEmpty())
            dir.write("Korvel.ini", file);
        const SlotNames names = Functions::ReadSettings();
        QTEST((QStringList{SortBy, CdDrive, QString::number(FontSize), name(names[0]), name(names[1])}), "expected");
        QCOMPARE(SongsStartDir, Platform::DefaultSongsStartDir());
    }

    void settingsAreWrittenAsTenLinesAndReadBack()
    {
        TestSupport::AppDir dir;
        SortBy = QStringLiteral("LSA");
        CdDrive = QStringLiteral("/mnt/cd");
        FontSize = 14;
        SongsStartDir = QStringLiteral("/home/u/Music");
        QVERIFY(Functions::WriteSettings({"Party, loud", "", "", "", "Quiet", ""}));
        QCOMPARE(dir.read("Korvel.ini"), QByteArray("\"SortBy\",\"LSA\"\r\n\"CdDrive\",\"/mnt/cd\"\r\n\"FontSize\",14\r\n"
                                                    "\"SongsStartDir\",\"/home/u/Music\"\r\n\"ListName0\",\"Party, loud\"\r\n"
                                                    "\"ListName1\",\"\"\r\n\"ListName2\",\"\"\r\n\"ListName3\",\"\"\r\n"
                                                    "\"ListName4\",\"Quiet\"\r\n\"ListName5\",\"\"\r\n"));
        SortBy.clear();
        const SlotNames names = Functions::ReadSettings();
        QCOMPARE(QStringList({SortBy, CdDrive, QString::number(FontSize), SongsStartDir, *names[0], *names[4]}),
                 QStringList({"LSA", "/mnt/cd", "14", "/home/u/Music", "Party, loud", "Quiet"}));
    }

    void quickLoadSlots()
    {
        TestSupport::AppDir dir;
        TestSupport::CapturedMessages messages;
        TestSupport::RecordedViews views;
        TestSupport::MakeCatalogue(40);
        Functions::SaveSlot(2);
        const QByteArray playlist = dir.read("playlist2.txt");
        QCOMPARE(playlist.count("\r\n"), 40);
        QVERIFY(playlist.endsWith("\"Song 39\",\"/m/39.mp3\",\"39.mp3\"\r\n"));

        // Loading replaces the catalogue and rebuilds the tree, and the list in a list mode.
        SortBy = QStringLiteral("LSA");
        TestSupport::MakeCatalogue(7);
        Functions::LoadSlot(2);
        QCOMPARE(SongCount, 40);
        QCOMPARE(views.calls, (QStringList{"tree", "list SA"}));

        // An empty catalogue leaves the slot without a file; loading it then says so.
        SongCount = 0;
        Functions::SaveSlot(2);
        QVERIFY(!QFileInfo::exists(dir.file("playlist2.txt")));
        TestSupport::MakeCatalogue(7);
        Functions::LoadSlot(2);
        QCOMPARE(messages.texts, QStringList{"File " + dir.file("playlist2.txt") + "\rDoes Not exist, please Save a File"});
        QCOMPARE(SongCount, 7);
        QCOMPARE(views.calls.size(), 2);
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
