// SPDX-License-Identifier: GPL-3.0-or-later
// Songs switched in quick bursts over the real engine: the window keeps answering, and the song the last command named plays.
#include "platform/media_player.h"
#include "support/tone_mp3.h"
#include "support/ui/main_fixture.h"
#include "support/ui/window_watchdog.h"
#include "ui/desktop/mpris_player.h"

#include <QtTest>
#include <random>

namespace {
constexpr int Switches = 3000;
constexpr int LongestBurst = 6;
// The next switch comes while the file loads (it takes 10 ms or more), or this
// long after it started: mostly soon, now and then as late as the latest.
constexpr int LoadingMs = 8;
constexpr int SoonMs = 40;
constexpr int LatestMs = 400;
// Long enough that no song ends during a burst; each a length of its own.
constexpr double FirstSeconds = 40;

// The real engine, with every file it was asked to open.
class RecordingPlayer : public MediaPlayer {
public:
    RecordingPlayer() : real_(CreateMediaPlayer())
    {
        real_->setParent(this);
        connect(real_, &MediaPlayer::Ready, this, &MediaPlayer::Ready);
        connect(real_, &MediaPlayer::EndOfStream, this, &MediaPlayer::EndOfStream);
        connect(real_, &MediaPlayer::PlayStateChange, this, &MediaPlayer::PlayStateChange);
        connect(real_, &MediaPlayer::DurationChange, this, &MediaPlayer::DurationChange);
        connect(real_, &MediaPlayer::Seeked, this, &MediaPlayer::Seeked);
    }
    void Open(const QString &path) override
    {
        opened << path;
        real_->Open(path);
    }
    int32_t ReadyState() const override { return real_->ReadyState(); }
    void Play() override { real_->Play(); }
    void Pause() override { real_->Pause(); }
    void Stop() override { real_->Stop(); }
    int32_t PlayState() const override { return real_->PlayState(); }
    double CurrentPosition() const override { return real_->CurrentPosition(); }
    void SetCurrentPosition(double seconds) override { real_->SetCurrentPosition(seconds); }
    double Duration() const override { return real_->Duration(); }
    OpenedFile Opened() const override { return real_->Opened(); }
    void SetVolume(int32_t volume) override { real_->SetVolume(volume); }

    QStringList opened;

private:
    MediaPlayer *real_;
};

enum class Command { Key, Next, Previous, OpenUri };
const char *const CommandNames[] = {"\"=\" key", "Next", "Previous", "OpenUri"};
} // namespace

class SwitchStormTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowAnswersAndTheLastNamedSongPlays()
    {
        TestSupport::AppDir dir;
        QTemporaryDir songs;
        QHash<QString, double> lengths;
        for (int n = 0; n < 6; ++n) {
            const QString path = songs.filePath(QStringLiteral("%1.mp3").arg(n));
            QVERIFY(TestSupport::MakeToneMp3(path, lengths[path] = FirstSeconds + n));
        }
        // Each file the desktop opens is a new song: a link of its own to 4.mp3 or 5.mp3.
        const auto outside = [&](int n) {
            const QString from = songs.filePath(QStringLiteral("%1.mp3").arg(4 + n % 2));
            const QString link = songs.filePath(QStringLiteral("opened%1.mp3").arg(n));
            lengths[link] = lengths[from];
            QFile::link(from, link);
            return QUrl::fromLocalFile(link).toString();
        };
        auto *player = new RecordingPlayer;
        TestSupport::RecordedMessages messages;
        Main main(player, LoadWait::LimitMs, &messages);
        Model &model = main.model();
        TestSupport::SetCatalogue(model, {{"A", "0", songs.filePath("0.mp3")}, {"A", "1", songs.filePath("1.mp3")},
                                          {"B", "2", songs.filePath("2.mp3")}, {"C", "3", songs.filePath("3.mp3")}});
        model.options.SetShuffle(false);
        main.show();
        auto *key = main.findChild<QPushButton *>("cmd_play");
        auto *mpris = new Desktop::MprisPlayer(&main, {main, model, main.transport(), main.player(), main.door()});

        std::atomic<int> fired = 0;
        std::atomic<Command> last = Command::Key;
        TestSupport::WindowWatchdog watchdog([&] {
            return QStringLiteral("%1 switches fired, the last a %2").arg(fired.load()).arg(CommandNames[int(last.load())]);
        });
        std::mt19937 random(QRandomGenerator::global()->generate());
        const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        const auto settled = [&] {
            return main.door().Held() == 0 && !model.screen.Busy() && player->ReadyState() == MediaPlayer::Loaded
                   && player->PlayState() == MediaPlayer::Playing;
        };

        int left = 0;
        qsizetype opensBeforeLast = 0;
        // Fires one switch, having planned the next: mostly while the file it opens
        // still loads or soon after it has started, now and then up to 400 ms later.
        std::function<void()> fire;
        const auto afterStart = [&] {
            const int delay = below(10) < 9 ? below(SoonMs) : SoonMs + below(LatestMs - SoonMs);
            auto *started = new QTimer(&main);
            connect(started, &QTimer::timeout, &main, [&, started, delay] {
                if (settled()) {
                    started->deleteLater();
                    QTimer::singleShot(delay, &main, fire);
                }
            });
            QTimer::singleShot(0, started, [started] { started->start(1); });
        };
        fire = [&] {
            // A command from the desktop still held, or a file the desktop opened still
            // being added, would open its song after the last command.
            if (left == 1 && (main.door().Held() > 0 || model.screen.Reporting())) {
                QTimer::singleShot(1, &main, fire);
                return;
            }
            if (--left == 0)
                opensBeforeLast = player->opened.size();
            else if (below(2) == 0)
                QTimer::singleShot(below(LoadingMs), &main, fire);
            else
                afterStart();
            const int kind = below(20);
            last = kind < 7 ? Command::Key : kind < 13 ? Command::Next : kind < 18 ? Command::Previous : Command::OpenUri;
            ++fired;
            switch (last) {
            case Command::Key:
                // The user's key goes to the window, made active again after a progress window, as the desktop does.
                QApplication::setActiveWindow(&main);
                key->setFocus();
                QTest::keyClick(key, Qt::Key_Equal);
                break;
            case Command::Next:
                mpris->Next();
                break;
            case Command::Previous:
                mpris->Previous();
                break;
            case Command::OpenUri:
                mpris->OpenUri(outside(fired));
                break;
            }
        };

        while (fired < Switches) {
            left = 1 + below(LongestBurst);
            // The first song starts at once.
            if (fired == 0)
                QTimer::singleShot(0, &main, fire);
            else
                afterStart();
            QVERIFY(QTest::qWaitFor([&] { return left == 0 && settled(); }, 30000));
            // The last command opened its own song (Previous: none when it is the current one), and that plays.
            const QString playing = player->FileName();
            const qsizetype opens = player->opened.size() - opensBeforeLast;
            QVERIFY2(opens == 1 || (opens == 0 && last == Command::Previous),
                     qPrintable(QStringLiteral("%1 opened after a %2").arg(opens).arg(CommandNames[int(last.load())])));
            QCOMPARE(playing, player->opened.last());
            QCOMPARE(model.pointers.CurrentSong().LongName, playing);
            QVERIFY2(qAbs(player->Duration() - lengths.value(playing)) < 0.5, qPrintable(QString::number(player->Duration())));
        }
        const double position = player->CurrentPosition();
        QTRY_VERIFY_WITH_TIMEOUT(player->CurrentPosition() > position, 10000);
        QVERIFY(watchdog.Probes() > 0);
        QCOMPARE(messages.texts, QStringList());
    }
};

QTEST_MAIN(SwitchStormTest)
#include "switch_storm_test.moc"
