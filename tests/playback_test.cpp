// Play control, the next-song choice, the time display, volume and keys, over the test player.
#include "app/windows.h"
#include "platform/keyed_tree.h"
#include "playback/queue_window.h"
#include "playback/time_text.h"
#include "state/globals.h"
#include "support/catalogue.h"
#include "support/test_app.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSlider>
#include <QtTest>

using TestSupport::MainFixture;

namespace {
void fourSongs(MainFixture &f, bool shuffle = false)
{
    TestSupport::SetCatalogue(*f.main, {{"A", "a1", "/m/a1.mp3"}, {"A", "a2", "/m/a2.mp3"}, {"B", "b1", "/m/b1.mp3"},
                                        {"C", "c1", "/m/c1.mp3"}});
    f.main->chk_shuffle->setChecked(shuffle);
}

void queue(int i) { Window<frm_Q>().Append({Songs.at(i).LongName, int16_t(i)}, Songs.at(i).SongName); }

int msFor(const std::function<void()> &action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    return int(clock.elapsed());
}
} // namespace

class PlaybackTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Songs.clear();
        SortBy = QStringLiteral("TAS");
    }

    void firstPlayShufflesOpensAndMarks()
    {
        MainFixture f;
        fourSongs(f, true);
        f.main->cmd_play_Click();
        QCOMPARE(PreviousSong.LongName + QString::number(PreviousSong.Index), QStringLiteral("CurrentSong0"));
        const Song &song = Songs.at(CurrentSong.Index);
        QCOMPARE(f.player->opened, QStringList{song.LongName});
        QCOMPARE(f.main->text_CurrentSong->text(), song.Artist + " - " + song.SongName);
        QCOMPARE(f.main->TreeView1->SelectedItem(), f.main->TreeView1->Find("Key" + QString::number(CurrentSong.Index)));
        // The slider's start value asks for a volume the player refuses; play goes on.
        QCOMPARE(f.player->refusedVolumes, std::vector<int32_t>{-6250000});
        QSet<int> drawn;
        for (int n = 0; n < 30; ++n) {
            f.main->cmd_next_Click();
            drawn.insert(CurrentSong.Index);
        }
        QVERIFY(drawn.size() > 1);
    }

    void orderWrapsAndOneSongShuffleRepeats()
    {
        MainFixture f;
        fourSongs(f);
        for (int expected : {0, 1, 2, 3, 0}) {
            expected == 0 && f.player->opened.isEmpty() ? f.main->cmd_play_Click() : f.main->cmd_next_Click();
            QCOMPARE(CurrentSong.Index, expected);
        }
        // Each change of artist closed the previous artist's node and revealed the new song.
        QVERIFY(f.main->TreeView1->Find("A")->isExpanded());
        QVERIFY(!f.main->TreeView1->Find("B")->isExpanded() && !f.main->TreeView1->Find("C")->isExpanded());
        TestSupport::SetCatalogue(*f.main, {{"A", "only", "/m/only.mp3"}});
        f.main->chk_shuffle->setChecked(true);
        for (int n = 0; n < 3; ++n)
            f.main->cmd_next_Click();
        QCOMPARE(SelectedSong.Index, 0);
        QCOMPARE(f.player->opened.size(), 6);
    }

    void queueHeadPlaysAndLeavesWhenThePlayerMovesOn()
    {
        MainFixture f;
        fourSongs(f);
        frm_Q &q = Window<frm_Q>();
        q.chk_songque->setChecked(true);
        queue(2);
        queue(1);
        f.main->cmd_play_Click();
        QCOMPARE(QCount, 2);
        f.player->finishSong();
        QCOMPARE(f.player->opened, (QStringList{"/m/b1.mp3", "/m/a2.mp3"}));
        QCOMPARE(QCount + q.list_que->count(), 2);
        f.player->finishSong();
        QCOMPARE(q.list_que->count(), 0);
        QCOMPARE(Qlist.size(), 1u);
        QCOMPARE(Qlist.at(0).LongName, QStringLiteral("NULLLongNameQlist"));
        QCOMPARE(f.player->opened.last(), QStringLiteral("/m/b1.mp3"));
    }

    void pauseAndStopOnlyInTheirStates()
    {
        MainFixture f;
        fourSongs(f);
        f.main->cmd_pause_Click();
        f.main->cmd_stop_Click();
        f.main->cmd_play_Click();
        f.player->setPosition(42);
        f.main->cmd_pause_Click();
        f.main->cmd_pause_Click();
        f.main->cmd_play_Click();
        QCOMPARE(f.player->CurrentPosition(), 42.0);
        f.main->cmd_stop_Click();
        f.main->cmd_stop_Click();
        f.main->cmd_pause_Click();
        QCOMPARE(f.player->pauseCalls * 10 + f.player->stopCalls, 11);
        QCOMPARE(f.player->CurrentPosition(), 0.0);
        f.main->cmd_play_Click();
        QCOMPARE(f.player->PlayState(), 2);
        QCOMPARE(f.player->opened.size(), 1);
        // With the queue active, Play chooses afresh instead of resuming.
        f.main->cmd_pause_Click();
        Window<frm_Q>().chk_songque->setChecked(true);
        f.main->cmd_play_Click();
        QCOMPARE(CurrentSong.Index, 1);
    }

    void failingStepsAreSkipped()
    {
        MainFixture f;
        f.main->text_CurrentSong->setText("before");
        const int emptyWait = msFor([&] { f.main->cmd_play_Click(); });
        QVERIFY2(emptyWait >= 3500 && emptyWait < 8000, qPrintable(QString::number(emptyWait)));
        QCOMPARE(CurrentSong.Index, -1);
        QCOMPARE(CurrentSong.LongName + f.main->text_CurrentSong->text(), QStringLiteral("CurrentSongbefore"));

        fourSongs(f);
        f.main->cmd_play_Click();
        queue(3);
        TestSupport::SetCatalogue(*f.main, {{"A", "a1", "/m/a1.mp3"}});
        Window<frm_Q>().chk_songque->setChecked(true);
        f.main->cmd_next_Click();
        QCOMPARE(f.player->opened.size(), 1);
        QCOMPARE(CurrentSong.LongName, QStringLiteral("/m/a1.mp3"));
    }

    void aSecondPlayRunsInsideTheFirstOnesWait()
    {
        MainFixture f;
        fourSongs(f);
        f.player->readyOnOpen = 0;
        QTimer::singleShot(250, f.main.get(), [&] {
            f.player->readyOnOpen = 4;
            SelectedSong = {Songs.at(2).LongName, 2};
            f.main->cmd_play_Click();
        });
        QVERIFY(msFor([&] { f.main->cmd_play_Click(); }) < 2000);
        QCOMPARE(f.player->opened, (QStringList{"/m/a1.mp3", "/m/b1.mp3"}));
        QCOMPARE(f.main->text_CurrentSong->text(), QStringLiteral("B - b1"));
        QCOMPARE(f.main->label_currenttime->text(), QStringLiteral("0:00"));  // the timer ran meanwhile
        f.player->readyOnOpen = 0;
        const int neverLoads = msFor([&] { f.main->cmd_next_Click(); });
        QVERIFY2(neverLoads >= 3500 && neverLoads < 8000, qPrintable(QString::number(neverLoads)));
    }

    void aSongThatEndsWhileItLoadsMovesOnOnce()
    {
        MainFixture f;
        fourSongs(f);
        f.main->cmd_play_Click();
        // The next song loads and ends during the play command's wait, before it is current.
        f.player->readyOnOpen = 0;
        QTimer::singleShot(150, f.main.get(), [&] {
            f.player->readyOnOpen = 4;
            f.player->setReadyState(4);
            f.player->finishSong();
        });
        f.main->cmd_next_Click();
        QTRY_COMPARE(f.player->opened.size(), 3);
        QTest::qWait(200);
        QCOMPARE(f.player->opened, (QStringList{"/m/a1.mp3", "/m/a2.mp3", "/m/b1.mp3"}));
        QCOMPARE(CurrentSong.Index, 2);
    }

    void timeTexts()
    {
        const std::pair<double, const char *> cases[] = {
            {0, "0:00"},        {9.4, "0:09"},      {9.5, "0:10"},          {10.5, "0:10"},
            {59.5, "1:00"},     {61.5, "1:02"},     {3599.6, "60:00"},      {-1, "0:00"},
            {2147483.648, "35791:24"}, {std::numeric_limits<double>::quiet_NaN(), "0:00"}};
        for (auto [seconds, text] : cases)
            QCOMPARE(Playback::TimeText(seconds), QString::fromLatin1(text));
        QVERIFY(!Playback::TimeText(1e300).isEmpty());
    }

    void timerTotalTimeAndSeeks()
    {
        MainFixture f;
        QSlider *slider = f.main->Slider1;
        f.player->duration = 185.2;
        f.player->Open("/m/a.mp3");
        f.player->duration = -1;
        f.player->Open("/m/a.mp3");
        QCOMPARE(f.main->label_totaltime->text() + QString::number(slider->maximum()), QStringLiteral("3:05185"));
        f.player->Open("/m/b.mp3");
        QCOMPARE(f.main->label_totaltime->text() + QString::number(slider->maximum()), QStringLiteral("0:000"));
        f.player->duration = 200;
        f.player->Open("/m/c.mp3");

        slider->setSliderDown(true);
        slider->setSliderPosition(37);
        slider->setSliderPosition(38);
        f.player->setPosition(42.4);
        f.main->Timer1_Timer();  // the timer moves a held slider, but never seeks
        QCOMPARE(slider->value(), 42);
        QCOMPARE(f.main->label_currenttime->text(), QStringLiteral("0:42"));
        slider->setSliderDown(false);
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(f.player->seeks, (std::vector<double>{37, 47}));
    }

    void volumes()
    {
        MainFixture f;
        for (auto [value, volume] : {std::pair{-100, -1000}, {-45, -64}, {-15, -8}, {-5, 0}, {0, 0}}) {
            f.main->Slider_vol->setValue(value);
            QCOMPARE(f.player->volumes.back(), volume);
        }
        fourSongs(f);
        f.main->Slider_vol->setValue(-10);
        f.main->cmd_play_Click();
        QCOMPARE(f.player->volumes.back(), -10000);
    }

    void keysActBeforeTheFocusedControl()
    {
        MainFixture f;
        fourSongs(f);
        f.main->show();
        f.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.main.get()));
        auto press = [](QWidget *w, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
            w->setFocus();
            QTest::keyClick(w, key, mods);
        };
        // Shift and "=" on the tree: once as the "=" key, once as the tree's own "+".
        press(f.main->TreeView1, Qt::Key_Plus, Qt::ShiftModifier);
        QCOMPARE(f.player->opened, (QStringList{"/m/a1.mp3", "/m/a2.mp3"}));
        press(f.main->cmd_play, Qt::Key_Plus, Qt::KeypadModifier);
        press(f.main->cmd_play, Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(f.player->opened.size(), 2);
        press(f.main->cmd_play, Qt::Key_Minus);
        QVERIFY(f.main->chk_shuffle->isChecked());
        press(f.main->cmd_play, Qt::Key_Underscore, Qt::ShiftModifier);
        QVERIFY(!f.main->chk_shuffle->isChecked());
        press(f.main->cmd_play, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(f.main->TreeView1->hasFocus());

        f.main->TreeView1->hide();
        f.main->List1->show();
        press(f.main->List1, Qt::Key_Equal);
        QCOMPARE(f.player->opened.size(), 3);
        press(f.main->cmd_stop, Qt::Key_T);
        QVERIFY(f.main->cmd_stop->hasFocus());
    }
};

QTEST_MAIN(PlaybackTest)
#include "playback_test.moc"
