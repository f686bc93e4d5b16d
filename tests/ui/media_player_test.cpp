// The real media component on MP3s encoded at test time: loading, position, pause,
// seeks, the end of a file, files it cannot play, and the window playing on.
#include "core/state/globals.h"
#include "platform/failure.h"
#include "platform/media_player.h"
#include "support/catalogue.h"
#include "support/test_app.h"
#include "support/tone_mp3.h"
#include "ui/main/main_window.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// Positions on a small shared machine wander by a few hundred milliseconds.
constexpr double Jitter = 0.4;

class MediaPlayerTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString three_ = dir_.filePath("three.mp3"), two_ = dir_.filePath("two.mp3");
    std::unique_ptr<MediaPlayer> player_;

    bool loads(const QString &path)
    {
        player_->Open(path);
        return QTest::qWaitFor([&] { return player_->ReadyState() == 4; }, 5000);
    }

private slots:
    void initTestCase()
    {
        if (!TestSupport::LameAvailable())
            QSKIP("lame is not installed");
        QVERIFY(TestSupport::MakeToneMp3(three_, 3.0, "Tone Artist", "Three Seconds"));
        QVERIFY(TestSupport::MakeToneMp3(two_, 2.0));
        QFile(dir_.filePath("empty.mp3")).open(QIODevice::WriteOnly);
        QFile corrupt(dir_.filePath("corrupt.mp3"));
        QVERIFY(corrupt.open(QIODevice::WriteOnly) && corrupt.write(QByteArray(4000, 'Z')) == 4000);
    }

    void init() { player_.reset(CreateMediaPlayer()); }

    void loadsPlaysPausesSeeksAndStops()
    {
        player_->Open(three_);
        player_->SetCurrentPosition(1.5);  // asked before loading, applied once loaded
        QTRY_COMPARE_WITH_TIMEOUT(player_->ReadyState(), 4, 10000);
        QVERIFY2(qAbs(player_->Duration() - 3.0) < 0.2, qPrintable(QString::number(player_->Duration())));
        QCOMPARE(player_->PlayState(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(player_->CurrentPosition() > 1.5 - Jitter, 10000);
        const double early = player_->CurrentPosition();
        QTest::qWait(400);
        QVERIFY(player_->CurrentPosition() > early + 0.2);
        player_->Pause();
        QCOMPARE(player_->PlayState(), 1);
        const double held = player_->CurrentPosition();
        QTest::qWait(400);
        QVERIFY(qAbs(player_->CurrentPosition() - held) < 0.1);
        player_->SetCurrentPosition(0.5);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(player_->CurrentPosition() - 0.5) < Jitter, 10000);
        player_->Stop();
        QCOMPARE(player_->PlayState(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(player_->CurrentPosition(), 0.0, 10000);
    }

    void endIsReportedOnceAndANewFileIsAnnounced()
    {
        QVERIFY(loads(two_));
        QSignalSpy ends(player_.get(), &MediaPlayer::EndOfStream);
        QVERIFY(ends.wait(10000));
        QTest::qWait(500);
        QCOMPARE(ends.count(), 1);
        QSignalSpy changes(player_.get(), &MediaPlayer::PlayStateChange);
        QVERIFY(loads(three_));
        QCOMPARE(player_->FileName(), three_);
        QVERIFY(changes.count() >= 1);
    }

    void filesItCannotPlayNeverLoad()
    {
        for (const char *name : {"missing.mp3", "empty.mp3", "corrupt.mp3"}) {
            player_->Open(dir_.filePath(name));
            for (int round = 0; round < 20; ++round) {
                QTest::qWait(100);
                QVERIFY2(player_->ReadyState() < 4, name);
            }
            QCOMPARE(player_->PlayState(), 0);
        }
        QVERIFY(loads(two_));
    }

    void volumeInHundredthsOfADecibel()
    {
        for (int32_t accepted : {0, -1000, -10000})
            player_->SetVolume(accepted);
        for (int32_t refused : {-6250000, -10001, 1})
            QVERIFY_THROWS_EXCEPTION(Platform::Failure, player_->SetVolume(refused));
    }

    void theWindowPlaysOnToTheNextSong()
    {
        TestSupport::AppDir appDir;
        Songs.clear();
        SortBy = QStringLiteral("TAS");
        Main main;
        TestSupport::SetCatalogue({{"Tone", "two", two_}, {"Tone", "three", three_}});
        main.chk_shuffle->setChecked(false);
        main.cmd_play_Click();
        QTRY_COMPARE_WITH_TIMEOUT(main.label_totaltime->text(), QStringLiteral("0:02"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(main.label_currenttime->text(), QStringLiteral("0:01"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(CurrentSong.Index, 1, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(main.label_totaltime->text(), QStringLiteral("0:03"), 10000);
    }
};

QTEST_MAIN(MediaPlayerTest)
#include "media_player_test.moc"
