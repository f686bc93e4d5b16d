// The program's files: playlists written and read back, damaged playlists, the
// settings file's reading rules and its ten lines, the quick-load slots, saves onto
// a full or closed file system, and files that cannot be read.
#include "core/state/font_size.h"
#include "core/storage/playlist.h"
#include "core/storage/quick_load.h"
#include "core/storage/settings.h"
#include "platform/default_paths.h"
#include "support/state.h"

#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
Song song(const QString &artist, const QString &title, const QString &path, const QString &file) { return {file, path, 0, artist, title}; }

QStringList fields(const Song &s) { return {s.Artist, s.SongName, s.LongName, s.ShortName}; }

void load(const TestSupport::AppDir &dir, const QByteArray &contents)
{
    dir.write("in.txt", contents);
    Functions::LoadPlaylist(dir.file("in.txt"), Songs, LastSongIndex, SongCount);
}

// Sets a resource limit while alive: writes past a file size of 0 fail as on a full
// disk, and with no free descriptor no file can be created; both stop root too.
struct Limit {
    int resource;
    rlimit previous{};
    Limit(int which, rlim_t value) : resource(which)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(resource, &previous);
        rlimit limit = previous;
        limit.rlim_cur = value;
        ::setrlimit(resource, &limit);
    }
    ~Limit() { ::setrlimit(resource, &previous); }
};

