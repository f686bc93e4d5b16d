// SPDX-License-Identifier: GPL-3.0-or-later
// The jukebox without a window, its controls on a private bus: bus calls to the player and what the desktop hears; the
// work the door holds commands for (a message box, the play command's wait, an addition), and how many it then runs.
#include "core/catalogue/addition.h"
#include "support/ui/desktop_bus.h"
#include "support/ui/main_fixture.h"

#include <QtTest>

class JukeboxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvel.playcontrol.warning=false");
        TestSupport::WriteSong(opened.filePath("opened.mp3"), "Opened", "Desktop");
    }

    void busCallsReachThePlayerAndTheDesktopHearsOfEachChangeOnceTheWorkUnderWayIsOver()
    {
        TestSupport::AppDir dir;
        dir.write("playlist0.txt", "\"A\",\"a\",\"/m/a.mp3\",\"a.mp3\"\r\n\"B\",\"b\",\"/m/b.mp3\",\"b.mp3\"\r\n\"C\",\"c\",\"/m/c.mp3\",\"c.mp3\"\r\n");
        TestSupport::JukeboxFixture f;
        QSignalSpy raised(&f.jukebox, &Jukebox::raiseAsked), quitting(&f.jukebox, &Jukebox::quitAsked);
        f.jukebox.Start({});
        QCOMPARE(desktop.get("Shuffle"), true);
        desktop.set("Shuffle", false);
        QTRY_VERIFY(desktop.heard.contains("Shuffle", false));
        // A quarter of the travel, -75, gives the player its tenth rounded to -8, cubed; what is no number changes nothing.
        for (const double volume : {0.25, qQNaN()})
            desktop.set("Volume", volume);
        QCOMPARE(f.player->volumes, std::vector<int32_t>{-512});
        QTRY_VERIFY(desktop.heard.contains("Volume", 0.25));
        // A message box waiting for its answer holds every command; only the files and Next start work of their own.
        f.messages.whileShown = [&] {
            f.jukebox.OpenFiles({opened.filePath("opened.mp3")});
            for (const char *method : {"Next", "Pause", "Stop"})
                desktop.send(TestSupport::MprisPlayer, method);
            for (const char *method : {"Raise", "Quit"})
                desktop.send(TestSupport::MprisRoot, method);
            QTRY_COMPARE(f.jukebox.door().Held(), 6);
        };
        f.model().screen.ShowMessage("Wait");
        QTRY_COMPARE(quitting.count(), 1);
        QCOMPARE(raised.count(), 1);
        QCOMPARE(f.player->opened, (QStringList{opened.filePath("opened.mp3"), "/m/a.mp3"}));
        QVERIFY(f.player->pauseCalls == 1 && f.player->stopCalls == 1);
        // So does the play command's wait for a file that does not load.
        f.player->readyOnOpen = MediaPlayer::Loading;
        QTimer::singleShot(0, &f.jukebox, [&] {
            desktop.send(TestSupport::MprisPlayer, "Next");
            QTRY_COMPARE(f.jukebox.door().Held(), 1);
        });
        f.jukebox.playControl().Next();
        QTRY_COMPARE(f.player->opened.mid(1), (QStringList{"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"}));
        desktop.call(TestSupport::MprisPlayer, "Previous");
        QCOMPARE(f.player->opened.last(), "/m/b.mp3");
        // Next on the only song plays it, then plays it on: the song before it then changes alone.
        f.player->readyOnOpen = MediaPlayer::Loaded;
        TestSupport::SetCatalogue(f.model(), {{"C", "c", "/m/c.mp3"}});
        QTRY_VERIFY(desktop.heard.contains("CanGoPrevious", false));
        desktop.heard.clear();
        for (int n = 0; n < 2; ++n)
            desktop.call(TestSupport::MprisPlayer, "Next");
        QTRY_VERIFY(desktop.heard.contains("CanGoPrevious", true));
        // A second jukebox's controls, refused by the bus, go: none announces changes of an object the bus does not have.
        TestSupport::JukeboxFixture second;
        second.jukebox.Start({});
        QVERIFY(second.jukebox.findChildren<QDBusAbstractAdaptor *>().isEmpty() && !f.jukebox.findChildren<QDBusAbstractAdaptor *>().isEmpty());
    }

    void anAdditionShowsItsProgressDuringThePlayCommandsWaitAndHoldsCommandsAndASongsEndUntilItIsOver()
    {
        TestSupport::AppDir dir;
        TestSupport::JukeboxFixture f;
        f.jukebox.Start({});
        f.model().options.SetShuffle(false);
        TestSupport::SetCatalogue(f.model(), {{"A", "a", "/m/a.mp3"}});
        TestSupport::RecordedProgress progress(f.model().screen);
        // The window's own controls still act while the play command waits: an addition shows its progress.
        f.player->readyOnOpen = MediaPlayer::Loading;
        QTimer::singleShot(0, &f.jukebox, [&] { AddDirectory(f.model(), opened.path()); });
        f.jukebox.playControl().Play();
        QCOMPARE(progress.calls.first(), "show Adding Files 0 0");
        QCOMPARE(progress.calls.last(), "unload");
        // The desktop's Next and a song's end wait for an addition; Next then plays, and the end of the song before goes.
        f.player->readyOnOpen = MediaPlayer::Loaded;
        progress.whileShown = [&] {
            if (progress.calls.size() == 1) {
                emit f.player->EndOfStream(f.player->Opened());
                desktop.send(TestSupport::MprisPlayer, "Next");
                QTRY_COMPARE(f.jukebox.door().Held(), 1);
            }
        };
        progress.calls.clear();
        AddDirectory(f.model(), opened.filePath("nowhere"));
        QCOMPARE(f.player->opened.size(), 1);
        QTRY_COMPARE(f.player->opened.size(), 2);
    }

private:
    TestSupport::DesktopBus desktop;
    QTemporaryDir opened;
};

QTEST_MAIN(JukeboxTest)
#include "jukebox_test.moc"
