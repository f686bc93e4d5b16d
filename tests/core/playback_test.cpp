// The transport over the test player: commands, next-song choice, queue, the play command's wait, times, volumes.
#include "core/catalogue/catalogue.h"
#include "core/playback/play_control.h"
#include "core/playback/queue.h"
#include "core/playback/time_text.h"
#include "core/playback/volume.h"
#include "support/fake_media_player.h"
#include "support/state.h"

#include <QtTest>

namespace {
// The transport over the test player, and the windows as it sees them, the queue
// window's rows among them. Its wait is counted in rounds instead of run on the
// clock; a test may act during a round, as an event handled during the wait would.
struct Transport : TransportScreen, QueueRows {
    FakeMediaPlayer player;
    bool queueActive = false, shuffle = false;
    QString shown;
    QStringList rows;
    int rounds = 0;
    std::function<void(int round)> duringRound = [](int) {};
    PlayControl control{player, *this, [this](int) { duringRound(++rounds); }};

    Transport()
    {
        AttachQueueRows(this);
        ResetSharedState();
        TestSupport::SetCatalogue({{"A", "a1", "/m/a1.mp3"}, {"A", "a2", "/m/a2.mp3"}, {"B", "b1", "/m/b1.mp3"},
                                   {"C\t", " c1", " /m/c1.mp3\t "}});
    }
    ~Transport() override { AttachQueueRows(nullptr); }
    void queue(std::initializer_list<int> indices)
    {
        for (int i : indices)
            Enqueue({Songs.at(i).LongName, int16_t(i)});
    }
    bool SongQueueActive() override { return queueActive; }
    bool ShuffleOn() override { return shuffle; }
    int VolumeSetting() override { return -50; }
    void ShowCurrentSong(const QString &text) override { shown = text; }
    void MarkCurrentSong() override {}
    void Appended(const QString &text) override { rows.append(text); }
    void Removed(int row) override { rows.removeAt(row); }
    void Swapped(int upper) override { rows.swapItemsAt(upper, upper + 1); }
    void Cleared() override { rows.clear(); }
};
} // namespace

class PlaybackTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLoggingCategory::setFilterRules(QStringLiteral("korvel.transport.warning=false")); }

    void firstPlayShufflesAndOrderWraps()
    {
        Transport t;
        t.shuffle = true;
        // A step that fails is logged and the command goes on: here the player refuses the volume.
        QLoggingCategory::setFilterRules(QString());
        QTest::ignoreMessage(QtWarningMsg, "setting the volume skipped: Invalid property value (380, MediaPlayer)");
        t.control.Play();
        init();
        QCOMPARE(PreviousSong.LongName, QStringLiteral("CurrentSong"));
        QCOMPARE(t.player.opened, QStringList{Songs.at(CurrentSong.Index).LongName});
        QSet<int> drawn;
        for (int n = 0; n < 30; ++n) {
            t.control.Next();
            drawn.insert(CurrentSong.Index);
        }
        QVERIFY(drawn.size() > 1);
        // In order, the last song is followed by the first.
        t.shuffle = false;
        const int start = CurrentSong.Index;
        for (int n = 1; n <= 4; ++n) {
            t.control.Next();
            QCOMPARE(CurrentSong.Index, (start + n) % 4);
        }
        TestSupport::SetCatalogue({{"A", "only", "/m/only.mp3"}});
        t.shuffle = true;
        t.control.Next();
        t.control.Next();
        QCOMPARE(SelectedSong.Index, 0);
    }

    void pauseAndStopOnlyInTheirStates()
    {
        Transport t;
        // Pause and Stop before anything plays, and each twice: once only counts.
        for (auto command : {&PlayControl::Pause, &PlayControl::Stop, &PlayControl::Play, &PlayControl::Pause,
                             &PlayControl::Pause, &PlayControl::Stop, &PlayControl::Stop, &PlayControl::Pause})
            (t.control.*command)();
        QCOMPARE(t.player.pauseCalls, 1);
        QCOMPARE(t.player.stopCalls, 1);
        QCOMPARE(t.player.seeks, std::vector<double>{0});
        // Play resumes the current song; with the queue active it chooses afresh.
        t.control.Play();
        QCOMPARE(t.player.opened.size(), 1);
        t.queueActive = true;
        t.control.Play();
        QCOMPARE(CurrentSong.Index, 1);
    }

    void failingStepsAreSkipped()
    {
        Transport t;
        SongCount = 0;
        t.control.Play();
        QVERIFY(t.player.opened.isEmpty());
        QCOMPARE(t.rounds, 40);
        QCOMPARE(CurrentSong.Index, -1);
        QCOMPARE(CurrentSong.LongName, QStringLiteral("CurrentSong"));
        QVERIFY(t.shown.isEmpty());
        // A queued song beyond a catalogue that has shrunk since opens nothing.
        TestSupport::SetCatalogue({{"A", "a1", "/m/a1.mp3"}, {"X", "x", "/m/x.mp3"}});
        t.queue({1});
        TestSupport::SetCatalogue({{"A", "a1", "/m/a1.mp3"}});
        t.control.Play();
        t.queueActive = true;
        t.control.Next();
        QCOMPARE(t.player.opened, QStringList{"/m/a1.mp3"});
    }

    void aSecondPlayRunsInsideTheFirstOnesWait()
    {
        Transport t;
        t.player.readyOnOpen = 0;
        t.duringRound = [&](int round) {
            if (round == 3) {
                t.player.readyOnOpen = 4;
                SelectedSong = {Songs.at(2).LongName, 2};
                t.control.Play();
            }
        };
        t.control.Play();
        QCOMPARE(t.rounds, 3);
        QCOMPARE(t.player.opened, (QStringList{"/m/a1.mp3", "/m/b1.mp3"}));
        QCOMPARE(t.shown, QStringLiteral("B - b1"));
        QCOMPARE(CurrentSong.Index, 2);
    }

    void aSongThatEndsWhileItLoadsMovesOnOnce()
    {
        Transport t;
        t.control.Play();
        t.player.readyOnOpen = 0;
        t.duringRound = [&](int round) {
            if (round == 2) {
                t.player.setReadyState(4);
                t.control.EndOfStream();
            }
        };
        t.control.Next();
        QCOMPARE(t.player.opened.size(), 2);
        t.player.readyOnOpen = 4;
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(t.player.opened, (QStringList{"/m/a1.mp3", "/m/a2.mp3", "/m/b1.mp3"}));
    }

    void queueEntriesAndRowsChangeInStepAndItsHeadPlaysUntilThePlayerMovesOn()
    {
        Transport t;
        QCOMPARE(Qlist.at(0).Index, StartSentinelIndex);
        t.queue({0, 1, 2, 3});
        RemoveFromQueue(1);
        RemoveFromQueue(7);
        SwapQueueEntries(1);
        // Only spaces are trimmed, from the row texts as from the chosen song's path.
        QCOMPARE(t.rows, (QStringList{"A - a1", "C\t - c1", "B - b1"}));
        SelectSong(3);
        SelectSong(4); // beyond the catalogue: nothing is chosen
        QCOMPARE(SelectedSong.LongName, QStringLiteral("/m/c1.mp3\t"));
        QCOMPARE(Qlist.at(1).Index, 3);
        EmptyQueue();
        QCOMPARE(Qlist.at(0).Index, EmptiedSentinelIndex);
        t.queue({2, 1});
        QCOMPARE(Qlist.at(0).LongName, QStringLiteral("/m/b1.mp3"));
        t.queueActive = true;
        t.control.Play();
        QCOMPARE(QCount, 2);
        t.control.EndOfStream();
        QCOMPARE(t.player.opened, (QStringList{"/m/b1.mp3", "/m/a2.mp3"}));
        QCOMPARE(t.rows, QStringList{"A - a2"});
        t.control.EndOfStream();
        QCOMPARE(t.rows, QStringList{});
        // The song after the last queued one comes in order.
        QCOMPARE(t.player.opened.last(), QStringLiteral("/m/b1.mp3"));
        TestSupport::CapturedMessages messages;
        QCount = 32767;
        QVERIFY(!Enqueue({Songs.at(0).LongName, 0}));
        QCOMPARE(messages.texts.size(), 1);
    }

    void timeTextsAndVolumes()
    {
        const std::pair<double, const char *> times[] = {{9.4, "0:09"}, {9.5, "0:10"}, {10.5, "0:10"}, {59.5, "1:00"}, {61.5, "1:02"},
                                                         {3599.6, "60:00"}, {-1, "0:00"}, {2147483.648, "35791:24"},
                                                         {std::numeric_limits<double>::quiet_NaN(), "0:00"}};
        for (auto [seconds, text] : times)
            QCOMPARE(TimeText(seconds), QString::fromLatin1(text));
        for (auto [value, volume] : {std::pair{-100, -1000}, {-45, -64}, {-15, -8}, {-25, -8}, {-5, 0}, {0, 0}})
            QCOMPARE(SliderVolume(value), volume);
        QCOMPARE(OpenedFileVolume(-50), -6250000);
        QCOMPARE(OpenedFileVolume(-10), -10000);
    }
};

QTEST_GUILESS_MAIN(PlaybackTest)
#include "playback_test.moc"
