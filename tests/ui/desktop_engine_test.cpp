// SPDX-License-Identifier: GPL-3.0-or-later
// The window over the real engine, its controls on a private session bus: each seek is heard once as Seeked, and files that cannot play never hold the window.
#include "support/tone_mp3.h"
#include "support/ui/main_fixture.h"
#include "support/ui/window_watchdog.h"
#include "ui/desktop/player_controls.h"

#include <QtDBus>
#include <QtTest>

namespace {
const QString Service = QStringLiteral("org.mpris.MediaPlayer2.korvel");
const QString Player = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr int Patience = 30000;
constexpr qlonglong Second = 1'000'000;
// Where a paused seek lands exactly; a playing one a little later.
constexpr qlonglong PausedSlack = Second / 10;
constexpr qlonglong PlayingSlack = Second / 2;
} // namespace

class DesktopEngineTest : public QObject {
    Q_OBJECT
public slots:
    void Seeked(qlonglong position) { heard << position; }

private slots:
    void init()
    {
        main = std::make_unique<Main>(nullptr, LoadWait::LimitMs, &messages);
        main->model().options.SetShuffle(false);
        main->show();
        Desktop::OfferPlayerControls({*main, main->model(), main->transport(), main->player(), main->door()});
        QVERIFY(desktop.connect(Service, "/org/mpris/MediaPlayer2", Player, "Seeked", this, SLOT(Seeked(qlonglong))));
        heard.clear();
    }
    void cleanup()
    {
        desktop.disconnect(Service, "/org/mpris/MediaPlayer2", Player, "Seeked", this, SLOT(Seeked(qlonglong)));
        main.reset();
        QDBusConnection::sessionBus().unregisterService(Service);
    }

