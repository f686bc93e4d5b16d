// Saves onto a full or closed file system, loads from files that cannot be read, and
// the scan and tag pass over pipes, empty, vanishing and unreadable files.
#include "core/catalogue/scan.h"
#include "core/catalogue/tags.h"
#include "core/state/globals.h"
#include "core/storage/quick_load.h"
#include "core/storage/settings.h"
#include "support/catalogue.h"
#include "support/pipe.h"
#include "support/screen_doubles.h"
#include "support/song_files.h"
#include "support/test_app.h"

#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using TestSupport::Pipe;

namespace {
bool runningAsRoot() { return ::geteuid() == 0; }

enum Fault { FullDisk, NoNewFile, ReadOnlyDir };
enum Kind { PipeFile, DirectoryFile, UnreadableFile };

// Undoes a fault when it goes.
struct Guard {
    std::function<void()> undo;
    ~Guard() { undo(); }
};

Guard inject(Fault fault, const QString &dir)
{
    if (fault == FullDisk) {
        auto *limit = new TestSupport::FileSizeLimit(0);
        return {[limit] { delete limit; }};
    }
    if (fault == ReadOnlyDir) { // root is not stopped by this
        const QByteArray path = QFile::encodeName(dir);
        ::chmod(path.constData(), 0555);
        return {[path] { ::chmod(path.constData(), 0700); }};
    }
    // No free descriptor: no file can be created anywhere, also for root.
    rlimit previous{};
    ::getrlimit(RLIMIT_NOFILE, &previous);
    const int lowest = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ::close(lowest);
    rlimit limit = previous;
    limit.rlim_cur = static_cast<rlim_t>(lowest);
    ::setrlimit(RLIMIT_NOFILE, &limit);
    return {[previous] { ::setrlimit(RLIMIT_NOFILE, &previous); }};
}

const std::array<QString, QuickLoadSlots> slotNames{"General", "", "", "", "", ""};

// The options window's Save, then a quick-load Save of slot 2.
void saveBoth()
{
    Functions::WriteSettings(slotNames);
    Functions::SaveSlot(2);
    Functions::WriteSettings(slotNames);
}

} // namespace

