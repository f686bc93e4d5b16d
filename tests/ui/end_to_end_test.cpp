// The real program started from an application directory of its own.
#include "support/ui/x_display.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {
// Name and contents digest of every file in a directory.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(dir, QDir::Files | QDir::Hidden); it.hasNext();) {
        QFile f(it.next());
        if (f.fileName().endsWith("/korvel") || !f.open(QIODevice::ReadOnly))
            continue;
        files.insert(it.fileName(), QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1));
    }
    return files;
}
} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void startsShowsTheCatalogueAndWritesNothing()
    {
        TestSupport::XDisplay display;
        if (!display.ok())
            QSKIP("Xvfb and xdotool are needed to see the window");
        QTemporaryDir app;
        const QString binary = app.filePath("korvel");
        // A hard link or a copy: the program finds its directory through its own real path.
        if (::link(KORVEL_BINARY, QFile::encodeName(binary).constData()) != 0 && !QFile::copy(KORVEL_BINARY, binary))
            QFAIL("cannot place the program in a temporary directory");
        QFile playlist(app.filePath("playlist0.txt"));
        QVERIFY(playlist.open(QIODevice::WriteOnly));
        playlist.write("\"A\",\"one\",\"/m//1.mp3\",\"1.mp3\"\r\n\"B\",\"two\",\"/m//2.mp3\",\"2.mp3\"\r\n");
        playlist.close();
        QFile settings(app.filePath("Korvel.ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("\"SortBy\",\"LAS\"\r\n");
        settings.close();
        const auto before = snapshot(app.path());

        QProcess korvel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display.name());
        env.insert("QT_QPA_PLATFORM", "xcb");
        korvel.setProcessEnvironment(env);
        korvel.setProcessChannelMode(QProcess::ForwardedChannels);
        korvel.start(binary, {});
        QVERIFY(korvel.waitForStarted());

        const QString window = display.waitForWindow("^Korvel v1.3$", 30000);
        QVERIFY2(!window.isEmpty(), "the main window did not appear");
        // Centred across the screen.
        const QString geometry = display.xdotool({"getwindowgeometry", window});
        const QRegularExpression re("Position: (\\d+),\\d+.*Geometry: (\\d+)x", QRegularExpression::DotMatchesEverythingOption);
        const auto m = re.match(geometry);
        QVERIFY2(m.hasMatch(), qPrintable(geometry));
        QVERIFY(qAbs(m.captured(1).toInt() + m.captured(2).toInt() / 2 - 512) <= 2);

        QVERIFY(korvel.state() == QProcess::Running);
        korvel.terminate();
        QVERIFY(korvel.waitForFinished(10000));
        QCOMPARE(snapshot(app.path()), before);
    }
};

QTEST_MAIN(EndToEndTest)
#include "end_to_end_test.moc"
