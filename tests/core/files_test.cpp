// SPDX-License-Identifier: GPL-3.0-or-later
// The program's files: playlists, settings and quick-load slots, saves that cannot happen, where the files live, the install and the drives.
#include "core/state/font_size.h"
#include "core/storage/playlist.h"
#include "core/storage/quick_load.h"
#include "core/storage/settings.h"
#include "platform/default_paths.h"
#include "platform/drives.h"
#include "support/fuzz_entries.h"
#include "support/state.h"

#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
Song song(const QString &artist, const QString &title, const QString &path, const QString &file) { return {file, path, 0, artist, title}; }

QStringList fields(const Song &s) { return {s.Artist, s.SongName, s.LongName, s.ShortName}; }

SongTable load(const TestSupport::AppDir &dir, const QByteArray &contents)
{
    dir.write("in.txt", contents);
    SongTable read;
    Screen::Surface screen;
    Functions::LoadPlaylist(screen, dir.file("in.txt"), read);
    return read;
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
        const rlimit limit{value, previous.rlim_max};
        ::setrlimit(resource, &limit);
    }
    ~Limit() { ::setrlimit(resource, &previous); }
};

// The options window's Save, then a quick-load Save of slot 2.
void saveBoth(Model &model)
{
    Functions::WriteSettings(model.screen, model.settings);
    Functions::SaveSlot(model, 2);
    Functions::WriteSettings(model.screen, model.settings);
}

constexpr uid_t Nobody = 65534;
constexpr auto Shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;