    void everySeekIsHeardOnceWithThePositionReached()
    {
        const QString song = songs.filePath("minute.mp3");
        QVERIFY(TestSupport::MakeToneMp3(song, 60));
        TestSupport::SetCatalogue(main->model(), {{"A", "minute", song}});
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
        for (const auto &[at, seconds] : {std::pair{0, 37}, {1, 7}, {2, 37}})
            QVERIFY2(qAbs(heard.at(at) - seconds * Second) <= PausedSlack, qPrintable(QString::number(heard.at(at))));
        // Playing, the desktop's own seeks: to a place, then ahead from there.
        click("cmd_play");
        call("SetPosition", {QVariant::fromValue(QDBusObjectPath("/org/korvel/song/0")), 20 * Second});
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 4, Patience);
        call("Seek", {5 * Second});
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 5, Patience);
        QVERIFY2(qAbs(heard.at(3) - 20 * Second) <= PlayingSlack, qPrintable(QString::number(heard.at(3))));
        QVERIFY2(qAbs(heard.at(4) - 25 * Second) <= 2 * PlayingSlack, qPrintable(QString::number(heard.at(4))));
        // Once playback has gone on a while, no second Seeked for any of them has come.
        const double after = main->player().CurrentPosition();
        QTRY_VERIFY_WITH_TIMEOUT(main->player().CurrentPosition() > after + 0.5, Patience);
        QCOMPARE(heard.size(), 5);
    }

    void filesThatCannotPlayNeverHoldTheWindow()
    {
        const auto path = [&](const char *name) { return songs.filePath(QLatin1String(name)); };
        QVERIFY(TestSupport::MakeToneMp3(path("deleted.mp3"), 3));
        QVERIFY(TestSupport::MakeToneMp3(path("cut.mp3"), 30));
        TestSupport::MakePipe(path("pipe.mp3"));
        QVERIFY(QFile::link("/dev/zero", path("device.mp3")));
        TestSupport::WriteFile(path("text.mp3"), QByteArray(4000, 'Z'));
        QVERIFY(QDir().mkpath(path("locked")));
        QVERIFY(TestSupport::MakeToneMp3(path("locked/inside.mp3"), 3));
        QVERIFY(TestSupport::MakeToneMp3(path("locked/later.mp3"), 30));
        QVERIFY(TestSupport::MakeToneMp3(path("last.mp3"), 30));
        Model &model = main->model();
        TestSupport::SetCatalogue(model, {{"A", "1", path("deleted.mp3")}, {"A", "2", path("cut.mp3")}, {"A", "3", path("pipe.mp3")},
                                          {"A", "4", path("device.mp3")}, {"A", "5", path("text.mp3")}, {"A", "6", path("missing.mp3")},
                                          {"A", "7", path("locked/inside.mp3")}, {"A", "8", path("last.mp3")}});
        TestSupport::WindowWatchdog watchdog([] { return QStringLiteral("the window played files that cannot all be played"); });
        const auto current = [&] { return QFileInfo(model.pointers.CurrentSong().LongName).completeBaseName(); };
        const auto settled = [&] { return main->door().Held() == 0 && !model.screen.Busy(); };
        const auto playing = [&](const QString &name) {
            return settled() && current() == name && main->player().ReadyState() == MediaPlayer::Loaded
                   && main->player().PlayState() == MediaPlayer::Playing;
        };
        const auto failed = [&](const QString &name) {
            return settled() && current() == name && main->player().ReadyState() == MediaPlayer::Uninitialized;
        };

        // Deleted while it plays, a song plays to its end; cut short, it ends there.
        click("cmd_play");
        QVERIFY(QFile::remove(path("deleted.mp3")));
        QTRY_VERIFY_WITH_TIMEOUT(playing("cut"), Patience);
        QFile cut(path("cut.mp3"));
        QVERIFY(cut.resize(cut.size() / 10));
        // What cannot be played is a failed load: the player stays idle until the next
        // command, from the window or the desktop.
        QTRY_VERIFY_WITH_TIMEOUT(failed("pipe"), Patience);
        for (const char *name : {"device", "text", "missing"}) {
            QDBusPendingCall status = desktop.asyncCall(Call("Next"));
            QTRY_VERIFY_WITH_TIMEOUT(status.isFinished() && !status.isError(), Patience);
            QTRY_VERIFY_WITH_TIMEOUT(failed(name), Patience);
        }
        click("cmd_next");
        QTRY_VERIFY_WITH_TIMEOUT(playing("inside"), Patience);
        // A folder made unreadable: its song plays on, and one opened from it afterwards
        // plays when it can still be read (by the superuser) and is skipped otherwise.
        QVERIFY(QFile::setPermissions(path("locked"), {}));
        QTRY_VERIFY_WITH_TIMEOUT(playing("last"), Patience);
        call("OpenUri", {QUrl::fromLocalFile(path("locked/later.mp3")).toString()});
        call("OpenUri", {QUrl::fromLocalFile(path("pipe.mp3")).toString()});
        QTRY_VERIFY_WITH_TIMEOUT(playing("later") || (settled() && current() == "last"), Patience);
        QVERIFY(QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(int(model.catalogue.SongCount()), current() == "later" ? 9 : 8);
        QCOMPARE(messages.texts, QStringList());
    }

private:
    void click(const char *name) { main->findChild<QAbstractButton *>(name)->click(); }
    static QDBusMessage Call(const QString &method, const QVariantList &arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(Service, "/org/mpris/MediaPlayer2", Player, method);
        message.setArguments(arguments);
        return message;
    }
    // A call from the desktop, answered while the window's thread runs on.
    void call(const QString &method, const QVariantList &arguments = {})
    {
        QDBusPendingCall reply = desktop.asyncCall(Call(method, arguments));
        QTRY_VERIFY_WITH_TIMEOUT(reply.isFinished(), Patience);
        QVERIFY2(!reply.isError(), qPrintable(reply.error().message()));
    }

    QTemporaryDir songs;
    TestSupport::RecordedMessages messages;
    std::unique_ptr<Main> main;
    QDBusConnection desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop");
    QList<qlonglong> heard;
};

QTEST_MAIN(DesktopEngineTest)
#include "desktop_engine_test.moc"
