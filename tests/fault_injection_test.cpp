// Saves onto a full or closed file system, loads from files that cannot be read, and
// the scan and tag pass over pipes, empty, vanishing and unreadable files.
#include "app/windows.h"
#include "catalogue/scan.h"
#include "catalogue/tags.h"
#include "dialogs/options_window.h"
#include "platform/keyed_tree.h"
#include "platform/message_box.h"
#include "state/globals.h"
#include "storage/quick_load_window.h"
#include "support/pipe.h"
#include "support/song_files.h"
#include "support/test_app.h"

#include <QPushButton>
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

void makeCatalogue(int count)
{
    Songs.clear();
    SongCount = 0;
    for (int i = 0; i < count; ++i)
        AppendSong(Songs, LastSongIndex, SongCount) = {QStringLiteral("%1.mp3").arg(i), QStringLiteral("/m/%1.mp3").arg(i), 0,
                                                       QStringLiteral("Artist"), QStringLiteral("Song %1").arg(i)};
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
        TestSupport::MainFixture f;
        makeCatalogue(200);
        frm_QuickLoad &quickLoad = Window<frm_QuickLoad>();
        Platform::MessageCapture capture;
        {
            const auto guard = inject(Fault(fault), dir.path());
            Window<frm_Options>().cmd_Save->click();
            quickLoad.cmd_Save[2]->click();
        }
        // One message for each file that could not be written, naming it.
        const QStringList &messages = capture.messages();
        QCOMPARE(messages.size(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(messages.at(i).contains(dir.file(i == 1 ? "playlist2.txt" : "Korvel.ini")), qPrintable(messages.at(i)));
        QCOMPARE(dir.read("Korvel.ini"), oldSettings);
        QCOMPARE(dir.read("playlist2.txt"), oldPlaylist);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"Korvel.ini", "playlist2.txt"}));

        // Without the fault the same Save writes both files.
        capture.clear();
        quickLoad.cmd_Save[2]->click();
        QCOMPARE(capture.messages(), QStringList());
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
        Platform::MessageCapture capture;
        // Start-up reads playlist0.txt and Korvel.ini: it finishes with an empty
        // catalogue and the default settings.
        TestSupport::MainFixture f;
        QCOMPARE(f.main->TreeView1->Count(), 0);
        QCOMPARE(SortBy + QString::number(FontSize), QStringLiteral("TAS8"));

        makeCatalogue(3);
        Window<frm_QuickLoad>().cmd_Load[1]->click();
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
        Platform::MessageCapture capture;
        Songs.clear();
        ResetSharedState();
        Platform::KeyedTree tree;
        Functions::ScanDirectories(root, tree, Songs, LastSongIndex, SongCount);
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
        QCOMPARE(capture.messages(), QStringList());
    }
};

QTEST_MAIN(FaultInjectionTest)
#include "fault_injection_test.moc"
