// Replays the fuzzing seed corpus and every input that ever made a reader fail.
#include "support/fuzz_entries.h"

#include <QDirIterator>
#include <QtTest>
#include <functional>

class FuzzRegressionTest : public QObject {
    Q_OBJECT

    // Feeds every file of corpus/<target> and regressions/<target> to `entry`.
    static int replay(const QString &target, const std::function<void(const QByteArray &)> &entry)
    {
        int inputs = 0;
        for (const char *kind : {"corpus", "regressions"}) {
            QDirIterator it(QStringLiteral(KORVEL_SOURCE_DIR "/tests/fuzz/%1/%2").arg(kind, target), QDir::Files);
            while (it.hasNext()) {
                QFile file(it.next());
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                entry(file.readAll());
                ++inputs;
            }
        }
        return inputs;
    }

private slots:
    void initTestCase() { Fuzz::Prepare(); }

    void playlistInputs() { QVERIFY(replay("playlist", Fuzz::Playlist) > 0); }
    void tagInputs() { QVERIFY(replay("tag", Fuzz::Tag) > 0); }
    void timeInputs() { QVERIFY(replay("time", Fuzz::Time) > 0); }
    void settingsInputs() { QVERIFY(replay("settings", Fuzz::Settings) > 0); }
};

QTEST_GUILESS_MAIN(FuzzRegressionTest)
#include "fuzz_regression_test.moc"
