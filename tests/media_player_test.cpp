// The real media component on MP3 files encoded at test time: loading, position,
// pause, seek, the end of a file, and files it cannot play.
#include "platform/failure.h"
#include "platform/media_player.h"
#include "state/globals.h"
#include "support/catalogue.h"
#include "support/test_app.h"
#include "support/tone_mp3.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
// Playback positions on a small shared machine wander by a few hundred milliseconds.
constexpr double Jitter = 0.4;
} // namespace

class MediaPlayerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString three_, two_;

    QString file(const QString &name) const { return dir_.filePath(name); }

    static std::unique_ptr<MediaPlayer> loaded(const QString &path)
    {
        std::unique_ptr<MediaPlayer> player(CreateMediaPlayer());
        player->Open(path);
        if (!QTest::qWaitFor([&] { return player->ReadyState() == 4; }, 5000))
            return nullptr;
        return player;
    }

private slots:
    void initTestCase()
    {
        if (!TestSupport::LameAvailable())
            QSKIP("lame is not installed");
        three_ = file("three.mp3");
        two_ = file("two.mp3");
        QVERIFY(TestSupport::MakeToneMp3(three_, 3.0, "Tone Artist", "Three Seconds"));
        QVERIFY(TestSupport::MakeToneMp3(two_, 2.0));
        QFile(file("empty.mp3")).open(QIODevice::WriteOnly);
        QFile corrupt(file("corrupt.mp3"));
        QVERIFY(corrupt.open(QIODevice::WriteOnly));
        corrupt.write(QByteArray(4000, '\x5a'));
    }

    void openLoadsAndPlaysPausesAndSeeks()
    {
        std::unique_ptr<MediaPlayer> player(CreateMediaPlayer());
        QSignalSpy changes(player.get(), &MediaPlayer::PlayStateChange);
        player->Open(three_);
        QTRY_COMPARE_WITH_TIMEOUT(player->ReadyState(), 4, 5000);
        QVERIFY(changes.count() >= 1);
        QCOMPARE(player->FileName(), three_);
        QVERIFY2(qAbs(player->Duration() - 3.0) < 0.2, qPrintable(QString::number(player->Duration())));
        QCOMPARE(player->PlayState(), 2);

        QTRY_VERIFY_WITH_TIMEOUT(player->CurrentPosition() > 0.5, 3000);
        player->Pause();
        QCOMPARE(player->PlayState(), 1);
        const double held = player->CurrentPosition();
        QTest::qWait(500);
        QVERIFY(qAbs(player->CurrentPosition() - held) < 0.1);

        player->SetCurrentPosition(2.0);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(player->CurrentPosition() - 2.0) < Jitter, 2000);

        player->Stop();
        QCOMPARE(player->PlayState(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(player->CurrentPosition(), 0.0, 2000);
        player->Play();
        QCOMPARE(player->PlayState(), 2);
        QTest::qWait(300);
        QVERIFY(player->CurrentPosition() < 1.0);
    }

    void seekBeforeLoadingLandsOnceLoaded()
    {
        std::unique_ptr<MediaPlayer> player(CreateMediaPlayer());
        player->Open(three_);
        player->SetCurrentPosition(1.5);
        QTRY_COMPARE_WITH_TIMEOUT(player->ReadyState(), 4, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(player->CurrentPosition() >= 1.5 - Jitter, 2000);
        QVERIFY(player->CurrentPosition() < 1.5 + 1.0);
    }

    void endOfFileIsReportedOnce()
    {
        auto player = loaded(two_);
        QVERIFY(player);
        QSignalSpy ends(player.get(), &MediaPlayer::EndOfStream);
        QVERIFY(ends.wait(5000));
        QTest::qWait(500);
        QCOMPARE(ends.count(), 1);
    }

    void anotherFileChangesTheNameAndReportsAChange()
    {
        auto player = loaded(three_);
        QVERIFY(player);
        QSignalSpy changes(player.get(), &MediaPlayer::PlayStateChange);
        player->Open(two_);
        QCOMPARE(player->FileName(), two_);
        QTRY_COMPARE_WITH_TIMEOUT(player->ReadyState(), 4, 5000);
        QVERIFY(changes.count() >= 1);
        QVERIFY2(qAbs(player->Duration() - 2.0) < 0.2, qPrintable(QString::number(player->Duration())));
    }

    void filesItCannotPlayNeverLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "missing.mp3";
        QTest::newRow("empty") << "empty.mp3";
        QTest::newRow("corrupt") << "corrupt.mp3";
    }

    void filesItCannotPlayNeverLoad()
    {
        QFETCH(QString, name);
        std::unique_ptr<MediaPlayer> player(CreateMediaPlayer());
        player->Open(file(name));
        for (int round = 0; round < 30; ++round) {
            QTest::qWait(100);
            QVERIFY(player->ReadyState() < 4);
        }
        QCOMPARE(player->PlayState(), 0);
        // A good file still loads after a bad one.
        player->Open(two_);
        QTRY_COMPARE_WITH_TIMEOUT(player->ReadyState(), 4, 5000);
    }

    void volumeInHundredthsOfADecibel()
    {
        std::unique_ptr<MediaPlayer> player(CreateMediaPlayer());
        for (int32_t accepted : {0, -1, -1000, -10000})
            player->SetVolume(accepted);
        for (int32_t refused : {-6250000, -10001, 1})
            QVERIFY_THROWS_EXCEPTION(Platform::Failure, player->SetVolume(refused));
    }

    void theWindowPlaysOnToTheNextSong()
    {
        TestSupport::AppDir appDir;
        Songs.clear();
        SortBy = QStringLiteral("TAS");
        Main main;
        TestSupport::SetCatalogue(main, {{"Tone", "two", two_}, {"Tone", "three", three_}});
        main.chk_shuffle->setChecked(false);
        QElapsedTimer clock;
        clock.start();
        main.cmd_play_Click();
        QVERIFY(clock.elapsed() < 3900);
        QCOMPARE(CurrentSong.Index, 0);
        QTRY_COMPARE_WITH_TIMEOUT(main.label_totaltime->text(), QStringLiteral("0:02"), 2000);
        QTRY_COMPARE_WITH_TIMEOUT(main.label_currenttime->text(), QStringLiteral("0:01"), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(CurrentSong.Index, 1, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(main.label_totaltime->text(), QStringLiteral("0:03"), 3000);
    }
};

QTEST_MAIN(MediaPlayerTest)
#include "media_player_test.moc"
