// SPDX-License-Identifier: GPL-3.0-or-later
// The window over the real engine, its controls on a private session bus: each seek is heard once as Seeked, files that
// cannot play never hold the window, and through quick bursts of switches it answers and plays the song last named.
#include "support/tone_mp3.h"
#include "support/ui/desktop_bus.h"
#include "support/ui/main_fixture.h"
#include "ui/desktop/mpris_player.h"
#include "window_watchdog.h"

#include <QtDBus>
#include <QtTest>
#include <random>

namespace {
constexpr int Patience = 30000;
constexpr qlonglong Second = 1'000'000;
// Where a paused seek lands exactly; a playing one a little later.
constexpr qlonglong PausedSlack = Second / 10, PlayingSlack = Second / 2;

constexpr int Switches = 3000;
constexpr int LongestBurst = 6;
// A switch comes while the file before it loads (it takes 10 ms or more), or this
// long after it started: mostly soon, now and then as late as the latest.
constexpr int LoadingMs = 8, SoonMs = 40, LatestMs = 400;
enum class Command { Key, Next, Previous, OpenUri };
const char *const CommandNames[] = {"\"=\" key", "Next", "Previous", "OpenUri"};

// A window that froze for good never recovers: the test ends at once, saying what it did.
[[noreturn]] void frozen(const QString &story) { qFatal("the window's thread did not answer for 2 s: %s", qPrintable(story)); }
} // namespace

class DesktopEngineTest : public QObject {
    Q_OBJECT
public slots:
    void Seeked(qlonglong position) { heard << position; }

private slots:
    void initTestCase() { QVERIFY(desktop.listen("Seeked", this, SLOT(Seeked(qlonglong)))); }
    void init()
    {
        program = std::make_unique<Startup::Program>(QStringList{}, Jukebox::Parts{nullptr, LoadWait::LimitMs, &messages});
        jukebox = &program->jukebox();
        main = &program->window();
        jukebox->model().options.SetShuffle(false);
        main->show();
    }
    void cleanup() { program.reset(); }

