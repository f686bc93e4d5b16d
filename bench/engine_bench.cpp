// SPDX-License-Identifier: GPL-3.0-or-later
// The media engine: its CPU time on a 60 s song against gst-launch-1.0 playing the same file
// at the same time, then the longest call the window's thread makes into it, and the
// window's freezes, while songs are switched in quick bursts.
#include "bench_util.h"
#include "window_watchdog.h"
#include "platform/media_player.h"
#include "ui/desktop/mpris_player.h"
#include "ui/main/startup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScopeGuard>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <sys/resource.h>

namespace {
constexpr int SongSeconds = 60;
constexpr int CpuRuns = 5;
constexpr int StormSongs = 6;
constexpr int Switches = 1000;
constexpr int LoadingMs = 8;
constexpr int SoonMs = 40;
constexpr int LatestMs = 400;

// `seconds` of a stereo chord at 44.1 kHz, 128 kbit/s, as the encoder writes a common song.
bool MakeSong(const QString &path, int seconds)
{
    QByteArray samples;
    QDataStream out(&samples, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < seconds * 44100; ++i) {
        const double t = 2 * std::numbers::pi * i / 44100;
        out << qint16(6000 * std::sin(440 * t)) << qint16(6000 * std::sin(660 * t));
    }
    QProcess lame;
    lame.start(QStringLiteral("lame"), {"--quiet", "-r", "-s", "44.1", "--bitwidth", "16", "--signed", "--little-endian",
                                        "-b", "128", "-", path});
    lame.write(samples);
    lame.closeWriteChannel();
    return lame.waitForFinished(60000) && lame.exitCode() == 0;
}

double CpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs `then` once `condition` holds, looked at every millisecond from the event loop.
void WhenTrue(const std::function<bool()> &condition, const std::function<void()> &then)
{
    auto *check = new QTimer;
    QObject::connect(check, &QTimer::timeout, [check, condition, then] {
        if (condition()) {
            check->deleteLater();
            then();
        }
    });
    QTimer::singleShot(0, check, [check] { check->start(1); });
}

// Nanoseconds the calling thread has spent waiting for a processor, as the kernel counts them.
qint64 WaitedForProcessor()
{
    QFile stat(QStringLiteral("/proc/thread-self/schedstat"));
    return stat.open(QIODevice::ReadOnly) ? stat.readAll().split(' ').value(1).toLongLong() : 0;
}

// The real engine, with the longest time a call into it took: the time the window's
// thread ran in it or waited in it, less the time the machine's other work held the
// processors from it.
class TimedPlayer : public MediaPlayer {
    // Defined before the calls that return what it returns.
    template <class Call>
    auto Time(Call call) const
    {
        const qint64 waitedBefore = WaitedForProcessor();
        QElapsedTimer clock;
        clock.start();
        const auto kept = qScopeGuard([&] {
            const qint64 inCall = clock.nsecsElapsed() - (WaitedForProcessor() - waitedBefore);
            longest_ = std::max(longest_, inCall);
        });
        return call();
    }

public:
    TimedPlayer() : real_(CreateMediaPlayer())
    {
        real_->setParent(this);
        connect(real_, &MediaPlayer::Ready, this, &MediaPlayer::Ready);
        connect(real_, &MediaPlayer::EndOfStream, this, &MediaPlayer::EndOfStream);
        connect(real_, &MediaPlayer::PlayStateChange, this, &MediaPlayer::PlayStateChange);
        connect(real_, &MediaPlayer::DurationChange, this, &MediaPlayer::DurationChange);
        connect(real_, &MediaPlayer::Seeked, this, &MediaPlayer::Seeked);
    }
    void Open(const QString &path) override { Time([&] { real_->Open(path); }); }
    int32_t ReadyState() const override { return Time([&] { return real_->ReadyState(); }); }
    void Play() override { Time([&] { real_->Play(); }); }
    void Pause() override { Time([&] { real_->Pause(); }); }
    void Stop() override { Time([&] { real_->Stop(); }); }
    int32_t PlayState() const override { return Time([&] { return real_->PlayState(); }); }
    double CurrentPosition() const override { return Time([&] { return real_->CurrentPosition(); }); }
    void SetCurrentPosition(double seconds) override { Time([&] { real_->SetCurrentPosition(seconds); }); }
    double Duration() const override { return Time([&] { return real_->Duration(); }); }
    OpenedFile Opened() const override { return Time([&] { return real_->Opened(); }); }
    void SetVolume(int32_t volume) override { Time([&] { real_->SetVolume(volume); }); }
    double LongestMs() const { return longest_ / 1e6; }

private:
    MediaPlayer *real_;
    mutable qint64 longest_ = 0;
};

struct NoMessages : Screen::Messages {
    void Show(const QString &) override {}
};

// The engine's CPU time playing `song` to its end, against gst-launch-1.0 playing it
// alongside: the median of a few runs, as other work on the machine makes one run's
// times wander.
double PlayCpuRatio(const QString &song)
{
    std::vector<double> ratios;
    for (int run = 0; run < CpuRuns; ++run) {
        const double childrenBefore = CpuSeconds(RUSAGE_CHILDREN);
        QProcess launch;
        launch.start(QStringLiteral("gst-launch-1.0"), {"-q", "playbin", "uri=" + QUrl::fromLocalFile(song).toString()});
        const double before = CpuSeconds(RUSAGE_SELF);
        bool ended = false;
        {
            std::unique_ptr<MediaPlayer> player(CreateMediaPlayer());
            QEventLoop loop;
            QObject::connect(player.get(), &MediaPlayer::EndOfStream, &loop, [&] {
                ended = true;
                loop.quit();
            });
            QTimer::singleShot(4 * SongSeconds * 1000, &loop, &QEventLoop::quit);
            player->Open(song);
            loop.exec();
        }
        const double own = CpuSeconds(RUSAGE_SELF) - before;
        // It may have ended already, while this process played.
        if (!ended || (launch.state() != QProcess::NotRunning && !launch.waitForFinished(4 * SongSeconds * 1000))
            || launch.exitCode() != 0)
            return std::nan("");
        ratios.push_back(own / (CpuSeconds(RUSAGE_CHILDREN) - childrenBefore));
    }
    return Bench::Median(ratios);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Each song the storm opens is refused the volume the opened-file rule asks for.
    QLoggingCategory::setFilterRules(QStringLiteral("korvel.playcontrol.warning=false"));
    QTemporaryDir dir;
    QStringList songs;
    for (int n = 0; n < StormSongs; ++n) {
        songs << dir.filePath(QStringLiteral("%1.mp3").arg(n));
        if (!MakeSong(songs.last(), n == 0 ? SongSeconds : 30 + n))
            return 1;
    }
    Bench::Print("play_cpu_ratio", PlayCpuRatio(songs.first()), "x", 2);

    // The storm: the window's "=" key and the desktop's Next, Previous and OpenUri,
    // half of them while the file before loads, the others after it started, mostly
    // soon, now and then up to 400 ms later.
    auto *player = new TimedPlayer;
    NoMessages messages;
    Startup::Program program({}, {player, LoadWait::LimitMs, &messages});
    Jukebox &jukebox = program.jukebox();
    Main &window = program.window();
    window.show();
    auto *desktop = new Desktop::MprisPlayer(new QObject(&window), jukebox.model(), jukebox.playControl(), *player, jukebox.door());
    auto *key = window.findChild<QPushButton *>(QStringLiteral("cmd_play"));
    const auto playing = [&] {
        return jukebox.door().Held() == 0 && !jukebox.model().work.Busy() && player->ReadyState() == MediaPlayer::Loaded;
    };
    std::mt19937 random(1);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    QEventLoop storm;
    int fired = 0;
    std::function<void()> fire = [&] {
        if (++fired == Switches) {
            WhenTrue(playing, [&] { storm.quit(); });
            return;
        }
        if (below(2) == 0)
            QTimer::singleShot(below(LoadingMs), fire);
        else
            WhenTrue(playing, [&] { QTimer::singleShot(below(10) < 9 ? below(SoonMs) : below(LatestMs), fire); });
        switch (below(4)) {
        case 0: {
            QApplication::setActiveWindow(&window);
            key->setFocus();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Equal, Qt::NoModifier, QStringLiteral("="));
            QApplication::sendEvent(key, &press);
            break;
        }
        case 1:
            desktop->Next();
            break;
        case 2:
            desktop->Previous();
            break;
        default:
            desktop->OpenUri(QUrl::fromLocalFile(songs.at(below(StormSongs))).toString());
            break;
        }
    };
    WindowWatchdog watchdog;
    jukebox.OpenFiles({songs.first()});
    WhenTrue(playing, fire);
    storm.exec();
    Bench::Print("engine_call_block_ms_max", player->LongestMs(), "ms", 2);
    Bench::Print("switch_storm_freezes", watchdog.Freezes(), "freezes", 0);
    return 0;
}