// The standard output of a program that succeeds, else its standard error.
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromLocal8Bit(ok ? process.readAllStandardOutput() : "failed: " + process.readAllStandardError());
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
        Screen::Surface screen;
        QVERIFY(Functions::SavePlaylist(screen, "playlist1.txt", TestSupport::Table(saved)));
        SongTable songs = TestSupport::Table(std::vector<Song>(3, song("old", "old", "old", "old")));
        songs.SongAt(1).Id = 7;
        Functions::LoadPlaylist(screen, dir.file("playlist1.txt"), songs);
        QCOMPARE(songs.SongCount(), 5);
        for (std::size_t i = 0; i < saved.size(); ++i)
            QCOMPARE(fields(songs.Songs()[i]), fields(saved[i]));
        QCOMPARE(songs.Songs()[1].Id, 0);

        // Plain values are written as they stand, over a longer old file.
        dir.write("playlist2.txt", QByteArray(200, 'x'));
        QVERIFY(Functions::SavePlaylist(screen, "playlist2.txt", TestSupport::Table({song("A", "B", "/p//c.mp3", "c.mp3"), song("D", "", "/q", "q")})));
        QCOMPARE(dir.read("playlist2.txt"), QByteArray("\"A\",\"B\",\"/p//c.mp3\",\"c.mp3\"\r\n\"D\",\"\",\"/q\",\"q\"\r\n"));
        // Bare fields, blanks and tabs before fields, fields spread over lines, no final line end.
        SongTable read = load(dir, "Artist,\tSong, \t/x/y.mp3,y.mp3\n  \"B\",\t\"S2\"\r\n\"/z\",\"z\"\r\"C\",\"S3\",\"/w\",\"w\"");
        QCOMPARE(read.SongCount(), 3);
        QCOMPARE(fields(read.SongAt(0)), (QStringList{"Artist", "Song", "/x/y.mp3", "y.mp3"}));
        QCOMPARE(fields(read.SongAt(1)), (QStringList{"B", "S2", "/z", "z"}));
        QCOMPARE(read.SongAt(2).ShortName, QStringLiteral("w"));
        // A song cut short stays counted with the fields read before the end.
        read = load(dir, "\"A\",\"B\",\"/c\",\"c\"\r\n\"D\",\"E\"\r\n");
        QCOMPARE(read.SongCount(), 2);
        QCOMPARE(fields(read.SongAt(1)), (QStringList{"D", "E", "", ""}));
        // A missing file changes nothing; an empty one empties the count, not the last index.
        Functions::LoadPlaylist(screen, dir.file("playlist0.txt"), songs);
        QCOMPARE(songs.SongCount(), 5);
        dir.write("in.txt", "");
        Functions::LoadPlaylist(screen, dir.file("in.txt"), songs);
        QCOMPARE(songs.SongCount(), 0);
        QCOMPARE(songs.LastSongIndex(), 4);
        // One field longer than 64 KiB without any separator is a read error.
        read = load(dir, "\"A\",\"" + QByteArray(200 * 1024, 'a'));
        QCOMPARE(read.SongCount(), 1);
        QCOMPARE(read.SongAt(0).Artist, QStringLiteral("A"));
        // More songs than the catalogue holds: the first 32,767 are kept.
        QCOMPARE(load(dir, QByteArray("a,b,c,d\n").repeated(32800)).SongCount(), 32767);
    }

    void settingsReadingRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("sortBy");
        QTest::addColumn<QString>("cdDrive");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<QString>("slot0"); // the slots' own names where the file names none
        QTest::addColumn<QString>("slot1");
        const QString cd = Platform::DefaultCdDrive();
        const auto row = [&](const char *name, const QByteArray &file, const QString &sortBy, const QString &cdDrive,
                             int size, const QString &slot0 = "General", const QString &slot1 = "") {
            QTest::newRow(name) << file << sortBy << cdDrive << size << slot0 << slot1;
        };
        row("no file", {}, "TAS", cd, 8);
        row("FontSize 0", "\"FontSize\",0\r\n", "TAS", cd, 8);
        row("quoted FontSize", "\"FontSize\",\"12\"", "TAS", cd, 12);
        row("half to even", "\"FontSize\", +12.5 \r\n", "TAS", cd, 12);
        row("not a number", "\"FontSize\",\"big\"", "TAS", cd, 8);
        row("beyond 16 bits", "\"FontSize\",40000", "TAS", cd, 8);
        row("blanks and tabs before fields", "\t\"SortBy\", \t\"LAS\"\r\n \t\"FontSize\",\t12", "LAS", cd, 12);
        row("key case, and a mode of no name", "\"sortby\",\"LAS\"\r\n\"SortBy\",\"las\"", "TAS", cd, 8);
        row("slots past the sixth", "\"ListName6\",\"x\"\r\n\"ListName9\",\"y\"\r\n\"ListName\",\"z\"", "TAS", cd, 8);
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
        Settings settings;
        Functions::ReadSettings(settings);
        QTEST(ViewModeOf(settings.SortBy()).code, "sortBy");
        QTEST(settings.CdDrive(), "cdDrive");
        QTEST(int(settings.FontSize()), "fontSize");
        QTEST(settings.SlotName(0), "slot0");
        QTEST(settings.SlotName(1), "slot1");
        QCOMPARE(settings.SongsStartDir(), Platform::DefaultSongsStartDir());
    }

    void fontSizesAreHeldToTheirBounds()
    {
        QCOMPARE((std::pair{ValidateFontSize("5")->shown, ValidateFontSize(" +29.5 ")->size}), (std::pair{QString("8"), int16_t(30)}));
        QVERIFY(!ValidateFontSize("") && !ValidateFontSize("1e3") && !ValidateFontSize("12px"));
    }

    void quickLoadSlotsAndTheSettingsTheirNamesAreKeptWith()
    {
        TestSupport::AppDir dir;
        Model model;
        TestSupport::CapturedMessages messages(model.screen);
        TestSupport::RecordedViews views(model.screen);
        TestSupport::MakeCatalogue(model, 2);
        Functions::SaveSlot(model, 2);
        // Loading replaces the catalogue and rebuilds the tree, and the list in a list mode.
        model.settings.SetSortBy(SortMode::ListSongArtist);
        TestSupport::MakeCatalogue(model, 7);
        Functions::LoadSlot(model, 2);
        QCOMPARE(model.catalogue.SongCount(), 2);
        QCOMPARE(views.calls, (QStringList{"tree Band/Song 1", "list Song 0, Band|Song 1, Band"}));
        // An empty catalogue leaves the slot without a file; loading it then says so.
        TestSupport::MakeCatalogue(model, 0);
        Functions::SaveSlot(model, 2);
        TestSupport::MakeCatalogue(model, 7);
        Functions::LoadSlot(model, 2);
        QCOMPARE(messages.texts, QStringList{"File " + dir.file("playlist2.txt") + "\rDoes Not exist, please Save a File"});
        QCOMPARE(model.catalogue.SongCount(), 7);
        // The slot names are kept with the settings.
        model.settings.SetCdDrive("/mnt/cd");
        model.settings.SetFontSize(14);
        model.settings.SetSongsStartDir("/home/u/Music");
        model.settings.SetSlotName(0, "Party, loud");
        model.settings.SetSlotName(4, "Quiet");
        QVERIFY(Functions::WriteSettings(model.screen, model.settings));
        const QByteArray designed("\"SortBy\",\"LSA\"\r\n\"CdDrive\",\"/mnt/cd\"\r\n\"FontSize\",14\r\n"
                                  "\"SongsStartDir\",\"/home/u/Music\"\r\n\"ListName0\",\"Party, loud\"\r\n"
                                  "\"ListName1\",\"\"\r\n\"ListName2\",\"\"\r\n\"ListName3\",\"\"\r\n"
                                  "\"ListName4\",\"Quiet\"\r\n\"ListName5\",\"\"\r\n");
        QCOMPARE(dir.read("Korvel.ini"), designed);
        // ID3v2 reading adds one line while it is on; only its exact value turns it on.
        model.settings.SetTags(Functions::TagReading::Id3v2);
        QVERIFY(Functions::WriteSettings(model.screen, model.settings));
        QCOMPARE(dir.read("Korvel.ini"), designed + "\"Tags\",\"ID3v2\"\r\n");
        dir.write("Korvel.ini", designed + "\"Tags\",\"id3v2\"");
        Functions::ReadSettings(model.settings);
        QCOMPARE(model.settings.Tags(), Functions::TagReading::Id3v1);
    }

    void savesThatCannotHappenKeepTheOldFiles()
    {
        for (bool fullDisk : {true, false}) {
            TestSupport::AppDir dir;
            const QByteArray oldSettings = "\"SortBy\",\"TAS\"\r\n\"FontSize\",9\r\n";
            const QByteArray oldPlaylist = "\"A\",\"B\",\"/c//d.mp3\",\"d.mp3\"\r\n";
            dir.write("Korvel.ini", oldSettings);
            dir.write("playlist2.txt", oldPlaylist);
            Model model;
            TestSupport::MakeCatalogue(model, 200);
            TestSupport::CapturedMessages capture(model.screen);
            {
                // The lowest free descriptor is the next one a file would take.
                const int next = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
                ::close(next);
                const Limit limit(fullDisk ? RLIMIT_FSIZE : RLIMIT_NOFILE, fullDisk ? 0 : rlim_t(next));
                saveBoth(model);
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
            saveBoth(model);
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
        Model model;
        TestSupport::CapturedMessages capture(model.screen);
        // Start-up ends with an empty catalogue and the default settings.
        Functions::ReadSettings(model.settings);
        Functions::LoadStartupPlaylist(model);
        QCOMPARE(model.catalogue.SongCount(), 0);
        QCOMPARE(model.settings.SortBy(), SortMode::TreeArtistSong);
        TestSupport::MakeCatalogue(model, 3);
        Functions::LoadSlot(model, 1);
        QCOMPARE(model.catalogue.SongCount(), 3);
        QCOMPARE(model.catalogue.Songs().at(2).LongName, QStringLiteral("/m/2.mp3"));
    }

    void installPutsTheProgramItsEntryAndItsIconUnderThePrefixAndTheUsersFilesOutsideIt()
    {
        QTemporaryDir prefix, data;
        // The program is built in the build tree's src folder.
        const QString build = QFileInfo(KORVEL_BINARY).absolutePath() + "/..";
        QVERIFY(!run("cmake", {"--install", build, "--prefix", prefix.path()}).startsWith("failed"));
        const QString program = prefix.filePath("bin/korvel");
        QFile entry(prefix.filePath("share/applications/io.github.korvel.Korvel.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly) && entry.readAll().contains("\nExec=\"" + QFile::encodeName(program) + "\" %F\n"));
        QCOMPARE(run("desktop-file-validate", {entry.fileName()}), "");
        QVERIFY(QFile::exists(prefix.filePath("share/icons/hicolor/scalable/apps/io.github.korvel.Korvel.svg")));
        QCOMPARE(run(program, {"--version"}), "Korvel 1.3.0\n");
        // An installed program keeps the user's files in the user's data folder, even where it could write.
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        QVERIFY(run(program, {"--help"}).contains("\n  " + data.filePath("korvel") + "\n"));
        // So they outlive the install, as they outlive scripts/run's, which lies in the build tree.
        Platform::SetApplicationDirectory(Platform::FilesDirectoryFor(QFileInfo(program).path()));
        Model model;
        TestSupport::MakeCatalogue(model, 3);
        saveBoth(model);
        Platform::SetApplicationDirectory(QString());
        QVERIFY(prefix.remove());
        QCOMPARE(QDir(data.filePath("korvel")).entryList(QDir::Files), (QStringList{"Korvel.ini", "playlist2.txt"}));
    }

    void filesStayBesideAProgramThatCanWriteThereAndGoToTheDataFolderOtherwise()
    {
        for (bool readOnly : {false, true}) {
            QTemporaryDir root;
            const QString program = root.filePath("bin"), data = root.filePath("data");
            QVERIFY(QDir().mkpath(program) && QDir().mkpath(data));
            // Root writes anywhere: the program's folder is read-only to it as another user's folder is to that user.
            const bool asNobody = readOnly && geteuid() == 0;
            QVERIFY(QFile::setPermissions(root.path(), Shared) && QFile::setPermissions(data, Shared | QFile::WriteOther));
            QVERIFY(QFile::setPermissions(program, readOnly && !asNobody ? Shared & ~QFile::WriteOwner : Shared));
            qputenv("XDG_DATA_HOME", QFile::encodeName(data));
            const pid_t child = fork();
            if (child == 0) {
                if (asNobody && (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0))
                    _exit(2);
                Platform::SetApplicationDirectory(Platform::FilesDirectoryFor(program));
                Model model;
                _exit(Functions::WriteSettings(model.screen, model.settings) ? 0 : 1);
            }
            int status = -1;
            QCOMPARE(TEMP_FAILURE_RETRY(waitpid(child, &status, 0)), child);
            QCOMPARE(status, 0);
            QCOMPARE(QDir(program).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), readOnly ? QStringList() : QStringList{"Korvel.ini"});
            QCOMPARE(QFileInfo::exists(data + "/korvel/Korvel.ini"), readOnly);
        }
    }

    // Folders mounted over themselves, b twice and then a, in a mount table of this process's own.
    void aRootMountedTwiceIsOneDrive()
    {
        QTemporaryDir dir;
        const QByteArray a = QFile::encodeName(dir.filePath("a")), b = QFile::encodeName(dir.filePath("b"));
        QVERIFY(QDir(dir.path()).mkdir("a") && QDir(dir.path()).mkdir("b"));
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            QSKIP("This process may not have a mount table of its own");
        for (const QByteArray &path : {b, b, a})
            QVERIFY(::mount(path, path, nullptr, MS_BIND, nullptr) == 0);
        const QStringList roots = Platform::DriveRoots();
        for (const QByteArray &path : {a, b, b})
            QVERIFY(::umount2(path, MNT_DETACH) == 0);
        QCOMPARE(roots.filter(dir.path()), (QStringList{dir.filePath("a"), dir.filePath("b")}));
        QVERIFY(roots.contains("/"));
    }

    // The fuzzing seed corpus and every input that ever made a reader fail: each reader has both folders.
    void everyKeptFuzzInputIsReadAgain()
    {
        Fuzz::Prepare();
        const QMap<QString, void (*)(const QByteArray &)> readers{
            {"playlist", Fuzz::Playlist}, {"tag", Fuzz::Tag}, {"settings", Fuzz::Settings}, {"id3v2", Fuzz::Id3v2}};
        for (const char *kind : {"corpus", "regressions"}) {
            const QDir folder(QStringLiteral(KORVEL_SOURCE_DIR "/tests/fuzz/") + kind);
            QCOMPARE(folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot), readers.keys());
            for (auto reader = readers.begin(); reader != readers.end(); ++reader) {
                const QDir inputs(folder.filePath(reader.key()));
                QVERIFY2(!inputs.isEmpty(QDir::Files), qPrintable(inputs.path()));
                for (const QString &name : inputs.entryList(QDir::Files)) {
                    QFile file(inputs.filePath(name));
                    QVERIFY(file.open(QIODevice::ReadOnly));
                    reader.value()(file.readAll());
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