    void everySeekIsHeardOnceWithThePositionReached()
    {
        QVERIFY(TestSupport::MakeToneMp3(path("minute.mp3"), 60));
        TestSupport::SetCatalogue(jukebox->model(), {{"A", "minute", path("minute.mp3")}});
        click("cmd_play");
        click("cmd_pause");
        auto *slider = main->findChild<QSlider *>("Slider1");
        QCOMPARE(slider->maximum(), 60);
        // A drag to an odd second, then the slider's keys: page down and up (30 s) seek,
        // a step to an even second does not, and the timer puts the handle back.
        slider->setSliderDown(true);
        slider->setSliderPosition(37);
        slider->setSliderDown(false);
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 1, Patience);
        QTest::keyClick(slider, Qt::Key_PageDown);
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 2, Patience);
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(slider->value(), 12);
        QTRY_COMPARE(slider->value(), 7);
        QTest::keyClick(slider, Qt::Key_PageUp);
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 3, Patience);
        // Playing, the desktop's own seeks: to a place, then ahead from there.
        click("cmd_play");
        call("SetPosition", {QVariant::fromValue(QDBusObjectPath("/org/korvel/song/0")), 20 * Second});
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 4, Patience);
        call("Seek", {5 * Second});
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 5, Patience);
        const qlonglong reached[][2] = {{37, PausedSlack}, {7, PausedSlack}, {37, PausedSlack}, {20, PlayingSlack}, {25, 2 * PlayingSlack}};
        for (int n = 0; n < 5; ++n)
            QVERIFY2(qAbs(heard.at(n) - reached[n][0] * Second) <= reached[n][1], qPrintable(QString::number(heard.at(n))));
        // Once playback has gone on a while, no second Seeked for any of them has come.
        const double after = jukebox->player().CurrentPosition();
        QTRY_VERIFY_WITH_TIMEOUT(jukebox->player().CurrentPosition() > after + 0.5, Patience);
        QCOMPARE(heard.size(), 5);
    }

    void filesThatCannotPlayNeverHoldTheWindow()
    {
        QVERIFY(QDir().mkpath(path("locked")));
        for (const char *name : {"deleted", "locked/inside"})
            QVERIFY(TestSupport::MakeToneMp3(path(name + QStringLiteral(".mp3")), 3));
        for (const char *name : {"cut", "locked/later", "last"})
            QVERIFY(TestSupport::MakeToneMp3(path(name + QStringLiteral(".mp3")), 30));
        TestSupport::MakePipe(path("pipe.mp3"));
        QVERIFY(QFile::link("/dev/zero", path("device.mp3")));
        TestSupport::WriteFile(path("text.mp3"), QByteArray(4000, 'Z'));
        Model &model = jukebox->model();
        TestSupport::SetCatalogue(model, {{"A", "1", path("deleted.mp3")}, {"A", "2", path("cut.mp3")}, {"A", "3", path("pipe.mp3")},
                                          {"A", "4", path("device.mp3")}, {"A", "5", path("text.mp3")}, {"A", "6", path("missing.mp3")},
                                          {"A", "7", path("locked/inside.mp3")}, {"A", "8", path("last.mp3")}});
        WindowWatchdog watchdog([] { frozen("the window played files that cannot all be played"); });
        const auto plays = [&](const QString &name) { return playing() && current() == name; };
        const auto failed = [&](const QString &name) {
            return idle() && current() == name && jukebox->player().ReadyState() == MediaPlayer::Uninitialized;
        };
        // Deleted while it plays, a song plays to its end; cut short, it ends there.
        click("cmd_play");
        QVERIFY(QFile::remove(path("deleted.mp3")));
        QTRY_VERIFY_WITH_TIMEOUT(plays("cut"), Patience);
        QFile cut(path("cut.mp3"));
        QVERIFY(cut.resize(cut.size() / 10));
        // What cannot be played is a failed load: the player idles until the next command, from the window or the desktop.
        QTRY_VERIFY_WITH_TIMEOUT(failed("pipe"), Patience);
        for (const char *name : {"device", "text", "missing"}) {
            call("Next");
            QTRY_VERIFY_WITH_TIMEOUT(failed(name), Patience);
        }
        click("cmd_next");
        QTRY_VERIFY_WITH_TIMEOUT(plays("inside"), Patience);
        // A folder made unreadable: its song plays on, and one opened from it afterwards
        // plays when it can still be read (by the superuser) and is skipped otherwise.
        QVERIFY(QFile::setPermissions(path("locked"), {}));
        QTRY_VERIFY_WITH_TIMEOUT(plays("last"), Patience);
        call("OpenUri", {QUrl::fromLocalFile(path("locked/later.mp3")).toString()});
        call("OpenUri", {QUrl::fromLocalFile(path("pipe.mp3")).toString()});
        QTRY_VERIFY_WITH_TIMEOUT(plays("later") || (idle() && current() == "last"), Patience);
        QVERIFY(QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(int(model.catalogue.SongCount()), current() == "later" ? 9 : 8);
        QCOMPARE(messages.texts, QStringList());
    }

    void quickSwitchesNeitherFreezeTheWindowNorLoseTheSongLastNamed()
    {
        // Long enough that no song ends during a burst: song n lasts 40 + n seconds.
        for (int n = 0; n < 6; ++n)
            QVERIFY(TestSupport::MakeToneMp3(path(QStringLiteral("%1.mp3").arg(n)), 40 + n));
        const auto length = [](const QString &file) { return 40 + QFileInfo(QFileInfo(file).canonicalFilePath()).baseName().toInt(); };
        // Each file the desktop opens is a new song: a link of its own to 4.mp3 or 5.mp3.
        const auto outside = [&](int n) {
            QFile::link(path(QStringLiteral("%1.mp3").arg(4 + n % 2)), path(QStringLiteral("opened%1.mp3").arg(n)));
            return QUrl::fromLocalFile(path(QStringLiteral("opened%1.mp3").arg(n))).toString();
        };
        Model &model = jukebox->model();
        TestSupport::SetCatalogue(model, {{"A", "0", path("0.mp3")}, {"A", "1", path("1.mp3")}, {"B", "2", path("2.mp3")},
                                          {"C", "3", path("3.mp3")}});
        MediaPlayer &player = jukebox->player();
        auto *key = main->findChild<QPushButton *>("cmd_play");
        auto *mpris = jukebox->findChild<Desktop::MprisPlayer *>();
        std::atomic<int> fired = 0;
        std::atomic<Command> last = Command::Key;
        WindowWatchdog watchdog([&] {
            frozen(QStringLiteral("%1 switches fired, the last a %2").arg(fired.load()).arg(CommandNames[int(last.load())]));
        });
        std::mt19937 random(QRandomGenerator::global()->generate());
        const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

        int left = 0;
        // The engine numbers the files it opens.
        uint64_t opensBeforeLast = 0;
        QString uri;
        std::function<void()> fire;
        const auto afterStart = [&] {
            const int delay = below(10) < 9 ? below(SoonMs) : SoonMs + below(LatestMs - SoonMs);
            auto *started = new QTimer(main);
            connect(started, &QTimer::timeout, main, [&, started, delay] {
                if (playing()) {
                    started->deleteLater();
                    QTimer::singleShot(delay, main, fire);
                }
            });
            QTimer::singleShot(0, started, [started] { started->start(1); });
        };
        // Fires one switch, having planned the next.
        fire = [&] {
            // A command from the desktop still held, or a file the desktop opened still
            // being added, would open its song after the last command.
            if (left == 1 && (jukebox->door().Held() > 0 || model.work.Operating())) {
                QTimer::singleShot(1, main, fire);
                return;
            }
            if (--left == 0)
                opensBeforeLast = player.Opened().opening;
            else if (below(2) == 0)
                QTimer::singleShot(below(LoadingMs), main, fire);
            else
                afterStart();
            const int kind = below(20);
            last = kind < 7 ? Command::Key : kind < 13 ? Command::Next : kind < 18 ? Command::Previous : Command::OpenUri;
            ++fired;
            if (last == Command::Key) {
                // The user's key goes to the window, made active again after a progress window, as the desktop does.
                QApplication::setActiveWindow(main);
                key->setFocus();
                QTest::keyClick(key, Qt::Key_Equal);
            } else if (last == Command::Next) {
                mpris->Next();
            } else if (last == Command::Previous) {
                mpris->Previous();
            } else {
                mpris->OpenUri(uri = outside(fired));
            }
        };
        click("cmd_play");
        while (fired < Switches) {
            left = 1 + below(LongestBurst);
            afterStart();
            QVERIFY2(QTest::qWaitFor([&] { return left == 0 && playing(); }, Patience),
                     qPrintable(QStringLiteral("after %1 switches, the last a %2: ready state %3, play state %4")
                                    .arg(fired.load()).arg(CommandNames[int(last.load())])
                                    .arg(player.ReadyState()).arg(player.PlayState())));
            // The last command opened its own song (Previous: none when it is the current one), and that plays.
            const uint64_t opens = player.Opened().opening - opensBeforeLast;
            QVERIFY2(opens == 1 || (opens == 0 && last == Command::Previous),
                     qPrintable(QStringLiteral("%1 opened after a %2").arg(opens).arg(CommandNames[int(last.load())])));
            QCOMPARE(model.pointers.CurrentSong().LongName, player.FileName());
            if (last == Command::OpenUri)
                QCOMPARE(QUrl::fromLocalFile(player.FileName()).toString(), uri);
            QVERIFY2(qAbs(player.Duration() - length(player.FileName())) < 0.5, qPrintable(QString::number(player.Duration())));
        }
        // Further than the player counts on by the clock alone between the engine's readings.
        const double position = player.CurrentPosition();
        QTRY_VERIFY_WITH_TIMEOUT(player.CurrentPosition() > position + 2, Patience);
        QCOMPARE(messages.texts, QStringList());
    }

private:
    QString path(const QString &name) const { return songs.filePath(name); }
    void click(const char *name) { main->findChild<QAbstractButton *>(name)->click(); }
    bool idle() const { return jukebox->door().Held() == 0 && !jukebox->model().work.Busy(); }
    bool playing() const
    {
        return idle() && jukebox->player().ReadyState() == MediaPlayer::Loaded && jukebox->player().PlayState() == MediaPlayer::Playing;
    }
    QString current() const { return QFileInfo(jukebox->model().pointers.CurrentSong().LongName).completeBaseName(); }
    // A call from the desktop, answered while the window's thread runs on.
    void call(const QString &method, const QVariantList &arguments = {})
    {
        const QDBusMessage reply = desktop.call(TestSupport::MprisPlayer, method, arguments);
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    }

    QTemporaryDir songs;
    TestSupport::RecordedMessages messages;
    std::unique_ptr<Startup::Program> program;
    Jukebox *jukebox = nullptr;
    Main *main = nullptr;
    TestSupport::DesktopBus desktop;
    QList<qlonglong> heard;
};

QTEST_MAIN(DesktopEngineTest)
#include "desktop_engine_test.moc"
