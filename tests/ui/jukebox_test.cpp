// SPDX-License-Identifier: GPL-3.0-or-later
// The jukebox without any window, its controls on a private session bus: from each bus call to the player and to what
// the desktop hears; the work the door holds commands for (a message box, the play command's wait, an addition of
// 20,000 songs) and how many it then runs, in order; the tags every addition reads; controls the bus refuses dropped.
#include "core/catalogue/addition.h"
#include "support/ui/desktop_bus.h"
#include "support/ui/main_fixture.h"
#include "ui/desktop/mpris_root.h"

#include <QtTest>

namespace {
constexpr int SongFiles = 20000;
// The tag each generated song carries: every file its own title.
QByteArray TitleOf(int i) { return "Title " + QByteArray::number(i); }
QByteArray ArtistOf(int i) { return "Artist " + QByteArray::number(i % 97); }

// A song whose ID3v2.3 tag names it "V2" and whose ID3v1 tag "V1".
const QByteArray TwoTags = QByteArray("ID3\x03\0\0\0\0\0\x0d" "TIT2\0\0\0\x03\0\0\0V2", 23) + TestSupport::TagBytes("V1", "Band");

// A message box that lets events in until the test has done its part, as a modal box does.
struct AnsweredByTest : TestSupport::Recorded<Screen::Messages> {
    using Recorded::Recorded;
    void Show(const QString &) override { whileShown(); }
    std::function<void()> whileShown;
};
} // namespace

class JukeboxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvel.playcontrol.warning=false");
        for (int i = 0; i < SongFiles; ++i) {
            const QString path = library.filePath(QStringLiteral("d%1/s%2.mp3").arg(i % 100).arg(i));
            TestSupport::WriteSong(path, TitleOf(i), ArtistOf(i));
            paths << path;
        }
        TestSupport::WriteSong(opened.filePath("opened.mp3"), "Opened", "Desktop");
    }

    void busCallsDriveThePlayerAndTheDesktopHearsEachChange()
    {
        TestSupport::AppDir dir;
        dir.write("playlist0.txt", "\"A\",\"one\",\"/m/1.mp3\",\"1.mp3\"\r\n");
        TestSupport::JukeboxFixture f;
        QSignalSpy raised(&f.jukebox, &Jukebox::raiseAsked);
        f.jukebox.Start({});
        // Shuffle, which start-up turned on.
        desktop.set("Shuffle", false);
        QTRY_VERIFY(desktop.heard.contains("Shuffle", false));
        // A quarter of the volume's travel is -75: the player is given its tenth, rounded to -8, cubed.
        desktop.set("Volume", 0.25);
        QCOMPARE(f.player->volumes, std::vector<int32_t>{-512});
        // Next on the only song plays it, then plays it on: the song before it then changes alone.
        for (int n = 0; n < 2; ++n)
            desktop.call(TestSupport::MprisPlayer, "Next");
        QCOMPARE(f.player->opened, QStringList{"/m/1.mp3"});
        QTRY_VERIFY(desktop.heard.contains("CanGoPrevious", true));
        desktop.call(TestSupport::MprisRoot, "Raise");
        QCOMPARE(raised.count(), 1);
    }

    void theDoorHoldsCommandsWhileWorkIsUnderWayAndRunsThemAllInOrderOnceItEnds()
    {
        TestSupport::JukeboxFixture f;
        f.jukebox.Start({});
        f.model().options.SetShuffle(false);
        TestSupport::SetCatalogue(f.model(), {{"A", "a", "/m/a.mp3"}, {"B", "b", "/m/b.mp3"}, {"C", "c", "/m/c.mp3"}});
        const CommandDoor &door = f.jukebox.door();
        QSignalSpy quitting(&f.jukebox, &Jukebox::quitAsked);
        // A message box waiting for its answer holds four calls, of which only Next starts work of its own.
        AnsweredByTest box(f.model().screen);
        box.whileShown = [&] {
            for (const char *method : {"Next", "Pause", "Stop"})
                desktop.send(TestSupport::MprisPlayer, method);
            desktop.send(TestSupport::MprisRoot, "Quit");
            QTRY_COMPARE(door.Held(), 4);
        };
        f.model().screen.ShowMessage("Wait");
        QTRY_COMPARE(quitting.count(), 1);
        QCOMPARE(f.player->opened, QStringList{"/m/a.mp3"});
        QVERIFY(f.player->pauseCalls == 1 && f.player->stopCalls == 1);
        // So does the play command's wait for a file that does not load.
        f.player->readyOnOpen = MediaPlayer::Loading;
        int rounds = 0;
        f.duringWait = [&] {
            if (++rounds == 1) {
                desktop.send(TestSupport::MprisPlayer, "Next");
                QTRY_COMPARE(door.Held(), 1);
            }
        };
        f.jukebox.playControl().Next();
        QCOMPARE(f.player->opened.size(), 2);
        QTRY_COMPARE(f.player->opened, (QStringList{"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"}));
    }

    void anAdditionDuringThePlayCommandsWaitShowsItsProgressAndTheEndOfASongWaitsForAnAddition()
    {
        TestSupport::JukeboxFixture f;
        TestSupport::SetCatalogue(f.model(), {{"A", "a", "/m/a.mp3"}});
        TestSupport::RecordedProgress progress(f.model().screen);
        // The window's own controls still act while the play command waits.
        f.player->readyOnOpen = MediaPlayer::Loading;
        f.duringWait = [&] {
            if (progress.calls.isEmpty())
                AddDirectory(f.model(), opened.path());
        };
        f.jukebox.playControl().Play();
        QCOMPARE(progress.calls.first(), "show Adding Files 0 0");
        QCOMPARE(progress.calls.last(), "unload");
        f.player->readyOnOpen = MediaPlayer::Loaded;
        progress.whileShown = [&] {
            if (progress.calls.size() == 1)
                emit f.player->EndOfStream(0);
        };
        progress.calls.clear();
        AddDirectory(f.model(), opened.filePath("nowhere"));
        QCOMPARE(f.player->opened.size(), 1);
        QTRY_COMPARE(f.player->opened.size(), 2);
    }

    void commandsFromOutsideWaitForTheWorkAndRunInOrder_data()
    {
        QTest::addColumn<bool>("fromCommandLine");
        QTest::newRow("files on the command line") << true;
        QTest::newRow("Add Directorys") << false;
    }

    void commandsFromOutsideWaitForTheWorkAndRunInOrder()
    {
        QFETCH(bool, fromCommandLine);
        TestSupport::JukeboxFixture f;
        f.jukebox.Start({});
        f.model().options.SetShuffle(false);
        // When the tagging starts, events come in until the desktop's calls wait at the door, so that they surely
        // arrive mid-work.
        TestSupport::RecordedProgress progress(f.model().screen);
        int heldWhileTagging = -1;
        progress.whileShown = [&] {
            if (progress.calls.last().startsWith("show Tagging") && heldWhileTagging < 0) {
                QTRY_COMPARE_WITH_TIMEOUT(f.jukebox.door().Held(), 2, 60000);
                heldWhileTagging = f.jukebox.door().Held();
            }
        };

        // The desktop's calls are sent before the work starts.
        desktop.send(TestSupport::MprisPlayer, "Next");
        desktop.send(TestSupport::MprisPlayer, "OpenUri", {QUrl::fromLocalFile(opened.filePath("opened.mp3")).toString()});
        if (fromCommandLine)
            f.jukebox.OpenFiles(paths);
        else
            AddDirectory(f.model(), library.path());
        QCOMPARE(heldWhileTagging, 2);

        const Catalogue &catalogue = f.model().catalogue;
        QTRY_COMPARE_WITH_TIMEOUT(f.player->opened.size(), fromCommandLine ? 3 : 2, 60000);
        QCOMPARE(catalogue.SongCount(), SongFiles + 1);
        // The addition's own song first (from the command line: the first file named),
        // then Next's, the one after it, then the file the desktop opened.
        const int first = fromCommandLine ? catalogue.FindSong({QFileInfo(paths.first()).absoluteFilePath(), -1}) : -1;
        QStringList expected;
        if (fromCommandLine)
            expected << catalogue.SongAt(first).LongName;
        expected << catalogue.SongAt(first + 1).LongName << opened.filePath("opened.mp3");
        QCOMPARE(f.player->opened, expected);
        QCOMPARE(f.messages.texts, QStringList());
        // Every song has the artist and title of its own file.
        for (const Song &song : catalogue.Songs()) {
            if (song.ShortName == QLatin1String("opened.mp3"))
                continue;
            const int i = song.ShortName.mid(1).chopped(4).toInt();
            QCOMPARE(song.SongName, QString::fromLatin1(TitleOf(i)));
            QCOMPARE(song.Artist, QString::fromLatin1(ArtistOf(i)));
        }
    }

    void theTagsChosenReachEveryAdditionFromThenOn()
    {
        TestSupport::AppDir dir;
        QTemporaryDir songs;
        TestSupport::WriteFile(songs.filePath("a.mp3"), TwoTags);
        TestSupport::JukeboxFixture f;
        f.jukebox.settingsFile().SaveTags(Functions::TagReading::Id3v2);
        f.jukebox.OpenFiles({songs.filePath("a.mp3")});
        QCOMPARE(f.model().catalogue.SongAt(0).SongName, "V2");
        f.jukebox.settingsFile().SaveTags(Functions::TagReading::Id3v1);
        AddDirectory(f.model(), songs.path());
        QCOMPARE(f.model().catalogue.SongAt(1).SongName, "V1");
    }

    void controlsTheBusRefusesAreDropped()
    {
        TestSupport::JukeboxFixture f;
        QObject taken;
        QVERIFY(QDBusConnection::sessionBus().registerObject(Desktop::MprisObjectPath, &taken));
        f.jukebox.Start({});
        // Nothing is left to announce changes of an object that the bus does not have.
        QVERIFY(f.jukebox.findChildren<QDBusAbstractAdaptor *>().isEmpty());
    }

private:
    TestSupport::DesktopBus desktop{QDBus::BlockWithGui, -1};
    QTemporaryDir library, opened;
    QStringList paths;
};

QTEST_MAIN(JukeboxTest)
#include "jukebox_test.moc"