class FaultInjectionTest : public QObject {
    Q_OBJECT
private slots:
    void savesThatCannotHappenKeepTheOldFiles_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("full disk") << int(FullDisk);
        QTest::newRow("no file can be created") << int(NoNewFile);
        QTest::newRow("read-only directory") << int(ReadOnlyDir);
    }

    void savesThatCannotHappenKeepTheOldFiles()
    {
        QFETCH(int, fault);
        if (fault == ReadOnlyDir && runningAsRoot())
            QSKIP("root writes into a read-only directory");
        TestSupport::AppDir dir;
        const QByteArray oldSettings = "\"SortBy\",\"TAS\"\r\n\"FontSize\",9\r\n";
        const QByteArray oldPlaylist = "\"A\",\"B\",\"/c//d.mp3\",\"d.mp3\"\r\n";
        dir.write("Korvel.ini", oldSettings);
        dir.write("playlist2.txt", oldPlaylist);
        Functions::ReadSettings();
        TestSupport::MakeCatalogue(200);
        TestSupport::CapturedMessages capture;
        {
            const auto guard = inject(Fault(fault), dir.path());
            saveBoth();
        }
        // One message for each file that could not be written, naming it.
        const QStringList &messages = capture.texts;
        QCOMPARE(messages.size(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(messages.at(i).contains(dir.file(i == 1 ? "playlist2.txt" : "Korvel.ini")), qPrintable(messages.at(i)));
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

    void filesThatCannotBeReadLoadNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("pipes without a writer") << int(PipeFile);
        QTest::newRow("directories") << int(DirectoryFile);
        QTest::newRow("unreadable files") << int(UnreadableFile);
    }

    void filesThatCannotBeReadLoadNothing()
    {
        QFETCH(int, kind);
        if (kind == UnreadableFile && runningAsRoot())
            QSKIP("root reads unreadable files");
        TestSupport::AppDir dir;
        std::vector<std::unique_ptr<Pipe>> pipes;
        for (const char *name : {"playlist0.txt", "playlist1.txt", "Korvel.ini"}) {
            const QString path = dir.file(name);
            if (kind == PipeFile) {
                pipes.push_back(std::make_unique<Pipe>(path));
            } else if (kind == DirectoryFile) {
                QVERIFY(QDir().mkpath(path + "/inside"));
            } else {
                dir.write(name, name == QLatin1String("Korvel.ini") ? "\"SortBy\",\"LF\"\r\n" : "\"A\",\"B\",\"/c\",\"c\"\r\n");
                QFile::setPermissions(path, QFileDevice::Permissions());
            }
        }
        TestSupport::CapturedMessages capture;
        TestSupport::RecordedViews views;
        // Start-up reads playlist0.txt and Korvel.ini: it finishes with an empty
        // catalogue and the default settings.
        ResetSharedState();
        Functions::LoadStartupPlaylist();
        Functions::ReadSettings();
        QCOMPARE(SongCount, 0);
        QCOMPARE(SortBy, QStringLiteral("TAS"));
        QCOMPARE(FontSize, 8);

        TestSupport::MakeCatalogue(3);
        Functions::LoadSlot(1);
        QCOMPARE(SongCount, 3);
        QCOMPARE(Songs.at(2).LongName, QStringLiteral("/m/2.mp3"));
        for (const auto &pipe : pipes)
            QVERIFY2(!pipe->blockedAReader(), "a read waited for a writer");
    }

    void scanAndTagPassOverPipesEmptyUnreadableAndVanishingFiles()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        TestSupport::WriteSong(root + "/a.mp3", "Alpha", "One");
        TestSupport::WriteSong(root + "/b.mp3", "Beta", "Two");
        TestSupport::WriteSong(root + "/c.mp3", "Gamma", "Three");
        TestSupport::WriteFile(root + "/empty/x.mp3", "");
        TestSupport::WriteFile(root + "/locked/in.mp3", "");
        // Root lists unreadable directories; for anyone else this one is passed over.
        if (!runningAsRoot())
            QFile::setPermissions(root + "/locked", QFileDevice::Permissions());
        else
            QVERIFY(QFile::remove(root + "/locked/in.mp3"));
        QVERIFY(QDir(root).mkdir("pipe"));
        Pipe pipe(root + "/pipe/x.mp3");
        TestSupport::CapturedMessages capture;
        Songs.clear();
        ResetSharedState();
        Functions::ScanDirectories(root, Songs, LastSongIndex, SongCount);
        QFile::setPermissions(root + "/locked", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(SongCount, 4);

        // Between the scan and the tag pass one file is deleted and one becomes a pipe.
        QVERIFY(QFile::remove(root + "/a.mp3"));
        QVERIFY(QFile::remove(root + "/b.mp3"));
        Pipe late(root + "/b.mp3");
        Functions::TagSongs(Songs, LastSongIndex, SongCount);
        QStringList tagged;
        for (const Song &song : Songs)
            tagged << song.LongName.mid(root.size()) + ": " + song.Artist + " - " + song.SongName;
        tagged.sort();
        QCOMPARE(tagged, (QStringList{"//a.mp3: No Artist - No SongName", "//b.mp3: No Artist - No SongName",
                                      "//c.mp3: Three - Gamma", "/empty//x.mp3: No Artist - No SongName"}));
        QVERIFY(!QFileInfo::exists(root + "/a.mp3"));
        QVERIFY(!pipe.blockedAReader() && !late.blockedAReader());
        QCOMPARE(capture.texts, QStringList());
    }
};

QTEST_GUILESS_MAIN(FaultInjectionTest)
#include "fault_injection_test.moc"
