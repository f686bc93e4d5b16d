// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's controls in the process: held by the door while Korvel adds 20,000 songs, then run in order; dropped if refused.
#include "support/ui/main_fixture.h"
#include "ui/desktop/mpris_root.h"
#include "ui/desktop/player_controls.h"

#include <QtDBus>
#include <QtTest>

namespace {
constexpr int SongFiles = 20000;
const QString Service = QStringLiteral("org.mpris.MediaPlayer2.korvel");

// The tag each generated song carries: every file its own title.
QByteArray TitleOf(int i) { return "Title " + QByteArray::number(i); }
QByteArray ArtistOf(int i) { return "Artist " + QByteArray::number(i % 97); }

// Passes the progress on to the window; when the tagging starts, lets events in
// until the desktop's calls wait at the door, so that they surely arrive mid-work.
struct HeldWhileTagging : TestSupport::PassedOnProgress {
    HeldWhileTagging(Screen::Surface &screen, const CommandDoor &door) : PassedOnProgress(screen), door(door) {}
    void Show(const QString &activity, const QString &current, const QString &total) override
    {
        previous_->Show(activity, current, total);
        if (activity != QLatin1String("Tagging") || heldWhileTagging >= 0)
            return;
        QDeadlineTimer patience(60000);
        while (door.Held() < 2 && !patience.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        heldWhileTagging = door.Held();
    }
    const CommandDoor &door;
    int heldWhileTagging = -1;
};
} // namespace

class CommandDoorTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (int i = 0; i < SongFiles; ++i) {
            const QString path = library.filePath(QStringLiteral("d%1/s%2.mp3").arg(i % 100).arg(i));
            TestSupport::WriteSong(path, TitleOf(i), ArtistOf(i));
            paths << path;
        }
        TestSupport::WriteSong(opened.filePath("opened.mp3"), "Opened", "Desktop");
    }

    void commandsFromOutsideWaitForTheWorkAndRunInOrder_data()
    {
        QTest::addColumn<bool>("fromCommandLine");
        QTest::newRow("files on the command line") << true;
        QTest::newRow("Add Directorys") << false;
    }

    void commandsFromOutsideWaitForTheWorkAndRunInOrder()
    {
        QFETCH(bool, fromCommandLine);
        TestSupport::MainFixture f;
        f.model().options.SetShuffle(false);
        Desktop::OfferPlayerControls({*f.main, f.model(), f.main->transport(), f.main->player(), f.main->door()});
        HeldWhileTagging watcher(f.model().screen, f.main->door());

        // A second connection plays the desktop: its calls are sent before the work starts.
        QDBusConnection desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop");
        QVERIFY(desktop.isConnected());
        const auto send = [&](const QString &method, const QVariantList &arguments = {}) {
            QDBusMessage call = QDBusMessage::createMethodCall(Service, "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2.Player", method);
            call.setArguments(arguments);
            desktop.asyncCall(call);
        };
        send("Next");
        send("OpenUri", {QUrl::fromLocalFile(opened.filePath("opened.mp3")).toString()});
        if (fromCommandLine) {
            f.main->OpenFiles(paths);
        } else {
            frm_addsongs &window = Window<frm_addsongs>();
            window.DirectoryListBox->SetPath(library.path());
            window.cmd_recursive->click();
        }
        QCOMPARE(watcher.heldWhileTagging, 2);

        const Catalogue &catalogue = f.model().catalogue;
        QTRY_COMPARE_WITH_TIMEOUT(f.player->opened.size(), fromCommandLine ? 3 : 2, 60000);
        QCOMPARE(catalogue.SongCount(), SongFiles + 1);
        // The addition's own song first (from the command line: the first file named),
        // then Next's, the one after it, then the file the desktop opened.
        const int first = fromCommandLine ? catalogue.FindSong({QFileInfo(paths.first()).absoluteFilePath(), -1}) : -1;
        QStringList expected;
        if (fromCommandLine)
            expected << catalogue.SongAt(first).LongName;
        expected << catalogue.SongAt(first + 1).LongName << opened.filePath("opened.mp3");
        QCOMPARE(f.player->opened, expected);
        QCOMPARE(f.messages.texts, QStringList());
        // Every song has the artist and title of its own file.
        for (const Song &song : catalogue.Songs()) {
            if (song.ShortName == QLatin1String("opened.mp3"))
                continue;
            const int i = song.ShortName.mid(1).chopped(4).toInt();
            QCOMPARE(song.SongName, QString::fromLatin1(TitleOf(i)));
            QCOMPARE(song.Artist, QString::fromLatin1(ArtistOf(i)));
        }
        QDBusConnection::disconnectFromBus("desktop");
        QDBusConnection::sessionBus().unregisterService(Service);
    }

    void controlsTheBusRefusesAreDropped()
    {
        TestSupport::MainFixture f;
        QObject taken;
        QVERIFY(QDBusConnection::sessionBus().registerObject(Desktop::MprisObjectPath, &taken));
        Desktop::OfferPlayerControls({*f.main, f.model(), f.main->transport(), f.main->player(), f.main->door()});
        // Nothing is left to announce changes of an object that the bus does not have.
        QVERIFY(f.main->findChildren<QDBusAbstractAdaptor *>().isEmpty());
    }

private:
    QTemporaryDir library, opened;
    QStringList paths;
};

QTEST_MAIN(CommandDoorTest)
#include "command_door_test.moc"
