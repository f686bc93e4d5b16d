// SPDX-License-Identifier: GPL-3.0-or-later
// The real engine on MP3s encoded at test time: seeks before loading, Stop, refused volumes, failed loads and quick skips.
#include "platform/failure.h"
#include "platform/media_player.h"
#include "support/song_files.h"
#include "support/tone_mp3.h"

#include <QtTest>

namespace {
constexpr int Patience = 30000;
// A seek made while playing lands a little later than asked.
constexpr double Jitter = 0.4;
// GStreamer may still start a thread or open a pipe lazily after the warm-up.
constexpr int DescriptorSlack = 6;
constexpr int Skips = 100;

int openDescriptors() { return int(QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size()); }
} // namespace

class MediaPlayerTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString three_ = dir_.filePath("three.mp3"), two_ = dir_.filePath("two.mp3");
    std::unique_ptr<MediaPlayer> player_{CreateMediaPlayer()};

    // Opens `path` and waits for the notice that it, and no file before it, is loaded.
    bool loads(const QString &path)
    {
        QSignalSpy ready(player_.get(), &MediaPlayer::Ready);
        player_->Open(path);
        return ready.wait(Patience) && ready.size() == 1 && ready.at(0).at(0).value<OpenedFile>() == player_->Opened();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestSupport::MakeToneMp3(three_, 3.0, "Tone Artist", "Three Seconds"));
        QVERIFY(TestSupport::MakeToneMp3(two_, 2.0));
    }

    void seeksBeforeLoadingStopsAtTheStartAndRefusesVolumesOutOfRange()
    {
        QSignalSpy seeks(player_.get(), &MediaPlayer::Seeked);
        player_->Open(three_);
        QCOMPARE(player_->ReadyState(), MediaPlayer::Loading);
        player_->SetCurrentPosition(1.5);
        QVERIFY(seeks.wait(Patience) && qAbs(seeks.at(0).at(1).toDouble() - 1.5) < Jitter);
        QCOMPARE(player_->ReadyState(), MediaPlayer::Loaded);
        // The file already open, opened again, loads again from the start; paused as soon
        // as it is loaded, on its way to playing, it still seeks.
        QVERIFY(loads(three_));
        QVERIFY2(player_->CurrentPosition() < 1.0, qPrintable(QString::number(player_->CurrentPosition())));
        player_->Pause();
        player_->SetCurrentPosition(0.5);
        QVERIFY(seeks.wait(Patience) && seeks.at(1).at(1).toDouble() == 0.5);
        player_->Stop();
        QCOMPARE(player_->PlayState(), MediaPlayer::Stopped);
        QCOMPARE(player_->CurrentPosition(), 0.0);
        for (int32_t accepted : {0, -1000, -10000})
            player_->SetVolume(accepted);
        for (int32_t refused : {-6250000, -10001, 1})
            QVERIFY_THROWS_EXCEPTION(Platform::Failure, player_->SetVolume(refused));
    }

    void failedLoadsAndQuickSkipsEndOnceAndLoseNoDescriptor()
    {
        QStringList bad{dir_.filePath("empty.mp3"), dir_.filePath("pipe.mp3"), dir_.filePath("missing.mp3"), dir_.path()};
        TestSupport::WriteFile(bad.first(), {});
        TestSupport::MakePipe(bad.at(1));
        // A file it cannot play is a failed load, where it started and for good.
        for (const QString &file : bad) {
            player_->Open(file);
            QTRY_COMPARE_WITH_TIMEOUT(player_->ReadyState(), MediaPlayer::Uninitialized, Patience);
            QCOMPARE(player_->PlayState(), MediaPlayer::Stopped);
        }
        QVERIFY(loads(two_));
        const int before = openDescriptors();
        for (int skip = 0; skip < Skips; ++skip) {
            player_->Open(skip % 2 ? bad.at(skip % bad.size()) : skip % 4 ? two_ : three_);
            // Some files give way only after what the engine said of them was heard.
            if (skip % 3)
                QCoreApplication::processEvents();
        }
        // The last file, cut to a third, plays what it has and ends once; none before it ends.
        QFile whole(two_);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        TestSupport::WriteFile(dir_.filePath("cut.mp3"), whole.read(whole.size() / 3));
        QSignalSpy ends(player_.get(), &MediaPlayer::EndOfStream);
        QVERIFY(loads(dir_.filePath("cut.mp3")));
        QTRY_COMPARE_WITH_TIMEOUT(player_->PlayState(), MediaPlayer::Stopped, Patience);
        QCOMPARE(ends.size(), 1);
        QCOMPARE(ends.at(0).at(0).value<OpenedFile>(), player_->Opened());
        QVERIFY2(openDescriptors() <= before + DescriptorSlack, qPrintable(QString::number(openDescriptors() - before)));
    }
};

QTEST_MAIN(MediaPlayerTest)
#include "media_player_test.moc"