// The options window's Save, then a quick-load Save of slot 2.
void saveBoth()
{
    const std::array<QString, QuickLoadSlots> names{"General"};
    Functions::WriteSettings(names);
    Functions::SaveSlot(2);
    Functions::WriteSettings(names);
}
} // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void playlistsKeepEveryValueAndFollowTheReadingRules()
    {
        TestSupport::AppDir dir;
        const std::vector<Song> saved{song("ABBA", "Waterloo", "/m//a.mp3", "a.mp3"), song("", " padded ", "", ""),
                                      song("Crosby, Stills", "Teach, Your", "/m/x,y//b.mp3", "b.mp3"),
                                      song("Say \"hi\"", "\"", "/m/line\nend.mp3", "line\nend.mp3"),
                                      song("Motörhead", "Ça plane", "/m/é//ü.mp3", "ü.mp3")};
        QVERIFY(Functions::SavePlaylist("playlist1.txt", saved, 4));
        Songs.assign(3, song("old", "old", "old", "old"));
        Songs[1].Id = 7;
        Functions::LoadPlaylist(dir.file("playlist1.txt"), Songs, LastSongIndex, SongCount);
        QCOMPARE(SongCount, 5);
        for (std::size_t i = 0; i < saved.size(); ++i)
            QCOMPARE(fields(Songs[i]), fields(saved[i]));
        QCOMPARE(Songs[1].Id, 0);

        // Plain values are written as they stand, over a longer old file.
        dir.write("playlist2.txt", QByteArray(200, 'x'));
        QVERIFY(Functions::SavePlaylist("playlist2.txt", {song("A", "B", "/p//c.mp3", "c.mp3"), song("D", "", "/q", "q")}, 1));
        QCOMPARE(dir.read("playlist2.txt"), QByteArray("\"A\",\"B\",\"/p//c.mp3\",\"c.mp3\"\r\n\"D\",\"\",\"/q\",\"q\"\r\n"));
        // Bare fields, blanks before fields, fields spread over lines, no final line end.
        load(dir, "Artist,Song,/x/y.mp3,y.mp3\n  \"B\",\"S2\"\r\n\"/z\",\"z\"\r\"C\",\"S3\",\"/w\",\"w\"");
        QCOMPARE(SongCount, 3);
        QCOMPARE(fields(Songs[0]), (QStringList{"Artist", "Song", "/x/y.mp3", "y.mp3"}));
        QCOMPARE(fields(Songs[1]), (QStringList{"B", "S2", "/z", "z"}));
        QCOMPARE(Songs[2].ShortName, QStringLiteral("w"));
        // A song cut short stays counted with the fields read before the end.
        load(dir, "\"A\",\"B\",\"/c\",\"c\"\r\n\"D\",\"E\"\r\n");
        QCOMPARE(SongCount, 2);
        QCOMPARE(fields(Songs[1]), (QStringList{"D", "E", "", ""}));
        // An empty file empties the count and leaves the last index and the records.
        load(dir, "");
        QCOMPARE(SongCount, 0);
        QCOMPARE(LastSongIndex, 1);
        // One field longer than 64 KiB without any separator is a read error.
        load(dir, "\"A\",\"" + QByteArray(200 * 1024, 'a'));
        QCOMPARE(SongCount, 1);
        QCOMPARE(Songs[0].Artist, QStringLiteral("A"));
        // More songs than the catalogue holds: the first 32,767 are kept.
        load(dir, QByteArray("a,b,c,d\n").repeated(32800));
        QCOMPARE(SongCount, 32767);
    }

    void settingsReadingRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("sortBy");
        QTest::addColumn<QString>("cdDrive");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<QString>("slot0"); // "(kept)" where the file names none
        QTest::addColumn<QString>("slot1");
        const QString cd = Platform::DefaultCdDrive();
        const auto row = [&](const char *name, const QByteArray &file, const QString &sortBy, const QString &cdDrive,
                             int size, const QString &slot0 = "(kept)", const QString &slot1 = "(kept)") {
            QTest::newRow(name) << file << sortBy << cdDrive << size << slot0 << slot1;
        };
        row("no file", {}, "TAS", cd, 8);
        row("only FontSize", "\"FontSize\",12\r\n", "TAS", cd, 12);
        row("FontSize 0", "\"FontSize\",0\r\n", "TAS", cd, 8);
        row("quoted FontSize", "\"FontSize\",\"12\"", "TAS", cd, 12);
        row("half to even", "\"FontSize\", +12.5 \r\n", "TAS", cd, 12);
        row("not a number", "\"FontSize\",\"big\"", "TAS", cd, 8);
        row("beyond 16 bits", "\"FontSize\",40000", "TAS", cd, 8);
        row("key case", "\"sortby\",\"LAS\"\r\n", "TAS", cd, 8);
        row("unknown key and its value skipped", "\"Volume\",\"SortBy\"\r\n\"CdDrive\",\"/dev/sr1\"\r\n", "TAS", "/dev/sr1", 8);
        row("any order, last duplicate wins",
            "\"ListName1\",\"b\"\r\n\"SortBy\",\"LAS\"\r\n\"CdDrive\",\"\"\r\n\"SortBy\",\"LF\"\r\n\"ListName1\",\"c, d\"\r\n"
            "\"ListName0\",\"\"\r\n", "LF", cd, 8, "", "c, d");
    }

    void settingsReadingRules()
    {
        QFETCH(QByteArray, file);
        TestSupport::AppDir dir;
        if (!file.isEmpty())
            dir.write("Korvel.ini", file);
        const SlotNames names = Functions::ReadSettings();
        QTEST(SortBy, "sortBy");
        QTEST(CdDrive, "cdDrive");
        QTEST(int(FontSize), "fontSize");
        QTEST(names[0].value_or("(kept)"), "slot0");
        QTEST(names[1].value_or("(kept)"), "slot1");
        QCOMPARE(SongsStartDir, Platform::DefaultSongsStartDir());
    }

    void fontSizesAreHeldToTheirBoundsAndRoundedHalfToEven()
    {
        for (auto [typed, size] : {std::pair{"5", 8}, {"31", 30}, {"29.5", 30}, {"8.5", 8}, {" +12 ", 12}})
            QCOMPARE(ValidateFontSize(typed).value_or(FontSizeEntry{}).size, size);
        QCOMPARE(ValidateFontSize("5")->shown, QStringLiteral("8"));
        for (const char *refused : {"", "ab", "1e3", "12px"})
            QVERIFY(!ValidateFontSize(refused));
    }

    void quickLoadSlotsAndTheSettingsTheirNamesAreKeptWith()
    {
        TestSupport::AppDir dir;
        TestSupport::CapturedMessages messages;
        TestSupport::RecordedViews views;
        TestSupport::MakeCatalogue(40);
        Functions::SaveSlot(2);
        // Loading replaces the catalogue and rebuilds the tree, and the list in a list mode.
        SortBy = QStringLiteral("LSA");
        TestSupport::MakeCatalogue(7);
        Functions::LoadSlot(2);
        QCOMPARE(SongCount, 40);
        QCOMPARE(views.calls, (QStringList{"tree", "list SA"}));
        // An empty catalogue leaves the slot without a file; loading it then says so.
        SongCount = 0;
        Functions::SaveSlot(2);
        TestSupport::MakeCatalogue(7);
        Functions::LoadSlot(2);
        QCOMPARE(messages.texts, QStringList{"File " + dir.file("playlist2.txt") + "\rDoes Not exist, please Save a File"});
        QCOMPARE(SongCount, 7);
        // The slot names are kept with the settings.
        CdDrive = QStringLiteral("/mnt/cd");
        FontSize = 14;
        SongsStartDir = QStringLiteral("/home/u/Music");
        QVERIFY(Functions::WriteSettings({"Party, loud", "", "", "", "Quiet", ""}));
        QCOMPARE(dir.read("Korvel.ini"), QByteArray("\"SortBy\",\"LSA\"\r\n\"CdDrive\",\"/mnt/cd\"\r\n\"FontSize\",14\r\n"
                                                    "\"SongsStartDir\",\"/home/u/Music\"\r\n\"ListName0\",\"Party, loud\"\r\n"
                                                    "\"ListName1\",\"\"\r\n\"ListName2\",\"\"\r\n\"ListName3\",\"\"\r\n"
                                                    "\"ListName4\",\"Quiet\"\r\n\"ListName5\",\"\"\r\n"));
    }

    void savesThatCannotHappenKeepTheOldFiles()
    {
        for (bool fullDisk : {true, false}) {
            TestSupport::AppDir dir;
            const QByteArray oldSettings = "\"SortBy\",\"TAS\"\r\n\"FontSize\",9\r\n";
            const QByteArray oldPlaylist = "\"A\",\"B\",\"/c//d.mp3\",\"d.mp3\"\r\n";
            dir.write("Korvel.ini", oldSettings);
            dir.write("playlist2.txt", oldPlaylist);
            TestSupport::MakeCatalogue(200);
            TestSupport::CapturedMessages capture;
            {
                // The lowest free descriptor is the next one a file would take.
                const int next = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
                ::close(next);
                const Limit limit(fullDisk ? RLIMIT_FSIZE : RLIMIT_NOFILE, fullDisk ? 0 : rlim_t(next));
                saveBoth();
            }
            // One message for each file that could not be written, naming it.
            QCOMPARE(capture.texts.size(), 3);
            for (int i = 0; i < 3; ++i)
                QVERIFY2(capture.texts.at(i).contains(dir.file(i == 1 ? "playlist2.txt" : "Korvel.ini")), qPrintable(capture.texts.at(i)));
            QCOMPARE(dir.read("Korvel.ini"), oldSettings);
            QCOMPARE(dir.read("playlist2.txt"), oldPlaylist);
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     (QStringList{"Korvel.ini", "playlist2.txt"}));
            // Without the fault the same Saves write both files.
            capture.texts.clear();
            saveBoth();
            QCOMPARE(capture.texts, QStringList());
            QCOMPARE(dir.read("playlist2.txt").count("\r\n"), 200);
        }
    }

    void filesThatCannotBeReadLoadNothing()
    {
        // Pipes without a writer, and directories.
        TestSupport::AppDir dir;
        TestSupport::MakePipe(dir.file("playlist0.txt"));
        TestSupport::MakePipe(dir.file("Korvel.ini"));
        QVERIFY(QDir().mkpath(dir.file("playlist1.txt") + "/inside"));
        TestSupport::CapturedMessages capture;
        // Start-up ends with an empty catalogue and the default settings.
        ResetSharedState();
        Functions::LoadStartupPlaylist();
        Functions::ReadSettings();
        QCOMPARE(SongCount, 0);
        QCOMPARE(SortBy, QStringLiteral("TAS"));
        TestSupport::MakeCatalogue(3);
        Functions::LoadSlot(1);
        QCOMPARE(SongCount, 3);
        QCOMPARE(Songs.at(2).LongName, QStringLiteral("/m/2.mp3"));
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
