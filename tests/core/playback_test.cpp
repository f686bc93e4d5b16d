// SPDX-License-Identifier: GPL-3.0-or-later
// The play control over the test player: commands, next-song choice, queue, the play command's wait, times, volumes.
#include "core/catalogue/selection.h"
#include "core/playback/play_control.h"
#include "core/playback/queue.h"
#include "core/playback/time_text.h"
#include "core/playback/volume.h"
#include "support/fake_media_player.h"
#include "support/state.h"

#include <QtTest>

namespace {
// The play control over a model and the test player, and the window as it sees it. Its wait for a file ends after a
// pass over the pending events, or, given a limit no test reaches, only on the player's notice; a test acts during
// the wait through an event it posts before the command.
struct Playing : Screen::NowPlaying {
    Model model;
    const SongPointers &pointers = model.pointers;
    FakeMediaPlayer player;
    QString shown;
    PlayControl control;

    explicit Playing(int loadLimitMs = 0) : control(model, player, loadLimitMs)
    {
        model.screen.Attach(static_cast<Screen::NowPlaying *>(this));
        TestSupport::SetCatalogue(model, {{"A", "a1", "/m/a1.mp3"}, {"A", "a2", "/m/a2.mp3"}, {"B", "b1", "/m/b1.mp3"},
                                          {"C\t", " c1", " /m/c1.mp3\t "}});
    }
    void queue(std::initializer_list<int> indices)
    {
        for (int i : indices)
            QueueSong(model, {model.catalogue.Songs().at(i).LongName, int16_t(i)});
    }
    const QStringList &rows() const { return model.queue.Rows(); }
    void ShowCurrentSong(const QString &text) override { shown = text; }
    void MarkCurrentSong() override {}
};
} // namespace

class PlaybackTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLoggingCategory::setFilterRules(QStringLiteral("korvel.playcontrol.warning=false")); }

    void firstPlayShufflesAndOrderWraps()
    {
        Playing t;
        t.model.options.SetShuffle(true);
        // A step that fails is logged and the command goes on: here the player refuses the volume.
        QLoggingCategory::setFilterRules(QString());
        QTest::ignoreMessage(QtWarningMsg, "setting the volume skipped: Invalid property value (380, MediaPlayer)");
        t.control.Play();
        init();
        QCOMPARE(t.pointers.PreviousSong().LongName, QStringLiteral("CurrentSong"));
        QCOMPARE(t.player.opened, QStringList{t.model.catalogue.Songs().at(t.pointers.CurrentSong().Index).LongName});
        // Shuffle reaches every song, the first and the last among them.
        QSet<int> drawn;
        for (int n = 0; n < 200; ++n) {
            t.control.Next();
            drawn.insert(t.pointers.CurrentSong().Index);
        }
        QCOMPARE(drawn, (QSet<int>{0, 1, 2, 3}));
        // In order, the last song is followed by the first.
        t.model.options.SetShuffle(false);
        const int start = t.pointers.CurrentSong().Index;
        for (int n = 1; n <= 4; ++n) {
            t.control.Next();
            QCOMPARE(t.pointers.CurrentSong().Index, (start + n) % 4);
        }
        TestSupport::SetCatalogue(t.model, {{"A", "only", "/m/only.mp3"}});
        t.model.options.SetShuffle(true);
        t.control.Next();
        t.control.Next();
        QCOMPARE(t.pointers.SelectedSong().Index, 0);
    }

    void pauseAndStopOnlyInTheirStates()
    {
        Playing t;
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
        t.model.options.SetSongQueueActive(true);
        t.control.Play();
        QCOMPARE(t.pointers.CurrentSong().Index, 1);
    }

    void failingStepsAreSkipped()
    {
        Playing t;
        // Records, but no songs, as after loading an empty playlist.
        Catalogue::Edit(t.model.catalogue).Table().ResetCount();
        t.control.Play();
        QVERIFY(t.player.opened.isEmpty());
        QCOMPARE(t.pointers.CurrentSong().Index, -1);
        QCOMPARE(t.pointers.CurrentSong().LongName, QStringLiteral("CurrentSong"));
        QVERIFY(t.shown.isEmpty());
    }

    void aSecondPlayRunsInsideTheFirstOnesWaitWhichEndsOnTheNotice()
    {
        // No wait ends on the clock here: one that missed the player's notice would never end.
        Playing t(std::numeric_limits<int>::max());
        t.player.readyOnOpen = 0;
        QTimer::singleShot(0, &t.player, [&] {
            QVERIFY(t.player.opened == QStringList{"/m/a1.mp3"});
            t.player.readyOnOpen = 4;
            t.model.pointers.SetSelectedSong({t.model.catalogue.Songs().at(2).LongName, 2});
            t.control.Play();
        });
        t.control.Play();
        QCOMPARE(t.player.opened, (QStringList{"/m/a1.mp3", "/m/b1.mp3"}));
        QCOMPARE(t.shown, QStringLiteral("B - b1"));
        QCOMPARE(t.pointers.CurrentSong().Index, 2);
        // A song that ends while the next one loads moves on once, after the load.
        t.player.readyOnOpen = 0;
        QTimer::singleShot(0, &t.player, [&] {
            t.player.Load();
            t.control.EndOfStream(t.player.Opened());
        });
        t.control.Next();
        QCOMPARE(t.player.opened.size(), 3);
        t.player.readyOnOpen = 4;
        QTRY_COMPARE(t.player.opened, (QStringList{"/m/a1.mp3", "/m/b1.mp3", " /m/c1.mp3\t ", "/m/a1.mp3"}));
        // An end heard of after another file was opened, even the same one, does not count.
        t.control.EndOfStream({"/m/a1.mp3", 1});
        QCOMPARE(t.player.opened.size(), 4);
    }

    void queueEntriesAndRowsChangeInStepAndItsHeadPlaysUntilThePlayerMovesOn()
    {
        Playing t;
        SongQueue &queue = t.model.queue;
        QCOMPARE(queue.Qlist().at(0).Index, StartSentinelIndex);
        t.queue({0, 1, 2, 3});
        queue.Remove(1);
        queue.Remove(7);
        queue.Swap(1);
        // Only spaces are trimmed, from the row texts as from the chosen song's path.
        QCOMPARE(t.rows(), (QStringList{"A - a1", "C\t - c1", "B - b1"}));
        SelectSong(t.model, 3);
        SelectSong(t.model, 4); // beyond the catalogue: nothing is chosen
        QCOMPARE(t.pointers.SelectedSong().LongName, QStringLiteral("/m/c1.mp3\t"));
        QCOMPARE(queue.Qlist().at(1).Index, 3);
        queue.Empty();
        QCOMPARE(queue.Qlist().at(0).Index, EmptiedSentinelIndex);
        t.queue({2, 1});
        QCOMPARE(queue.Qlist().at(0).LongName, QStringLiteral("/m/b1.mp3"));
        t.model.options.SetSongQueueActive(true);
        t.control.Play();
        QCOMPARE(queue.QCount(), 2);
        t.control.EndOfStream(t.player.Opened());
        QCOMPARE(t.player.opened, (QStringList{"/m/b1.mp3", "/m/a2.mp3"}));
        QCOMPARE(t.rows(), QStringList{"A - a2"});
        t.control.EndOfStream(t.player.Opened());
        QCOMPARE(t.rows(), QStringList{});
        // The song after the last queued one comes in order.
        QCOMPARE(t.player.opened.last(), QStringLiteral("/m/b1.mp3"));
        TestSupport::CapturedMessages messages(t.model.screen);
        while (queue.QCount() < 32767)
            t.queue({0});
        QVERIFY(!QueueSong(t.model, {t.model.catalogue.Songs().at(0).LongName, 0}));
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(queue.QCount(), 32767);
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
