// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on its own display and session bus: driven by the desktop's controls and its command line, writing nothing.
#include "support/song_files.h"
#include "support/tone_mp3.h"
#include "support/ui/x_display.h"

#include <QtDBus>
#include <QtTest>
#include <unistd.h>

namespace {
const QString Service = "org.mpris.MediaPlayer2.korvel";
const QString Player = "org.mpris.MediaPlayer2.Player";
const QString Properties = "org.freedesktop.DBus.Properties";
constexpr int Patience = 60000;
constexpr double SongSeconds = 120;

// Every file of a directory but the program, with its contents.
QMap<QString, QByteArray> snapshot(const QDir &dir)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile file(dir.filePath(name));
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    files.remove("korvel");
    return files;
}
} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
public slots:
    void PropertiesChanged(const QDBusMessage &message)
    {
        heard.unite(QMultiMap(qdbus_cast<QVariantMap>(message.arguments().value(1).value<QDBusArgument>())));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(!display.name().isEmpty());
        // The program inherits them; this process keeps the display it was started on.
        qputenv("DISPLAY", display.name().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }

    void desktopControlsDriveThePlayerAndHearItsChanges()
    {
        QTemporaryDir app;
        QByteArray playlist;
        for (const QString n : {"1", "2"}) {
            QVERIFY(TestSupport::MakeToneMp3(app.filePath(n + ".mp3"), SongSeconds));
            playlist += QString("\"Artist %1\",\"Song %1\",\"%2/%1.mp3\",\"%1.mp3\"\r\n").arg(n, app.path()).toUtf8();
        }
        TestSupport::WriteFile(app.filePath("playlist0.txt"), playlist);
        TestSupport::WriteFile(app.filePath("Korvel.ini"), "\"SortBy\",\"LAS\"\r\n");
        // Not in the catalogue: the desktop opens it below.
        QVERIFY(TestSupport::MakeToneMp3(app.filePath("3.mp3"), SongSeconds, "Opened", "Third"));
        TestSupport::WriteFile(app.filePath("notes.txt"), "No song");
        const auto before = snapshot(app.path());

        QProcess korvel;
        start(korvel, app);
        QVERIFY(bus.connect(Service, "/org/mpris/MediaPlayer2", Properties, "PropertiesChanged", this,
                            SLOT(PropertiesChanged(QDBusMessage))));

        call(Player, "Next");
        QTRY_COMPARE_WITH_TIMEOUT(get("PlaybackStatus"), "Playing", Patience);
        QVariantMap song;
        QTRY_VERIFY_WITH_TIMEOUT((song = get("Metadata").toMap()).contains("mpris:length"), Patience);
        const QString n = song.value("xesam:title").toString().remove("Song ");
        QVERIFY2(n == "1" || n == "2", qPrintable(n));
        QCOMPARE(song.value("xesam:artist").toStringList(), QStringList{"Artist " + n});
        QCOMPARE(song.value("xesam:url").toString(), QUrl::fromLocalFile(app.filePath(n + ".mp3")).toString());
        QVERIFY(qAbs(song.value("mpris:length").toLongLong() - SongSeconds * 1e6) < 1e6);

        call(Player, "PlayPause");
        QTRY_COMPARE_WITH_TIMEOUT(get("PlaybackStatus"), "Paused", Patience);
        QTRY_VERIFY_WITH_TIMEOUT(heard.contains("PlaybackStatus", "Paused") && heard.contains("Metadata"), Patience);
        call(Player, "PlayPause");
        QTRY_COMPARE_WITH_TIMEOUT(get("PlaybackStatus"), "Playing", Patience);
        // What is no number changes nothing.
        for (const double volume : {0.25, qQNaN()})
            call(Properties, "Set", {Player, "Volume", QVariant::fromValue(QDBusVariant(volume))});
        QCOMPARE(get("Volume"), 0.25);
        QTRY_VERIFY_WITH_TIMEOUT(heard.contains("Volume", 0.25), Patience);
        call(Properties, "Set", {Player, "Shuffle", QVariant::fromValue(QDBusVariant(false))});
        QTRY_VERIFY_WITH_TIMEOUT(heard.contains("Shuffle", false), Patience);
        // A file the desktop opens with Korvel joins the catalogue, tagged, and plays.
        const QString opened = QUrl::fromLocalFile(app.filePath("3.mp3")).toString();
        call(Player, "OpenUri", {opened});
        QTRY_COMPARE_WITH_TIMEOUT(get("Metadata").toMap().value("xesam:url").toString(), opened, Patience);
        // A file whose name does not end in "mp3" is left out.
        call(Player, "OpenUri", {QUrl::fromLocalFile(app.filePath("notes.txt")).toString()});
        QCOMPARE(get("Metadata").toMap().value("xesam:title"), "Third");

        call("org.mpris.MediaPlayer2", "Quit");
        QVERIFY(korvel.waitForFinished(Patience) && korvel.exitCode() == 0);
        // Nothing is written at exit.
        QCOMPARE(snapshot(app.path()), before);
    }

    void quitDuringTheAdditionOfTheCommandLinesFilesEndsTheProgramWhichTakesOnlyMp3s()
    {
        QTemporaryDir app;
        const QStringList files{app.filePath("notes.txt"), app.filePath("a.mp3"), app.filePath("Loud.MP3"), app.filePath("b.mp3")};
        // Songs that never load: the play command waits for the first as long as it may.
        for (const QString &file : files)
            TestSupport::WriteSong(file, "Title", "Band");
        const auto before = snapshot(app.path());
        QProcess korvel;
        start(korvel, app, files);
        call("org.mpris.MediaPlayer2", "Quit");
        QVERIFY(korvel.waitForFinished(Patience) && korvel.exitCode() == 0);
        QCOMPARE(snapshot(app.path()), before);
        const QString leftOut = QString("korvel: left out, as their names do not end in \"mp3\": \"%1\", \"%2\"\n");
        QVERIFY(korvel.readAllStandardError().contains(leftOut.arg(files[0], files[2]).toUtf8()));
    }

private:
    // Starts a copy of the program in `app` (its application directory) and waits for it on the bus.
    void start(QProcess &korvel, const QTemporaryDir &app, const QStringList &files = {})
    {
        const QString binary = app.filePath("korvel");
        QVERIFY(::link(KORVEL_BINARY, QFile::encodeName(binary).constData()) == 0 || QFile::copy(KORVEL_BINARY, binary));
        korvel.start(binary, files);
        QTRY_VERIFY_WITH_TIMEOUT(bus.interface()->isServiceRegistered(Service), Patience);
    }

    QDBusMessage call(const QString &interface, const QString &method, const QVariantList &arguments = {}) const
    {
        QDBusMessage message = QDBusMessage::createMethodCall(Service, "/org/mpris/MediaPlayer2", interface, method);
        message.setArguments(arguments);
        return bus.call(message, QDBus::Block, Patience);
    }

    // A property of the player, its dictionaries unpacked.
    QVariant get(const QString &name) const
    {
        const QVariant value = QDBusReply<QDBusVariant>(call(Properties, "Get", {Player, name})).value().variant();
        return value.canConvert<QDBusArgument>() ? QVariant(qdbus_cast<QVariantMap>(value.value<QDBusArgument>())) : value;
    }

    // The test runs on a session bus of its own (dbus-run-session), which the program shares.
    QDBusConnection bus = QDBusConnection::sessionBus();
    TestSupport::XDisplay display;
    QMultiMap<QString, QVariant> heard;
};

QTEST_MAIN(EndToEndTest)
#include "end_to_end_test.moc"
