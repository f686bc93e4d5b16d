// The time texts, the position slider and the volume the player is asked for.
#include "playback/time_text.h"
#include "state/globals.h"
#include "support/catalogue.h"
#include "support/test_app.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QtTest>
#include <limits>

using Playback::TimeText;

class PositionVolumeTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Songs.clear(); }

    void timeText_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 0.0 << "0:00";
        QTest::newRow("9.4") << 9.4 << "0:09";
        QTest::newRow("9.5 to even") << 9.5 << "0:10";
        QTest::newRow("10.5 to even") << 10.5 << "0:10";
        QTest::newRow("59.5") << 59.5 << "1:00";
        QTest::newRow("61.5") << 61.5 << "1:02";
        QTest::newRow("185.2") << 185.2 << "3:05";
        QTest::newRow("3599.6") << 3599.6 << "60:00";
        QTest::newRow("unknown") << -1.0 << "0:00";
        QTest::newRow("past 2^31 ms") << 2147483.648 << "35791:24";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "0:00";
    }

    void timeText()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(TimeText(seconds), text);
    }

    void timeTextSurvivesAnyReportedValue()
    {
        for (double v : {1e12, -1e12, std::numeric_limits<double>::infinity(), -0.5, 2147483647.0})
            QVERIFY(!TimeText(v).isEmpty());
    }

    void timerFollowsThePlayerWithoutSeeking()
    {
        TestSupport::MainFixture f;
        f.player->setPosition(65.4);
        f.main->Timer1_Timer();
        QCOMPARE(f.main->label_currenttime->text(), QStringLiteral("1:05"));
        QCOMPARE(f.main->Slider1->value(), 65);
        // Even while the user holds the slider, and on odd seconds, the timer does not seek.
        f.main->Slider1->setSliderDown(true);
        f.player->setPosition(41.2);
        f.main->Timer1_Timer();
        QCOMPARE(f.main->Slider1->value(), 41);
        f.main->Slider1->setSliderDown(false);
        f.player->setPosition(500);
        f.main->Timer1_Timer();
        QCOMPARE(f.main->Slider1->value(), 120);
        QVERIFY(f.player->seeks.empty());
    }

    void totalTimeFollowsANewFileOnly()
    {
        TestSupport::MainFixture f;
        f.player->duration = 185.2;
        f.player->Open("/m/a.mp3");
        QCOMPARE(f.main->label_totaltime->text(), QStringLiteral("3:05"));
        QCOMPARE(f.main->Slider1->maximum(), 185);
        f.player->duration = 999;
        f.player->Open("/m/a.mp3");
        QCOMPARE(f.main->label_totaltime->text(), QStringLiteral("3:05"));
        QCOMPARE(f.main->Slider1->maximum(), 185);
        f.player->duration = -1;
        f.player->Open("/m/b.mp3");
        QCOMPARE(f.main->label_totaltime->text(), QStringLiteral("0:00"));
        QCOMPARE(f.main->Slider1->maximum(), 0);
        f.player->duration = 2147484.0;
        f.player->Open("/m/long.mp3");
        QCOMPARE(f.main->label_totaltime->text(), QStringLiteral("35791:24"));
        QCOMPARE(f.main->Slider1->maximum(), 2147484);
    }

    void userMovesOfThePositionSliderSeekOnOddSeconds()
    {
        TestSupport::MainFixture f;
        QSlider *slider = f.main->Slider1;
        slider->setMaximum(200);
        slider->setSliderDown(true);
        slider->setSliderPosition(37);
        slider->setSliderPosition(38);
        slider->setSliderDown(false);
        QCOMPARE(f.player->seeks, std::vector<double>{37});
        // Keys move it by the small step: 38 to 43 seeks, 43 to 48 does not.
        QTest::keyClick(slider, Qt::Key_Right);
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(slider->value(), 48);
        QCOMPARE(f.player->seeks, (std::vector<double>{37, 43}));
        // The program's own value changes never seek.
        slider->setValue(51);
        QCOMPARE(f.player->seeks.size(), 2u);
    }

    void volumeSliderAndNewSongVolumes()
    {
        TestSupport::MainFixture f;
        for (auto [value, volume] : {std::pair{-100, -1000}, {-45, -64}, {-15, -8}, {-5, 0}, {0, 0}, {-99, -1000}}) {
            f.main->Slider_vol->setValue(value);
            QCOMPARE(f.player->volumes.back(), volume);
        }
        QVERIFY(f.player->refusedVolumes.empty());

        TestSupport::SetCatalogue(*f.main, {{"A", "a", "/m/a.mp3"}, {"B", "b", "/m/b.mp3"}});
        f.main->chk_shuffle->setChecked(false);
        f.main->Slider_vol->setValue(-50);
        f.main->cmd_play_Click();
        QCOMPARE(f.player->refusedVolumes, std::vector<int32_t>{-6250000});
        f.main->Slider_vol->setValue(-10);
        f.main->cmd_next_Click();
        QCOMPARE(f.player->volumes.back(), -10000);
    }
};

QTEST_MAIN(PositionVolumeTest)
#include "position_volume_test.moc"
