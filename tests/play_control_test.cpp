// Play, pause, stop and next over the test player: which song is chosen and opened,
// what the queue loses, and what the window shows.
#include "app/windows.h"
#include "platform/keyed_tree.h"
#include "playback/queue_window.h"
#include "state/globals.h"
#include "support/catalogue.h"
#include "support/test_app.h"
#include "views/artist_tree.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QtTest>

using TestSupport::SetCatalogue;

namespace {
void fourSongs(Main &main)
{
    SetCatalogue(main, {{"A", "a1", "/m/a1.mp3"}, {"A", "a2", "/m/a2.mp3"}, {"B", "b1", "/m/b1.mp3"},
                        {"C", "c1", "/m/c1.mp3"}});
}

void queue(int index)
{
    const SongPointer song{Songs.at(static_cast<std::size_t>(index)).LongName, static_cast<int16_t>(index)};
    Window<frm_Q>().Append(song, Songs.at(static_cast<std::size_t>(index)).SongName);
}
} // namespace

class PlayControlTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Songs.clear();
        SortBy = QStringLiteral("TAS");
    }

    void firstPlayWithShuffleDrawsAndMarksTheSong()
    {
        TestSupport::MainFixture f;
        fourSongs(*f.main);
        f.main->cmd_play_Click();
        QCOMPARE(PreviousSong.LongName, QStringLiteral("CurrentSong"));
        QCOMPARE(PreviousSong.Index, 0);
        QCOMPARE(f.player->opened.size(), 1);
        const int i = CurrentSong.Index;
        QVERIFY(i >= 0 && i <= 3);
        QCOMPARE(f.player->opened.at(0), Songs.at(i).LongName);
        QCOMPARE(CurrentSong.LongName, Songs.at(i).LongName);
        QCOMPARE(f.main->text_CurrentSong->text(), Songs.at(i).Artist + " - " + Songs.at(i).SongName);
        QCOMPARE(Platform::KeyedTree::Key(f.main->TreeView1->SelectedItem()), Functions::SongKey(i));
        // The initial volume slider asks for a value the player refuses; play goes on.
        QCOMPARE(f.player->refusedVolumes, std::vector<int32_t>{-6250000});

        // A well-seeded generator: quick presses do not keep drawing the same song.
        QSet<int> drawn;
        for (int n = 0; n < 30; ++n) {
            f.main->cmd_next_Click();
            drawn.insert(CurrentSong.Index);
        }
        QVERIFY(drawn.size() > 1);
    }

    void orderWrapsAroundAndOneSongShuffleRepeats()
    {
        TestSupport::MainFixture f;
        fourSongs(*f.main);
        f.main->chk_shuffle->setChecked(false);
        f.main->cmd_play_Click();
        QCOMPARE(CurrentSong.Index, 0);
        for (int expected : {1, 2, 3, 0}) {
            f.main->cmd_next_Click();
            QCOMPARE(CurrentSong.Index, expected);
        }
        QCOMPARE(f.player->opened.size(), 5);

        SetCatalogue(*f.main, {{"A", "only", "/m/only.mp3"}});
        f.main->chk_shuffle->setChecked(true);
        for (int n = 0; n < 3; ++n) {
            f.main->cmd_next_Click();
            QCOMPARE(SelectedSong.Index, 0);
            QCOMPARE(CurrentSong.LongName, QStringLiteral("/m/only.mp3"));
        }
        // The first press opened the only song; later draws of it resume it.
        QCOMPARE(f.player->opened.size(), 6);
    }

    void queueHeadPlaysThenLeavesWhenThePlayerMovesOn()
    {
        TestSupport::MainFixture f;
        fourSongs(*f.main);
        f.main->chk_shuffle->setChecked(false);
        frm_Q &q = Window<frm_Q>();
        q.chk_songque->setChecked(true);
        queue(2);
        queue(1);
        f.main->cmd_play_Click();
        QCOMPARE(f.player->opened, QStringList{"/m/b1.mp3"});
        QCOMPARE(QCount, 2);
        QCOMPARE(q.list_que->count(), 2);

        f.player->finishSong();
        QCOMPARE(f.player->opened.last(), QStringLiteral("/m/a2.mp3"));
        QCOMPARE(QCount, 1);
        QCOMPARE(q.list_que->count(), 1);
        QCOMPARE(Qlist.at(0).Index, 1);
        QCOMPARE(PreviousSong.Index, 2);

        f.player->finishSong();
        QCOMPARE(QCount, 0);
        QCOMPARE(q.list_que->count(), 0);
        QCOMPARE(Qlist.size(), 1u);
        QCOMPARE(Qlist.at(0).LongName, QStringLiteral("NULLLongNameQlist"));
        // Back to catalogue order after the song that played last.
        QCOMPARE(f.player->opened.last(), QStringLiteral("/m/b1.mp3"));
        QCOMPARE(CurrentSong.Index, 2);
    }

    void pauseAndStopAnswerOnlyInTheirStates()
    {
        TestSupport::MainFixture f;
        fourSongs(*f.main);
        f.main->chk_shuffle->setChecked(false);
        f.main->cmd_pause_Click();
        f.main->cmd_stop_Click();
        QCOMPARE(f.player->pauseCalls + f.player->stopCalls, 0);

        f.main->cmd_play_Click();
        f.player->setPosition(42);
        f.main->cmd_pause_Click();
        QCOMPARE(f.player->PlayState(), 1);
        f.main->cmd_pause_Click();
        QCOMPARE(f.player->pauseCalls, 1);
        f.main->cmd_play_Click();
        QCOMPARE(f.player->PlayState(), 2);
        QCOMPARE(f.player->CurrentPosition(), 42.0);
        QCOMPARE(f.player->opened.size(), 1);

        f.main->cmd_stop_Click();
        QCOMPARE(f.player->CurrentPosition(), 0.0);
        f.main->cmd_stop_Click();
        f.main->cmd_pause_Click();
        QCOMPARE(f.player->stopCalls, 1);
        QCOMPARE(f.player->pauseCalls, 1);
        f.main->cmd_play_Click();
        QCOMPARE(f.player->PlayState(), 2);
        QCOMPARE(f.player->opened.size(), 1);

        // With the queue active, Play chooses afresh instead of resuming.
        f.main->cmd_pause_Click();
        Window<frm_Q>().chk_songque->setChecked(true);
        f.main->cmd_play_Click();
        QCOMPARE(f.player->opened.size(), 2);
        QCOMPARE(CurrentSong.Index, 1);
    }

    void playingAnotherArtistClosesThePreviousArtist()
    {
        TestSupport::MainFixture f;
        fourSongs(*f.main);
        f.main->chk_shuffle->setChecked(false);
        auto *tree = f.main->TreeView1;
        f.main->cmd_play_Click();
        QVERIFY(tree->Find("A")->isExpanded());
        f.main->cmd_next_Click();
        QVERIFY(tree->Find("A")->isExpanded());
        f.main->cmd_next_Click();
        QVERIFY(!tree->Find("A")->isExpanded());
        QVERIFY(tree->Find("B")->isExpanded());
        QCOMPARE(tree->SelectedItem(), tree->Find("Key2"));
    }

    void listModeSelectsThePlayingRow()
    {
        TestSupport::MainFixture f;
        SortBy = QStringLiteral("LAS");
        fourSongs(*f.main);
        f.main->chk_shuffle->setChecked(false);
        f.main->cmd_play_Click();
        f.main->cmd_next_Click();
        QCOMPARE(f.main->List1->currentRow(), 1);
        QCOMPARE(SelectedSong.Index, 1);
    }

    void emptyCatalogueWaitsAndNamesNoSong()
    {
        TestSupport::MainFixture f;
        f.main->text_CurrentSong->setText("as before");
        QElapsedTimer clock;
        clock.start();
        f.main->cmd_play_Click();
        QVERIFY2(clock.elapsed() >= 3500 && clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(f.player->opened.isEmpty());
        QCOMPARE(CurrentSong.Index, -1);
        QCOMPARE(CurrentSong.LongName, QStringLiteral("CurrentSong"));
        QCOMPARE(f.main->text_CurrentSong->text(), QStringLiteral("as before"));
    }

    void queuedSongBeyondTheCatalogueOpensNothing()
    {
        TestSupport::MainFixture f;
        fourSongs(*f.main);
        f.main->chk_shuffle->setChecked(false);
        f.main->cmd_play_Click();
        queue(3);
        SetCatalogue(*f.main, {{"A", "a1", "/m/a1.mp3"}});
        Window<frm_Q>().chk_songque->setChecked(true);
        f.main->text_CurrentSong->setText("A - a1");
        f.main->cmd_next_Click();
        QCOMPARE(f.player->opened.size(), 1);
        QCOMPARE(CurrentSong.LongName, QStringLiteral("/m/a1.mp3"));
        QCOMPARE(f.main->text_CurrentSong->text(), QStringLiteral("A - a1"));
    }

    void loadingKeepsTheWindowAliveAndLetsASecondPlayRun()
    {
        TestSupport::MainFixture f;
        fourSongs(*f.main);
        f.main->chk_shuffle->setChecked(false);
        f.player->readyOnOpen = 0;
        QTimer::singleShot(250, f.main.get(), [&] {
            f.player->readyOnOpen = 4;
            SelectedSong = {Songs.at(2).LongName, 2};
            f.main->cmd_play_Click();
        });
        QElapsedTimer clock;
        clock.start();
        f.main->cmd_play_Click();
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(f.player->opened, (QStringList{"/m/a1.mp3", "/m/b1.mp3"}));
        QCOMPARE(CurrentSong.Index, 2);
        QCOMPARE(f.main->text_CurrentSong->text(), QStringLiteral("B - b1"));
        // The timer ran during the wait: it replaced the designed "00:00".
        QCOMPARE(f.main->label_currenttime->text(), QStringLiteral("0:00"));

        // A file that never loads: Play gives up after about four seconds.
        f.player->readyOnOpen = 0;
        clock.restart();
        f.main->cmd_next_Click();
        QVERIFY2(clock.elapsed() >= 3500 && clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(CurrentSong.Index, 3);
    }
};

QTEST_MAIN(PlayControlTest)
#include "play_control_test.moc"
