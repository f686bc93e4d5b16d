// The transport over the test player: play, pause, stop and next, the next-song
// choice, the queue, the play command's wait, time texts and volumes.
#include "core/catalogue/catalogue.h"
#include "core/playback/play_control.h"
#include "core/playback/queue.h"
#include "core/playback/time_text.h"
#include "core/playback/volume.h"
#include "core/state/globals.h"
#include "support/catalogue.h"
#include "support/fake_media_player.h"
#include "support/screen_doubles.h"

#include <QLoggingCategory>
#include <QSet>
#include <QtTest>

namespace {
struct FakeScreen : TransportScreen {
    bool queueActive = false;
    bool shuffle = false;
    int volume = -50;
    QString shown;
    int marks = 0;

    bool SongQueueActive() override { return queueActive; }
    bool ShuffleOn() override { return shuffle; }
    int VolumeSetting() override { return volume; }
    void ShowCurrentSong(const QString &text) override { shown = text; }
    void MarkCurrentSong() override { ++marks; }
};

// The queue window's rows, kept as the queue tells them.
struct RecordedRows : QueueRows {
    QStringList rows;
    RecordedRows() { AttachQueueRows(this); }
    ~RecordedRows() override { AttachQueueRows(nullptr); }
    void Appended(const QString &text) override { rows.append(text); }
    void Removed(int row) override { rows.removeAt(row); }
    void Swapped(int upper) override { rows.swapItemsAt(upper, upper + 1); }
    void Cleared() override { rows.clear(); }
};

// The transport with its wait counted in rounds instead of run on the clock; a test
// may act in the middle of a round, as an event handled during the wait would.
struct Transport {
    FakeMediaPlayer player;
    FakeScreen screen;
    RecordedRows rows;
    int rounds = 0;
    std::function<void(int round)> duringRound = [](int) {};
    PlayControl control{player, screen, [this](int) { duringRound(++rounds); }};

    Transport()
    {
        ResetSharedState();
        TestSupport::SetCatalogue({{"A", "a1", "/m/a1.mp3"}, {"A", "a2", "/m/a2.mp3"}, {"B", "b1", "/m/b1.mp3"},
                                   {"C", " c1", "/m/c1.mp3"}});
    }
    void queue(std::initializer_list<int> indices)
    {
        for (int i : indices)
            Enqueue({Songs.at(i).LongName, int16_t(i)});
    }
};
} // namespace

class PlaybackTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("korvel.transport.warning=false")); }

    void firstPlayShufflesOpensAndShowsTheSong()
    {
        Transport t;
        t.screen.shuffle = true;
        // A step that fails is logged.
        QLoggingCategory::setFilterRules(QString());
        QTest::ignoreMessage(QtWarningMsg, "setting the volume skipped: Invalid property value (380, MediaPlayer)");
        t.control.Play();
        initTestCase();
        QCOMPARE(PreviousSong.LongName, QStringLiteral("CurrentSong"));
        QCOMPARE(PreviousSong.Index, 0);
        const Song &song = Songs.at(CurrentSong.Index);
        QCOMPARE(t.player.opened, QStringList{song.LongName});
        QCOMPARE(t.screen.shown, song.Artist + " - " + song.SongName);
        QCOMPARE(t.screen.marks, 1);
        // The slider's start value asks for a volume the player refuses; play goes on.
        QCOMPARE(t.player.refusedVolumes, std::vector<int32_t>{-6250000});
        QSet<int> drawn;
        for (int n = 0; n < 30; ++n) {
            t.control.Next();
            drawn.insert(CurrentSong.Index);
        }
        QVERIFY(drawn.size() > 1);
    }

    void orderWrapsAndOneSongShuffleRepeats()
    {
        Transport t;
        t.control.Play();
        for (int expected : {1, 2, 3, 0}) {
            t.control.Next();
            QCOMPARE(CurrentSong.Index, expected);
        }
        TestSupport::SetCatalogue({{"A", "only", "/m/only.mp3"}});
        t.screen.shuffle = true;
        for (int n = 0; n < 3; ++n)
            t.control.Next();
        QCOMPARE(SelectedSong.Index, 0);
        QCOMPARE(t.player.opened.size(), 6);
    }

    void queueHeadPlaysAndLeavesWhenThePlayerMovesOn()
    {
        Transport t;
        t.screen.queueActive = true;
        t.queue({2, 1});
        t.control.Play();
        QCOMPARE(QCount, 2);
        t.control.EndOfStream();
        QCOMPARE(t.player.opened, (QStringList{"/m/b1.mp3", "/m/a2.mp3"}));
        QCOMPARE(t.rows.rows, QStringList{"A - a2"});
        t.control.EndOfStream();
        QCOMPARE(QCount, 0);
        QCOMPARE(t.rows.rows, QStringList{});
        QCOMPARE(Qlist.size(), 1u);
        QCOMPARE(Qlist.at(0).LongName, QueueSentinel);
        QCOMPARE(Qlist.at(0).Index, EmptiedSentinelIndex);
        // The song after the last queued one comes in order.
        QCOMPARE(t.player.opened.last(), QStringLiteral("/m/b1.mp3"));
    }

    void pauseAndStopOnlyInTheirStates()
    {
        Transport t;
        t.control.Pause();
        t.control.Stop();
        QCOMPARE(t.player.pauseCalls, 0);
        QCOMPARE(t.player.stopCalls, 0);
        t.control.Play();
        t.player.setPosition(42);
        t.control.Pause();
        t.control.Pause();
        QCOMPARE(t.player.pauseCalls, 1);
        t.control.Play();
        QCOMPARE(t.player.CurrentPosition(), 42.0);
        t.control.Stop();
        t.control.Stop();
        t.control.Pause();
        QCOMPARE(t.player.stopCalls, 1);
        QCOMPARE(t.player.CurrentPosition(), 0.0);
        t.control.Play();
        QCOMPARE(t.player.PlayState(), 2);
        QCOMPARE(t.player.opened.size(), 1);
        // With the queue active, Play chooses afresh instead of resuming.
        t.control.Pause();
        t.screen.queueActive = true;
        t.control.Play();
        QCOMPARE(CurrentSong.Index, 1);
    }

    void failingStepsAreSkipped()
    {
        Transport t;
        Songs.clear();
        SongCount = 0;
        t.screen.shown = "before";
        t.control.Play();
        QVERIFY(t.player.opened.isEmpty());
        QCOMPARE(t.rounds, 40);
        QCOMPARE(CurrentSong.Index, -1);
        QCOMPARE(CurrentSong.LongName, QStringLiteral("CurrentSong"));
        QCOMPARE(t.screen.shown, QStringLiteral("before"));

        // A queued song beyond a catalogue that has shrunk since opens nothing.
        Transport u;
        u.control.Play();
        u.queue({3});
        TestSupport::SetCatalogue({{"A", "a1", "/m/a1.mp3"}});
        u.screen.queueActive = true;
        u.control.Next();
        QCOMPARE(u.player.opened.size(), 1);
        QCOMPARE(CurrentSong.LongName, QStringLiteral("/m/a1.mp3"));
    }

    void aSecondPlayRunsInsideTheFirstOnesWait()
    {
        Transport t;
        t.player.readyOnOpen = 0;
        t.duringRound = [&](int round) {
            if (round != 3)
                return;
            t.player.readyOnOpen = 4;
            SelectedSong = {Songs.at(2).LongName, 2};
            t.control.Play();
        };
        t.control.Play();
        QCOMPARE(t.rounds, 3);
        QCOMPARE(t.player.opened, (QStringList{"/m/a1.mp3", "/m/b1.mp3"}));
        QCOMPARE(t.screen.shown, QStringLiteral("B - b1"));
        QCOMPARE(CurrentSong.Index, 2);

        // A file that never loads is waited for forty rounds.
        t.player.readyOnOpen = 0;
        t.rounds = 0;
        t.control.Next();
        QCOMPARE(t.rounds, 40);
    }

    void aSongThatEndsWhileItLoadsMovesOnOnce()
    {
        Transport t;
        t.control.Play();
        // The next song loads and ends during the play command's wait, before it is current.
        t.player.readyOnOpen = 0;
        t.duringRound = [&](int round) {
            if (round != 2)
                return;
            t.player.readyOnOpen = 4;
            t.player.setReadyState(4);
            t.control.EndOfStream();
        };
        t.control.Next();
        QCOMPARE(t.player.opened.size(), 2);
        QCoreApplication::processEvents();
        QCOMPARE(t.player.opened, (QStringList{"/m/a1.mp3", "/m/a2.mp3", "/m/b1.mp3"}));
        QCoreApplication::processEvents();
        QCOMPARE(t.player.opened.size(), 3);
        QCOMPARE(CurrentSong.Index, 2);
    }

    void queueEntriesAndRowsChangeInStep()
    {
        Transport t;
        QCOMPARE(Qlist.at(0).Index, StartSentinelIndex);
        t.queue({0, 1, 2, 3});
        RemoveFromQueue(1);
        RemoveFromQueue(7);
        QCOMPARE(t.rows.rows, (QStringList{"A - a1", "B - b1", "C - c1"}));
        SwapQueueEntries(1);
        QCOMPARE(t.rows.rows, (QStringList{"A - a1", "C - c1", "B - b1"}));
        QCOMPARE(Qlist.at(1).Index, 3);
        EmptyQueue();
        QCOMPARE(Qlist.size(), 1u);
        QCOMPARE(Qlist.at(0).LongName, QueueSentinel);
        // After the sentinel the next song queued is element 0 again.
        t.queue({2});
        QCOMPARE(Qlist.size(), 1u);
        QCOMPARE(Qlist.at(0).LongName, QStringLiteral("/m/b1.mp3"));

        TestSupport::CapturedMessages messages;
        QCount = 32767;
        QVERIFY(!Enqueue({Songs.at(0).LongName, 0}));
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(QCount, 32767);
    }

    void timeTexts()
    {
        const std::pair<double, const char *> cases[] = {
            {0, "0:00"},        {9.4, "0:09"},      {9.5, "0:10"},          {10.5, "0:10"},
            {59.5, "1:00"},     {61.5, "1:02"},     {185.2, "3:05"},        {3599.6, "60:00"},
            {-1, "0:00"},       {2147483.648, "35791:24"}, {std::numeric_limits<double>::quiet_NaN(), "0:00"}};
        for (auto [seconds, text] : cases)
            QCOMPARE(TimeText(seconds), QString::fromLatin1(text));
        QVERIFY(!TimeText(1e300).isEmpty());
    }

    void volumes()
    {
        for (auto [value, volume] : {std::pair{-100, -1000}, {-45, -64}, {-15, -8}, {-25, -8}, {-5, 0}, {0, 0}})
            QCOMPARE(SliderVolume(value), volume);
        for (auto [value, volume] : {std::pair{-50, -6250000}, {-10, -10000}, {0, 0}})
            QCOMPARE(OpenedFileVolume(value), volume);
    }
};

QTEST_GUILESS_MAIN(PlaybackTest)
#include "playback_test.moc"
