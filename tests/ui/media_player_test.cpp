// SPDX-License-Identifier: GPL-3.0-or-later
// The real media component on MP3s encoded at test time.
#include "support/tone_mp3.h"
#include "support/song_files.h"
#include "platform/media_player.h"
#include "platform/failure.h"

#include <QtTest>

namespace {
// Positions on a small shared machine wander by a few hundred milliseconds.
constexpr double Jitter = 0.4;
// GStreamer may still start a thread or open a pipe lazily after the warm-up.
constexpr int DescriptorSlack = 6;
// Enough skips to show a descriptor lost per skip; not many more, as each new source
// risks a deadlock in Qt 6.4's player (its seek in setSource against a new decoder pad).
constexpr int Skips = 40;

int openDescriptors() { return int(QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size()); }
} // namespace

class MediaPlayerTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString three_ = dir_.filePath("three.mp3"), two_ = dir_.filePath("two.mp3");
    QStringList bad_;
    std::unique_ptr<MediaPlayer> player_;

    bool loads(const QString &path)
    {
        player_->Open(path);
        return QTest::qWaitFor([&] { return player_->ReadyState() == MediaPlayer::Loaded; }, 10000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestSupport::MakeToneMp3(three_, 3.0, "Tone Artist", "Three Seconds"));
        QVERIFY(TestSupport::MakeToneMp3(two_, 2.0));
        QFile first(two_);
        QVERIFY(first.open(QIODevice::ReadOnly));
        const QByteArray mp3 = first.readAll();
        const std::pair<const char *, QByteArray> damaged[] = {{"empty.mp3", QByteArray()}, {"letters.mp3", QByteArray(4000, 'Z')},
                                                               {"cut.mp3", mp3.left(mp3.size() / 3)}, {"tag-only.mp3", mp3.right(128)}};
        for (const auto &[name, bytes] : damaged)
            TestSupport::WriteFile(bad_.emplace_back(dir_.filePath(name)), bytes);
        TestSupport::MakePipe(bad_.emplace_back(dir_.filePath("pipe.mp3")));
        bad_ << dir_.filePath("missing.mp3") << dir_.path();
    }

    void init() { player_.reset(CreateMediaPlayer()); }

    void loadsPlaysPausesSeeksAndStops()
    {
        player_->Open(three_);
        player_->SetCurrentPosition(1.5); // asked before loading, applied once loaded
        QTRY_COMPARE_WITH_TIMEOUT(player_->ReadyState(), MediaPlayer::Loaded, 10000);
        QVERIFY2(qAbs(player_->Duration() - 3.0) < 0.2, qPrintable(QString::number(player_->Duration())));
        QCOMPARE(player_->PlayState(), MediaPlayer::Playing);
        QTRY_VERIFY_WITH_TIMEOUT(player_->CurrentPosition() > 1.5 - Jitter, 10000);
        const double early = player_->CurrentPosition();
        QTRY_VERIFY_WITH_TIMEOUT(player_->CurrentPosition() > early + 0.2, 10000);
        player_->Pause();
        QCOMPARE(player_->PlayState(), MediaPlayer::Paused);
        player_->SetCurrentPosition(0.5);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(player_->CurrentPosition() - 0.5) < Jitter, 10000);
        player_->Stop();
        QCOMPARE(player_->PlayState(), MediaPlayer::Stopped);
        QTRY_COMPARE_WITH_TIMEOUT(player_->CurrentPosition(), 0.0, 10000);
    }

    void filesItCannotPlayNeverLoadAndVolumesOutOfRangeAreRefused()
    {
        for (const QString &file : bad_.mid(0, 2) + bad_.mid(4)) {
            player_->Open(file);
            // A failed load ends where it started, and for good.
            QTRY_COMPARE_WITH_TIMEOUT(player_->ReadyState(), MediaPlayer::Uninitialized, 10000);
            QCOMPARE(player_->PlayState(), MediaPlayer::Stopped);
        }
        QVERIFY(loads(two_));
        for (int32_t accepted : {0, -1000, -10000})
            player_->SetVolume(accepted);
        for (int32_t refused : {-6250000, -10001, 1})
            QVERIFY_THROWS_EXCEPTION(Platform::Failure, player_->SetVolume(refused));
    }

    void rapidSkipsNeitherCrashNorLeakDescriptors()
    {
        // Warm-up: the first files played make GStreamer's threads, pipes and plugins.
        QVERIFY(loads(three_));
        // Far enough from the end that a busy machine still sees the position pass it.
        player_->SetCurrentPosition(1.0);
        QTRY_VERIFY_WITH_TIMEOUT(player_->CurrentPosition() > 1.0, 10000);
        // The file already open, opened again, loads again from the start.
        QVERIFY(loads(three_));
        QVERIFY2(player_->CurrentPosition() < 2.0, qPrintable(QString::number(player_->CurrentPosition())));
        QTRY_COMPARE_WITH_TIMEOUT(player_->PlayState(), MediaPlayer::Playing, 10000);
        const int before = openDescriptors();
        for (int skip = 0; skip < Skips; ++skip) {
            const QStringList &files = skip % 2 ? bad_ : QStringList{two_, three_};
            player_->Open(files.at(skip % files.size()));
            // Two files in three give way only after what the player reported so far was handled.
            if (skip % 3)
                QCoreApplication::processEvents();
            // Right after a bad file, a good one loads.
            if (skip % 20 == 19)
                QVERIFY2(loads(three_), qPrintable(files.at(skip % files.size())));
        }
        // The last file's end is reported once, none before it.
        QVERIFY(loads(two_));
        QSignalSpy ends(player_.get(), &MediaPlayer::EndOfStream);
        player_->SetCurrentPosition(1.5);
        QVERIFY(ends.wait(10000));
        QTRY_COMPARE_WITH_TIMEOUT(player_->PlayState(), MediaPlayer::Stopped, 10000);
        QCOMPARE(ends.count(), 1);
        QVERIFY2(openDescriptors() <= before + DescriptorSlack, qPrintable(QString::number(openDescriptors() - before)));
    }
};

QTEST_MAIN(MediaPlayerTest)
#include "media_player_test.moc"
